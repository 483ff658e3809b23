#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The commands the sequencer understands.
enum class MciVerb { Open, Play, Close, Status };

// One command string taken apart. Text stays as written (ANSI code page);
// device names and keywords are compared without regard to case later on.
struct MciCommand
{
    MciVerb verb = MciVerb::Close;
    // open: the file; every other command: the device name or alias.
    std::string target;
    // open only: the device type and alias, empty when not given.
    std::string type;
    std::string alias;
};

struct MciParseResult
{
    uint32_t error = 0; // an MciError, 0 when the command is well formed
    MciCommand command;
};

// Parses "open <file> [type <t>] [alias <a>]", "play <d>", "close <d>" and
// "status <d> mode". A double-quoted word may hold blanks and ends at the next
// quote, so a path with a quote of its own fails instead of running on.
MciParseResult ParseMciCommand(std::string_view text);

// ASCII lower case, the way command words and device names are compared.
std::string LowerAscii(std::string_view text);
