#pragma once

#include <string>

struct SdlAudioStart
{
    bool ok = false;
    std::string problem; // why audio is not available, when it is not
};

// Brings up SDL's audio subsystem once per run, for the wave sound and for
// FluidSynth's output alike, and keeps it until the program ends.
const SdlAudioStart &StartSdlAudio();
