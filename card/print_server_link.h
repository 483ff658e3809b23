#pragma once

#include <cups/http.h>

#include <atomic>

// One connection to the print server, for the thread that made it. Every wait
// for the server's answer looks at the call-off flag a few times a second, so
// another thread can make a stalled request give up.
class PrintServerLink
{
public:
    explicit PrintServerLink(const std::atomic<bool> &calledOff);
    ~PrintServerLink();
    PrintServerLink(const PrintServerLink &) = delete;
    PrintServerLink &operator=(const PrintServerLink &) = delete;

    // The connection, made on first use; null when the server cannot be reached.
    http_t *Connection();

    bool CalledOff() const { return calledOff_; }

private:
    const std::atomic<bool> &calledOff_;
    http_t *connection_ = nullptr;
};
