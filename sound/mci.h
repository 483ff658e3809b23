#pragma once

#include "sound/sequencer_device.h"

#include <cstdint>
#include <memory>

// The media control calls the music player is written against, shaped like
// the platform's: command strings and texts in the ANSI code page (sound/ansi_code_page.h), results as
// MciError codes (sound/mci_error.h).

// Sends one command string to the sequencer. The reply is written into the
// buffer, at most replyLength characters with the terminating null. The
// callback window is accepted and unused: nothing here notifies.
uint32_t mciSendStringA(const char *command, char *reply, unsigned replyLength, void *callback);

// Writes the text of an error code into the buffer, cut to length characters
// with the terminating null. False for a code without text or a buffer of
// no room.
bool mciGetErrorStringA(uint32_t code, char *text, unsigned length);

// Puts another device under the command layer in place of FluidSynth (tests
// put a recording one there); none puts FluidSynth back, made with the next
// command. The device before is destroyed, its piece with it.
void UseSequencerDevice(std::unique_ptr<SequencerDevice> device);
