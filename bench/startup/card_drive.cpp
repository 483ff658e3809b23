#include "card_drive.h"

#include "child_process.h"

#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

const std::string kTitle = "戯詠帖";
const std::string kSettings = "戯詠帖／歌種指定";
// The poet name's label on the card, in pixels (1080, 4800, 255, 1095 twips).
constexpr RootWatch::Rect kPoetName{72, 320, 17, 73};
// The name is black ink; the card's own drawing is pencil grey.
constexpr int kInkLevel = 64;
constexpr int kWrittenName = 20;
// Generous, for a program started under a profiler: a window comes in well
// under a second, and a poem is revealed at a character a tenth of a
// second, in some three seconds.
constexpr auto kWindowTime = 60s;
constexpr auto kRevealTime = 30s;

bool IsInk(uint32_t pixel)
{
    const int red = int(pixel >> 16 & 0xff);
    const int green = int(pixel >> 8 & 0xff);
    const int blue = int(pixel & 0xff);
    return (red * 299 + green * 587 + blue * 114) / 1000 < kInkLevel;
}

} // namespace

CardDrive::CardDrive(RootWatch &watch, std::vector<std::string> environment)
    : watch_(watch)
    , environment_(std::move(environment))
{
}

xcb_window_t CardDrive::NextWindowNamed(const std::string &name)
{
    const auto deadline = Clock::now() + kWindowTime;
    while (const auto mapped = watch_.NextMap(deadline)) {
        if (!mapped->overrideRedirect && watch_.Name(mapped->window) == name)
            return mapped->window;
    }
    return 0;
}

xcb_window_t CardDrive::ToFirstPoem()
{
    const xcb_window_t title = NextWindowNamed(kTitle);
    if (!title)
        return 0;
    Xdotool({"mousemove", "--window", std::to_string(title), "150", "150", "click", "1"});
    const xcb_window_t settings = NextWindowNamed(kSettings);
    if (!settings)
        return 0;
    // Closed without its confirm button: the first poem keeps the defaults.
    watch_.AskToClose(settings);
    const xcb_window_t card = NextWindowNamed(kTitle);
    if (!card || !PoemRevealed(card))
        return 0;
    return card;
}

bool CardDrive::SwitchMusicOff(xcb_window_t card)
{
    Xdotool({"mousemove", "--window", std::to_string(card), "200", "200", "click", "3"});
    const auto deadline = Clock::now() + 10s;
    std::optional<RootWatch::Mapped> menu;
    while ((menu = watch_.NextMap(deadline)) && !menu->overrideRedirect) { }
    if (!menu)
        return false;
    Xdotool({"key", "b"});
    return watch_.WaitForUnmap(menu->window, Clock::now() + 10s);
}

bool CardDrive::NextPoem(xcb_window_t card)
{
    Xdotool({"mousemove", "--window", std::to_string(card), "200", "200", "click", "1"});
    return PoemRevealed(card);
}

int CardDrive::InkedPoetNamePixels(xcb_window_t card)
{
    int inked = 0;
    for (uint32_t pixel : watch_.Pixels(card, kPoetName))
        inked += IsInk(pixel) ? 1 : 0;
    return inked;
}

bool CardDrive::PoemRevealed(xcb_window_t card)
{
    // The poet name is cleared when a poem begins and written when its
    // last column is full.
    const auto deadline = Clock::now() + kRevealTime;
    bool cleared = false;
    while (Clock::now() < deadline) {
        const int inked = InkedPoetNamePixels(card);
        cleared = cleared || inked == 0;
        if (cleared && inked >= kWrittenName)
            return true;
        std::this_thread::sleep_for(20ms);
    }
    return false;
}

void CardDrive::Xdotool(const std::vector<std::string> &arguments)
{
    std::vector<std::string> command{"/usr/bin/xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess xdotool({command, environment_, {}, false});
    const auto deadline = Clock::now() + 10s;
    while (xdotool.Running() && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
}
