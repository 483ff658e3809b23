#pragma once

#include <fluidsynth/types.h>

#include <string>
#include <vector>

// The synthesizer with its General MIDI soundfont. Loading a soundfont takes
// far longer than starting a piece, so it is done on first need and kept
// while music is wanted; every piece plays on this one synth.
class FluidSynthEngine
{
public:
    explicit FluidSynthEngine(std::vector<std::string> soundFontCandidates);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine &) = delete;
    FluidSynthEngine &operator=(const FluidSynthEngine &) = delete;

    // Creates the synth and loads the first soundfont found. Only the first
    // call does the work; its outcome holds until Unload.
    bool Load();
    // Lets the synth and its soundfont go; the next Load starts afresh.
    void Unload();
    // Why Load() failed, for the one diagnostic line.
    const std::string &Problem() const { return problem_; }

    fluid_settings_t *Settings() const { return settings_; }
    fluid_synth_t *Synth() const { return synth_; }

private:
    std::vector<std::string> soundFontCandidates_;
    bool tried_ = false;
    std::string problem_;
    fluid_settings_t *settings_ = nullptr;
    fluid_synth_t *synth_ = nullptr;
};
