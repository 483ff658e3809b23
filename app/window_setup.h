#pragma once

// What the windows after the splash need and the splash does not: Qt's
// Japanese texts, the interface font (matched against the installed fonts
// here, not when the settings window first draws) and the card typeface's
// stand-ins. Start-up does this once the splash is on the screen.
void SetUpLaterWindows();
