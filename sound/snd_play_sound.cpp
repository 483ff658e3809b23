#include "sound/snd_play_sound.h"

#include "sound/wave_player.h"

namespace {

WavePlayer &RunWavePlayer()
{
    static WavePlayer player;
    return player;
}

} // namespace

bool sndPlaySoundA(const char *fileName, unsigned)
{
    if (!fileName) {
        RunWavePlayer().Stop();
        return true;
    }
    return RunWavePlayer().Start(fileName);
}
