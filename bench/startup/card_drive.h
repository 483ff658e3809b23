#pragma once

#include "root_watch.h"

#include <string>
#include <vector>

// Leads the real program as a user would, on a display without a window
// manager: clicks the title away, closes the settings window, waits for the
// card's first poem, and uses the card's menu. Clicks and keys go through
// xdotool, so the program gets them as from a real mouse and keyboard.
class CardDrive
{
public:
    CardDrive(RootWatch &watch, std::vector<std::string> environment);

    // From the splash to the card once its first poem is revealed; the card
    // window, or 0 when a window did not come in time.
    xcb_window_t ToFirstPoem();
    // Switches the music off with the card's menu command.
    bool SwitchMusicOff(xcb_window_t card);
    // Clicks the card for a new poem and waits until it is revealed.
    bool NextPoem(xcb_window_t card);

private:
    xcb_window_t NextWindowNamed(const std::string &name);
    bool PoemRevealed(xcb_window_t card);
    int InkedPoetNamePixels(xcb_window_t card);
    void Xdotool(const std::vector<std::string> &arguments);

    RootWatch &watch_;
    std::vector<std::string> environment_;
};
