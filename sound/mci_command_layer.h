#pragma once

#include "sound/sequencer_device.h"

#include <cstdint>
#include <optional>
#include <string>

// Interprets media control command strings for the one sequencer device:
// keeps the alias the piece was opened under, checks each command against
// it, and writes replies the way the platform does.
class MciCommandLayer
{
public:
    explicit MciCommandLayer(SequencerDevice &device);

    // Carries out one command string (ANSI code page). The reply, if the
    // buffer has room for anything, is always null-terminated; a reply cut
    // short returns MCIERR_PARAM_OVERFLOW. Returns 0 or an MciError.
    uint32_t Send(const char *command, char *reply, unsigned replyLength);

private:
    uint32_t Open(const std::string &file, const std::string &type, const std::string &alias);
    uint32_t WriteReply(const char *text, char *reply, unsigned replyLength);

    SequencerDevice &device_;
    // The lower-cased alias of the open piece; none while nothing is open.
    std::optional<std::string> openAlias_;
};
