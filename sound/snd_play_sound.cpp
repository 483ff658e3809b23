#include "sound/snd_play_sound.h"

#include "sound/sound_engine_module.h"

bool sndPlaySoundA(const char *fileName, unsigned)
{
    const std::shared_ptr<SoundEngine> engine = RunSoundEngine();
    if (!fileName) {
        if (engine)
            engine->StopWave();
        return true;
    }
    return engine && engine->StartWave(fileName);
}
