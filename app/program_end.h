#pragma once

class QWidget;

// Ends the program at once: every window goes, every wait returns, and no
// further handler does anything. The application still winds down normally, so
// the clipboard keeps what was copied.
void EndProgram();

// True once EndProgram has been called.
bool ProgramEnding();

// Handles window events, blocking between them, until the window is no longer
// visible or the program ends.
void WaitWhileVisible(const QWidget &window);

// Handles the events that are pending, or blocks until one arrives.
void WaitForEvents();
