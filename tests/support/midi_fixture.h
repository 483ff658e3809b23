#pragma once

#include <cstdint>
#include <vector>

// Small standard MIDI files made on the spot, so the tests need no shipped music.

// A format 1 file: a tempo track at 120 beats a minute that changes to 240
// halfway through, and a piano track of noteCount notes, each
// noteMilliseconds long at the first tempo, the first one at time zero.
std::vector<uint8_t> MidiMelody(int noteCount, int noteMilliseconds);
