#pragma once

#include "sound/sound_engine.h"

#include <QString>

#include <memory>

// Where the run's sound engine comes from: its module file, looked for in the
// folder the program names before its first sound.
void UseSoundModuleFolder(const QString &folder);

// The run's engine, loaded from its module on the first call. None when the
// module is missing or does not load: one warning (gieicho.sound) tells why,
// and the program runs on silent, as without a sound device. Whoever plays on
// the engine keeps it while it plays.
std::shared_ptr<SoundEngine> RunSoundEngine();
