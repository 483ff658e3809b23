#include "sound/fluid_synth_engine.h"

#include "sound/soundfont_search.h"

#include <fluidsynth.h>
#include <glib.h>
#include <malloc.h>

namespace {

// FluidSynth writes its messages to the terminal by default; this program
// keeps quiet and says what matters in its own one line.
void SilenceFluidSynth()
{
    for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
        fluid_set_log_function(level, nullptr, nullptr);
}

} // namespace

FluidSynthEngine::FluidSynthEngine(std::vector<std::string> soundFontCandidates)
    : soundFontCandidates_(std::move(soundFontCandidates))
{
}

FluidSynthEngine::~FluidSynthEngine()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

void FluidSynthEngine::Unload()
{
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
    synth_ = nullptr;
    settings_ = nullptr;
    tried_ = false;
    problem_.clear();
    // The samples and voices were many small blocks: hand the pages back.
    malloc_trim(0);
}

bool FluidSynthEngine::Load()
{
    if (tried_)
        return synth_ != nullptr;
    tried_ = true;
    SilenceFluidSynth();

    const std::string soundFont = FindSoundFont(soundFontCandidates_);
    if (soundFont.empty()) {
        problem_ = "no General MIDI soundfont found in /usr/share/sounds/sf2";
        return false;
    }
    settings_ = new_fluid_settings();
    // Output goes through SDL, like the wave sound, which finds PipeWire,
    // PulseAudio or ALSA by itself. FluidSynth asks SDL for 2048-frame
    // buffers (46 ms) whatever its period setting says.
    fluid_settings_setstr(settings_, "audio.driver", "sdl2");
    fluid_settings_setnum(settings_, "synth.sample-rate", 44100.0);
    // Pinning a large soundfont in memory fails under ordinary limits.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    // Only the few instruments a piece selects are read into memory: the
    // 148 MB FluidR3 soundfont then loads in about 0.2 s, not 0.9 s, and
    // takes about 33 MB, not 158 MB.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    fluid_synth_t *synth = new_fluid_synth(settings_);
    // A file that is no sound font FluidSynth can read goes on to
    // libinstpatch, which complains through GLib straight to the terminal.
    const guint quiet = g_log_set_handler(
        nullptr, static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
        [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {}, nullptr);
    const bool loaded = synth && fluid_synth_sfload(synth, soundFont.c_str(), 1) != FLUID_FAILED;
    g_log_remove_handler(nullptr, quiet);
    if (loaded) {
        synth_ = synth;
        return true;
    }
    if (synth)
        delete_fluid_synth(synth);
    problem_ = "cannot load the soundfont " + soundFont;
    return false;
}
