#include "sound/fluid_sound_engine.h"

#include "sound/fluid_sequencer.h"
#include "sound/soundfont_search.h"

FluidSoundEngine::FluidSoundEngine()
    : synth_(StandardSoundFonts())
{
}

std::unique_ptr<SequencerDevice> FluidSoundEngine::MakeSequencer()
{
    return std::make_unique<FluidSequencer>(synth_);
}

bool FluidSoundEngine::StartWave(const std::string &fileName)
{
    return wave_.Start(fileName);
}

void FluidSoundEngine::StopWave()
{
    wave_.Stop();
}

extern "C" __attribute__((visibility("default"))) SoundEngine *GieichoMakeSoundEngine()
{
    return new FluidSoundEngine;
}
