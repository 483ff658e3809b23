#pragma once

#include <cstdint>
#include <string>

// What the sequencer reports when asked for its mode.
enum class SequencerMode { NotReady, Stopped, Playing };

// The MIDI playback facility under the command layer: one current piece at a
// time, played once to its end. The command layer keeps the alias book and
// calls play, mode and close only while a piece is open.
class SequencerDevice
{
public:
    virtual ~SequencerDevice() = default;

    // Opens the file (a local file name) as the current piece, ready to play
    // from its start. Returns 0 or an MciError; nothing is open after an error.
    virtual uint32_t Open(const std::string &fileName) = 0;
    // Starts the piece and returns at once. 0 or an MciError.
    virtual uint32_t Play() = 0;
    virtual SequencerMode Mode() = 0;
    // Stops the piece at once and releases it.
    virtual void Close() = 0;
    // Lets go of what the device keeps from one piece to the next; the next
    // open takes it up again. Called with no piece open.
    virtual void Release() { }
};
