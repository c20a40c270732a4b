// Reading the start page's address from the record at the end of the
// running program's own file.
#pragma once

// 1 when the caller may stop asking (an address was read into StartPageUrl,
// or the file holds no record and the user was told so); 0 when the attempt
// failed and should be repeated (the file could not be opened, which the
// user is told, or could not be read, which is not shown). While one of its
// message boxes is open, further calls return 0 at once, so that a timer
// that keeps asking never piles up boxes.
int ReadStartPageRecord();
