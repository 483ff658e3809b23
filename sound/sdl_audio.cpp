#include "sound/sdl_audio.h"

#include <SDL2/SDL.h>
#include <alsa/asoundlib.h>

namespace {

// The ALSA library prints its own complaints when there is no sound card;
// a silent run must not, so they are dropped.
void DropAlsaMessage(const char *, int, const char *, int, const char *, ...)
{
}

SdlAudioStart Start()
{
    snd_lib_error_set_handler(DropAlsaMessage);
    // Ctrl+C and termination belong to the window toolkit, not to SDL.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "戯詠帖");
    SdlAudioStart result;
    result.ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!result.ok)
        result.problem = SDL_GetError();
    return result;
}

} // namespace

const SdlAudioStart &StartSdlAudio()
{
    static const SdlAudioStart started = Start();
    return started;
}
