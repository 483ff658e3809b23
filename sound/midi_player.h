#pragma once

#include <QString>

// The music player: every action is a media control command string sent to
// the one sequencer device, opened under the alias "Midi". The player keeps
// nothing of its own; whether music plays is asked of the device each time.
// No operation reports failure: error codes are looked up as text and dropped.

// Closes the device, then opens the bare file name from the current
// directory and plays it once, returning at once.
void PlayMidi(const QString &fileName);
// Closes the device, which silences the piece at once.
void StopMidi();
// Closes every device: the piece falls silent as with StopMidi, and the
// synthesizer lets its soundfont go until the next piece is opened. For
// when no music is wanted for a while (the music switched off).
void ReleaseMidi();
// True while the device reports a mode that begins with "p".
bool IsMidiPlaying();
// Plays bgmFile unless a piece is playing now.
void PlayBgmIfIdle();
