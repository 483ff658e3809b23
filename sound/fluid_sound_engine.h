#pragma once

#include "sound/fluid_synth_engine.h"
#include "sound/sound_engine.h"
#include "sound/wave_player.h"

// The sound engine module's engine: the music on FluidSynth, the wave sound
// through SDL.
class FluidSoundEngine final : public SoundEngine
{
public:
    FluidSoundEngine();

    std::unique_ptr<SequencerDevice> MakeSequencer() override;
    bool StartWave(const std::string &fileName) override;
    void StopWave() override;

private:
    FluidSynthEngine synth_;
    WavePlayer wave_;
};
