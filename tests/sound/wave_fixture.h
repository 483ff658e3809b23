#pragma once

#include <cstdint>
#include <vector>

// A wave file made on the spot: a 440 Hz tone, 16-bit PCM mono at 22050 Hz.
std::vector<uint8_t> WaveTone(double seconds);
