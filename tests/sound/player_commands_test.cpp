// The music player's exact command strings, buffer sizes and error look-ups,
// seen through a stand-in for the media control calls.

#include "recording_mci.h"

#include "settings/shared_settings.h"
#include "sound/midi_player.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using Sent = RecordingMci::Sent;
using LookedUp = RecordingMci::LookedUp;

constexpr uint32_t kNotOpen = 263;
constexpr uint32_t kFileNotFound = 275;

// Runs each test in a fresh directory, named by the test, as the current one.
class PlayerCommands : public ::testing::Test
{
protected:
    void Enter(const QString &directoryName)
    {
        ASSERT_TRUE(temporary_.isValid());
        directory_ = temporary_.filePath(directoryName);
        ASSERT_TRUE(QDir().mkpath(directory_));
        ASSERT_TRUE(QDir::setCurrent(directory_));
    }
    void SetUp() override
    {
        previous_ = QDir::currentPath();
        Enter(u"music"_s);
        TheRecordingMci() = {};
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    // The open command for a file in the current directory, as bytes.
    std::string OpenCommand(const std::string &directory, const std::string &file) const
    {
        return "open \"" + QFileInfo(temporary_.path()).canonicalFilePath().toStdString() + "/" + directory + "/" + file
            + "\" type sequencer alias Midi";
    }

    QTemporaryDir temporary_;
    QString directory_;
    QString previous_;
};

TEST_F(PlayerCommands, PlayMidiClosesFirstThenOpensTheQuotedPathAndPlays)
{
    PlayMidi(u"ge_open.mid"_s);

    const std::vector<Sent> expected = {
        {"close Midi", 1}, {OpenCommand("music", "ge_open.mid"), 512}, {"play Midi", 512}};
    EXPECT_EQ(TheRecordingMci().sent, expected);
    // Every result is looked up in a 1024-character buffer, success included.
    const std::vector<LookedUp> lookups = {{0, 1024}, {0, 1024}, {0, 1024}};
    EXPECT_EQ(TheRecordingMci().lookedUp, lookups);
}

TEST_F(PlayerCommands, PlaySentAfterAFailedOpenAndEveryErrorLookedUp)
{
    TheRecordingMci().answers = {{"close", kNotOpen, ""}, {"open", kFileNotFound, ""}, {"play", kNotOpen, ""}};

    PlayMidi(u"ge_bg2.mid"_s);

    ASSERT_EQ(TheRecordingMci().sent.size(), 3u);
    EXPECT_EQ(TheRecordingMci().sent[2], (Sent{"play Midi", 512}));
    const std::vector<LookedUp> lookups = {{kNotOpen, 1024}, {kFileNotFound, 1024}, {kNotOpen, 1024}};
    EXPECT_EQ(TheRecordingMci().lookedUp, lookups);
}

struct DirectoryCase
{
    const char *label;
    const char *name; // UTF-8, as the file system has it
};

class PlayerDirectories : public PlayerCommands, public ::testing::WithParamInterface<DirectoryCase>
{
};

TEST_P(PlayerDirectories, OpenCarriesTheCurrentDirectoryAsTheFileSystemHasIt)
{
    Enter(QString::fromUtf8(GetParam().name));

    PlayMidi(u"ge_bg1.mid"_s);

    ASSERT_EQ(TheRecordingMci().sent.size(), 3u);
    EXPECT_EQ(TheRecordingMci().sent[1].command, OpenCommand(GetParam().name, "ge_bg1.mid"));
}

// Characters code page 932 lacks (é, Hangul, emoji) or maps otherwise (〜
// U+301C and − U+2212, as Linux input methods type them) must arrive intact.
INSTANTIATE_TEST_SUITE_P(Names, PlayerDirectories,
                         ::testing::Values(DirectoryCase{"Plain", "plain"}, DirectoryCase{"Spaces", "my  music dir"},
                                           DirectoryCase{"Japanese", "曲 置き場表"},
                                           DirectoryCase{"AccentAndWaveDash", "café 〜"},
                                           DirectoryCase{"MinusHangulEmoji", "a−b 노래 🎵"}),
                         [](const auto &testCase) { return testCase.param.label; });

TEST_F(PlayerCommands, StopMidiSendsCloseWithAOneCharacterBuffer)
{
    TheRecordingMci().answers = {{"close", kNotOpen, ""}};

    StopMidi();

    EXPECT_EQ(TheRecordingMci().sent, (std::vector<Sent>{{"close Midi", 1}}));
    EXPECT_EQ(TheRecordingMci().lookedUp, (std::vector<LookedUp>{{kNotOpen, 1024}}));
}

struct ModeCase
{
    const char *label;
    uint32_t code;
    std::string reply;
    bool playing;
};

class PlayerModes : public PlayerCommands, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(PlayerModes, IsMidiPlayingReadsOnlyTheFirstLetterOfTheMode)
{
    TheRecordingMci().answers = {{"Status", GetParam().code, GetParam().reply}};

    EXPECT_EQ(IsMidiPlaying(), GetParam().playing);

    EXPECT_EQ(TheRecordingMci().sent, (std::vector<Sent>{{"Status Midi mode", 512}}));
    EXPECT_TRUE(TheRecordingMci().lookedUp.empty()) << "the status result is not examined";
}

INSTANTIATE_TEST_SUITE_P(
    Replies, PlayerModes,
    ::testing::Values(ModeCase{"Playing", 0, "playing", true}, ModeCase{"Paused", 0, "paused", true},
                      ModeCase{"UpperCase", 0, "PLAYING", true}, ModeCase{"Stopped", 0, "stopped", false},
                      ModeCase{"NotReady", 0, "not ready", false}, ModeCase{"Seeking", 0, "seeking", false},
                      ModeCase{"EmptyAfterError", kNotOpen, "", false},
                      // A reply the device wrote before failing still counts.
                      ModeCase{"ErrorWithReply", kNotOpen, "playing", true}),
    [](const auto &testCase) { return testCase.param.label; });

TEST_F(PlayerCommands, PlayBgmIfIdleLeavesAPlayingPieceAlone)
{
    bgmFile = u"ge_bg3.mid"_s;
    TheRecordingMci().answers = {{"Status", 0, "playing"}};

    PlayBgmIfIdle();

    EXPECT_EQ(TheRecordingMci().sent, (std::vector<Sent>{{"Status Midi mode", 512}}));
}

TEST_F(PlayerCommands, PlayBgmIfIdleAfterTheEndPlaysTheChosenPiece)
{
    bgmFile = u"ge_bg4.mid"_s;
    TheRecordingMci().answers = {{"Status", 0, "stopped"}};

    PlayBgmIfIdle();

    const std::vector<Sent> expected = {
        {"Status Midi mode", 512}, {"close Midi", 1}, {OpenCommand("music", "ge_bg4.mid"), 512}, {"play Midi", 512}};
    EXPECT_EQ(TheRecordingMci().sent, expected);
}

} // namespace
