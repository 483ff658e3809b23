#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

// A client of the display that hears of every window mapped on or unmapped
// from its root (SubstructureNotify on the root window), with the moment it
// heard it, and that can look at a window as it is on the screen.
class RootWatch
{
public:
    using Clock = std::chrono::steady_clock;

    struct Mapped
    {
        xcb_window_t window = 0;
        bool overrideRedirect = false; // a pop-up menu, not a window of its own
        Clock::time_point at;
    };

    struct Rect
    {
        int left = 0, top = 0, width = 0, height = 0;
    };

    explicit RootWatch(const std::string &display);
    ~RootWatch();
    RootWatch(const RootWatch &) = delete;
    RootWatch &operator=(const RootWatch &) = delete;

    // The next window mapped on the root, or none by the deadline.
    std::optional<Mapped> NextMap(Clock::time_point deadline);
    // Whether the window was unmapped (or destroyed) by the deadline.
    bool WaitForUnmap(xcb_window_t window, Clock::time_point deadline);
    // Forgets what has happened so far.
    void Forget();

    // The window's title, _NET_WM_NAME or else WM_NAME.
    std::string Name(xcb_window_t window);
    // The window's place on the screen.
    Rect Geometry(xcb_window_t window);
    // The pixels of part of a window, as 0xRRGGBB, row by row.
    std::vector<uint32_t> Pixels(xcb_window_t window, const Rect &part);
    // The process the window belongs to (_NET_WM_PID), 0 when it does not say.
    uint32_t ProcessOf(xcb_window_t window);
    // Asks the window to close, as a window manager's close button does.
    void AskToClose(xcb_window_t window);

private:
    struct Event
    {
        bool mapped = false;
        xcb_window_t window = 0;
        bool overrideRedirect = false;
        Clock::time_point at;
    };

    // Reads what the server has sent; waits until the deadline for the first event.
    bool Read(Clock::time_point deadline);
    xcb_atom_t Atom(const char *name);
    std::string Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type);

    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::deque<Event> events_;
};
