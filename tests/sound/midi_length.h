#pragma once

#include <cstdint>
#include <vector>

// The playing time of a standard MIDI file in seconds, from its start to the
// last end-of-track, following every tempo change. Negative when the file
// cannot be read this way (SMPTE time or a broken chunk).
double MidiLengthSeconds(const std::vector<uint8_t> &file);
