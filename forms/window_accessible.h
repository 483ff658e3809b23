#pragma once

class QWidget;

// Lets assistive tools see the program's own top-level windows of the
// window's class as windows (frames) named by their caption, rather than as
// anonymous fillers. Each such window calls it when it is made.
void AnnounceAsWindow(const QWidget &window);
