#pragma once

// Ends the program at once: every window goes, every wait returns, and no
// further handler does anything. The application still winds down normally, so
// the clipboard keeps what was copied. A status other than 0 tells whoever
// started the program that it could not run.
void EndProgram(int exitStatus = 0);

// True once EndProgram has been called.
bool ProgramEnding();

// The status EndProgram was given.
int ProgramExitStatus();
