#include "root_watch.h"

#include <poll.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> Owned(Reply *reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

} // namespace

RootWatch::RootWatch(const std::string &display)
{
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot connect to the display " + display);
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
}

RootWatch::~RootWatch()
{
    xcb_disconnect(connection_);
}

bool RootWatch::Read(Clock::time_point deadline)
{
    bool any = false;
    for (;;) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection_);
        if (!event) {
            if (any)
                return true;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            pollfd wait{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&wait, 1, int(left.count()));
            if (xcb_connection_has_error(connection_))
                throw std::runtime_error("the display went away");
            continue;
        }
        const Clock::time_point at = Clock::now();
        const auto free = Owned(event);
        switch (event->response_type & 0x7f) {
        case XCB_MAP_NOTIFY: {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (map->event == root_)
                events_.push_back({true, map->window, map->override_redirect != 0, at});
            any = true;
            break;
        }
        case XCB_UNMAP_NOTIFY: {
            const auto *unmap = reinterpret_cast<xcb_unmap_notify_event_t *>(event);
            if (unmap->event == root_)
                events_.push_back({false, unmap->window, false, at});
            any = true;
            break;
        }
        case XCB_DESTROY_NOTIFY: {
            const auto *destroy = reinterpret_cast<xcb_destroy_notify_event_t *>(event);
            if (destroy->event == root_)
                events_.push_back({false, destroy->window, false, at});
            any = true;
            break;
        }
        default: break;
        }
    }
}

std::optional<RootWatch::Mapped> RootWatch::NextMap(Clock::time_point deadline)
{
    for (;;) {
        while (!events_.empty()) {
            const Event event = events_.front();
            events_.pop_front();
            if (event.mapped)
                return Mapped{event.window, event.overrideRedirect, event.at};
        }
        if (!Read(deadline))
            return std::nullopt;
    }
}

bool RootWatch::WaitForUnmap(xcb_window_t window, Clock::time_point deadline)
{
    for (;;) {
        while (!events_.empty()) {
            const Event event = events_.front();
            events_.pop_front();
            if (!event.mapped && event.window == window)
                return true;
        }
        if (!Read(deadline))
            return false;
    }
}

void RootWatch::Forget()
{
    Read(Clock::now());
    events_.clear();
}

xcb_atom_t RootWatch::Atom(const char *name)
{
    const auto reply = Owned(xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::string RootWatch::Property(xcb_window_t window, xcb_atom_t property, xcb_atom_t type)
{
    const auto reply = Owned(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, property, type, 0, 1024), nullptr));
    if (!reply)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       size_t(xcb_get_property_value_length(reply.get())));
}

std::string RootWatch::Name(xcb_window_t window)
{
    const std::string name = Property(window, Atom("_NET_WM_NAME"), Atom("UTF8_STRING"));
    return name.empty() ? Property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING) : name;
}

RootWatch::Rect RootWatch::Geometry(xcb_window_t window)
{
    const auto geometry = Owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    const auto place = Owned(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    if (!geometry || !place)
        return {};
    return {place->dst_x, place->dst_y, geometry->width, geometry->height};
}

std::vector<uint32_t> RootWatch::Pixels(xcb_window_t window, const Rect &part)
{
    // Read from the root, where the window's pixels are whether or not it
    // keeps a picture of its own.
    const Rect place = Geometry(window);
    const auto image = Owned(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(place.left + part.left),
                      int16_t(place.top + part.top), uint16_t(part.width), uint16_t(part.height), ~0u),
        nullptr));
    if (!image || image->depth != 24)
        return {};
    // A 24-bit image comes as 32 bits a pixel, rows without padding.
    const auto *data = reinterpret_cast<const uint32_t *>(xcb_get_image_data(image.get()));
    std::vector<uint32_t> pixels(data, data + size_t(part.width) * size_t(part.height));
    for (uint32_t &pixel : pixels)
        pixel &= 0xffffff;
    return pixels;
}

uint32_t RootWatch::ProcessOf(xcb_window_t window)
{
    const std::string value = Property(window, Atom("_NET_WM_PID"), XCB_ATOM_CARDINAL);
    uint32_t pid = 0;
    if (value.size() == sizeof pid)
        std::memcpy(&pid, value.data(), sizeof pid);
    return pid;
}

void RootWatch::AskToClose(xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Atom("WM_PROTOCOLS");
    message.data.data32[0] = Atom("WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(connection_);
}
