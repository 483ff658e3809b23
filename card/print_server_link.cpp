#include "card/print_server_link.h"

#include <cups/cups.h>

namespace {

// How often a wait for the server looks whether it was called off.
constexpr double kLookSeconds = 0.2;
constexpr int kConnectMs = 5000;

int KeepWaiting(http_t *, void *link)
{
    return static_cast<PrintServerLink *>(link)->CalledOff() ? 0 : 1;
}

} // namespace

PrintServerLink::PrintServerLink(const std::atomic<bool> &calledOff)
    : calledOff_(calledOff)
{
}

PrintServerLink::~PrintServerLink()
{
    if (connection_)
        httpClose(connection_);
}

http_t *PrintServerLink::Connection()
{
    if (!connection_ && !calledOff_) {
        connection_ =
            httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectMs, nullptr);
        if (connection_)
            httpSetTimeout(connection_, kLookSeconds, KeepWaiting, this);
    }
    return connection_;
}
