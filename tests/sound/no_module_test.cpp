// Without the sound engine module where the program looks for it, music and
// wave sound stay silent and return at once, as without a sound device, and
// one line on stderr, through the gieicho.sound logging category, names the
// module file.

#include "midi_fixture.h"
#include "wave_fixture.h"
#include "write_file.h"

#include "sound/midi_player.h"
#include "sound/snd_play_sound.h"
#include "sound/sound_engine_module.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(NoSoundModule, MusicAndWaveStaySilentWithOneLineNamingTheModule)
{
    QTemporaryDir emptyModules;
    QTemporaryDir data;
    ASSERT_TRUE(emptyModules.isValid() && data.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(data.path()));
    WriteFile("ge_open.mid", MidiMelody(4, 200));
    WriteFile("tobibrnd.wav", WaveTone(0.2));
    UseSoundModuleFolder(emptyModules.path());

    testing::internal::CaptureStderr();
    PlayMidi(u"ge_open.mid"_s);
    const bool playing = IsMidiPlaying();
    PlayBgmIfIdle();
    StopMidi();
    ReleaseMidi();
    const bool chimed = sndPlaySoundA("tobibrnd.wav", SND_ASYNC);
    const bool stopped = sndPlaySoundA(nullptr, 0);
    const std::string said = testing::internal::GetCapturedStderr();
    QDir::setCurrent(previous);

    EXPECT_FALSE(playing);
    EXPECT_FALSE(chimed);
    EXPECT_TRUE(stopped);
    const QStringList lines = QString::fromStdString(said).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << said;
    EXPECT_TRUE(lines[0].startsWith(u"gieicho.sound: "_s)) << said;
    EXPECT_TRUE(lines[0].contains(QDir(emptyModules.path()).filePath(u"sound_engine.so"_s))) << said;
}

} // namespace
