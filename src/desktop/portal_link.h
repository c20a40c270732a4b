// Opening one of the operator's portal links in the user's default browser.
#pragma once

// True for an address the shell may be given: http:// or https:// (the
// scheme in any case) with something after it. The links come from a web
// page, so anything else (a local path, a program, another scheme, nothing)
// is refused.
bool IsOpenablePortalLink(const char* link);

// Hands the link to the shell with the default verb when it is openable;
// otherwise does nothing. Returns whether the shell was asked.
bool OpenPortalLink(const char* link);
