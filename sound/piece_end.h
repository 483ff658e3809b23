#pragma once

#include <fluidsynth/types.h>

// Whether the player is still inside its piece. FluidSynth's own status says
// "playing" for seconds after the last event, while the last notes ring out;
// a sequencer says "stopped" as soon as the last event has passed.
bool IsPieceStillPlaying(fluid_player_t *player);
