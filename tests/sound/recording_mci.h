#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Stands in for the media control calls (it defines mciSendStringA and
// mciGetErrorStringA) so a test sees every command string the player sends,
// with the buffer sizes it passes, and decides what comes back.
struct RecordingMci
{
    struct Sent
    {
        std::string command;
        unsigned replyLength;
        bool operator==(const Sent &) const = default;
    };
    struct LookedUp
    {
        uint32_t code;
        unsigned length;
        bool operator==(const LookedUp &) const = default;
    };
    struct Answer
    {
        std::string commandPrefix;
        uint32_t code;
        std::string reply;
    };

    std::vector<Sent> sent;
    std::vector<LookedUp> lookedUp;
    // The first answer whose prefix starts the command is given; others get 0 and no reply.
    std::vector<Answer> answers;
};

// The one the fake calls record into; tests reset it with `TheRecordingMci() = {}`.
RecordingMci &TheRecordingMci();
