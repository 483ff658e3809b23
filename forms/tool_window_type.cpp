#include "forms/tool_window_type.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

void MarkAsToolWindow(QWidget &window)
{
    // The offscreen platform answers for X11 too, without a connection.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !connection)
        return;
    const xcb_atom_t type = Atom(connection, "_NET_WM_WINDOW_TYPE");
    const xcb_atom_t toolbar = Atom(connection, "_NET_WM_WINDOW_TYPE_TOOLBAR");
    if (type == XCB_ATOM_NONE || toolbar == XCB_ATOM_NONE)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), type,
                        XCB_ATOM_ATOM, 32, 1, &toolbar);
    xcb_flush(connection);
}
