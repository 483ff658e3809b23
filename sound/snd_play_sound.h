#pragma once

// The wave sound call the brand splash makes, shaped like the platform's.

// Start the sound and return at once.
constexpr unsigned SND_ASYNC = 0x0001;

// Starts the wave file, a name in the ANSI code page relative to the current
// directory, in place of any sound still playing, and returns at once: every
// sound plays in the background, whatever the flags. A null name stops the
// sound. False when nothing could be played; a missing file or audio device
// changes nothing else.
bool sndPlaySoundA(const char *fileName, unsigned flags);
