#include "sound/snd_play_sound.h"

#include "sound/wave_player.h"

namespace {

WavePlayer &runWavePlayer()
{
    static WavePlayer player;
    return player;
}

} // namespace

bool sndPlaySoundA(const char *fileName, unsigned)
{
    if (!fileName) {
        runWavePlayer().stop();
        return true;
    }
    return runWavePlayer().start(fileName);
}
