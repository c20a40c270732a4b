// Start on boot: a value named after the program file, holding its path,
// in the machine-wide Run key. AutoStartEnabled follows the outcome.
#pragma once

// Writes the value and tells the user the outcome.
void SetAutoStart();
// Deletes the value and tells the user the outcome.
void ClearAutoStart();
// Sets AutoStartEnabled from the registry, silently; answers the flag.
int QueryAutoStart();
