#include "sound/piece_end.h"

#include <fluidsynth.h>

bool IsPieceStillPlaying(fluid_player_t *player)
{
    if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
        return false;
    // The tracks are read on the player's first tick; until then the piece has
    // no length yet and counts as just begun.
    const int lastTick = fluid_player_get_total_ticks(player);
    return lastTick <= 0 || fluid_player_get_current_tick(player) < lastTick;
}
