#pragma once

class QWidget;

// Tells an X11 window manager that the window is a fixed tool window: a title
// bar with a close button and nothing else. Qt calls such a window a utility
// window, which window managers such as openbox decorate like any other, with
// minimise and maximise buttons; a toolbar window is the kind they give only a
// close button. Call it before the window is shown. Under Wayland, where the
// compositor decides, nothing changes.
void MarkAsToolWindow(QWidget &window);
