#pragma once

#include "sound/sequencer_device.h"

#include <memory>
#include <string>

// The sound devices behind the media control and wave calls. They come from
// the sound engine module (FluidSynth and SDL), which the program loads only
// when sound is first asked for.
class SoundEngine
{
public:
    virtual ~SoundEngine() = default;

    // A sequencer playing on the engine's one synthesizer; the engine must
    // outlive it.
    virtual std::unique_ptr<SequencerDevice> MakeSequencer() = 0;
    // Stops any wave sound still playing and starts the file (a local file
    // name) without waiting. False when nothing could be played.
    virtual bool StartWave(const std::string &fileName) = 0;
    virtual void StopWave() = 0;
};

// The module's one entry point, found by this name; the caller owns the engine.
extern "C" SoundEngine *GieichoMakeSoundEngine();
inline constexpr char kMakeSoundEngineSymbol[] = "GieichoMakeSoundEngine";
