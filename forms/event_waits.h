#pragma once

class QWidget;

// Handles window events, blocking between them, until the window is no longer
// visible or the program ends.
void WaitWhileVisible(const QWidget &window);

// Handles the events that are pending, or blocks until one arrives.
void WaitForEvents();
