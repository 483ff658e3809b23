// The media control command layer over a recording sequencer: parsing, the
// alias book, error codes and texts, and replies cut to the buffer.

#include "recording_sequencer.h"

#include "sound/mci.h"
#include "sound/mci_command_layer.h"
#include "sound/mci_error.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Calls = std::vector<std::string>;

const char *const kOpenMidi = "open \"/music/ge_bg1.mid\" type sequencer alias Midi";

class CommandLayer : public ::testing::Test
{
protected:
    uint32_t Send(const std::string &command)
    {
        char reply[512];
        return layer_.Send(command.c_str(), reply, sizeof reply);
    }

    SequencerScript script_;
    RecordingSequencer device_{script_};
    MciCommandLayer layer_{device_};
};

struct CommandCase
{
    const char *label;
    std::vector<std::string> before; // sent first, each must succeed
    std::string command;
    uint32_t code;
    Calls deviceCalls; // what the command itself asks of the device
};

class Commands : public CommandLayer, public ::testing::WithParamInterface<CommandCase>
{
};

TEST_P(Commands, GiveTheirCodeAndReachTheDeviceOnlyWhenValid)
{
    const CommandCase &c = GetParam();
    for (const std::string &command : c.before)
        ASSERT_EQ(Send(command), MCI_OK) << command;
    script_.calls.clear();

    EXPECT_EQ(Send(c.command), c.code);
    EXPECT_EQ(script_.calls, c.deviceCalls);
    // Every code the layer gives has its text.
    char text[1024];
    EXPECT_TRUE(mciGetErrorStringA(c.code, text, sizeof text)) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Commands,
    ::testing::Values(
        CommandCase{"OpenQuotedPathWithSpaces",
                    {},
                    "open \"/my music/a b.mid\" type sequencer alias Midi",
                    0,
                    {"open /my music/a b.mid"}},
        CommandCase{"OpenWordsInAnyCase", {}, "OPEN \"/m/x.mid\" Type SEQUENCER Alias midi", 0, {"open /m/x.mid"}},
        CommandCase{"OpenBarePath", {}, "open /m/x.mid type sequencer alias Midi", 0, {"open /m/x.mid"}},
        CommandCase{"OpenFlagsInEitherOrder", {}, "open /m/x.mid alias Midi type sequencer", 0, {"open /m/x.mid"}},
        CommandCase{"OpenTypeFromExtension", {}, "open \"/m/x.MID\" alias Midi", 0, {"open /m/x.MID"}},
        // Names reach the device as the file system's bytes, whatever they hold.
        CommandCase{"OpenPathAsItsBytes",
                    {},
                    "open \"/m/café 〜/表曲.mid\" type sequencer alias Midi",
                    0,
                    {"open /m/café 〜/表曲.mid"}},
        CommandCase{"OpenUnknownExtension", {}, "open \"/m/x.wav\" alias Midi", MCIERR_EXTENSION_NOT_FOUND, {}},
        CommandCase{
            "OpenOtherDeviceType", {}, "open \"/m/x.mid\" type waveaudio alias Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"OpenWithoutFile", {}, "open", MCIERR_MISSING_PARAMETER, {}},
        CommandCase{
            "OpenAliasWithoutName", {}, "open \"/m/x.mid\" type sequencer alias", MCIERR_MISSING_STRING_ARGUMENT, {}},
        CommandCase{"OpenUnknownFlag",
                    {},
                    "open \"/m/x.mid\" type sequencer shareable alias Midi",
                    MCIERR_UNRECOGNIZED_KEYWORD,
                    {}},
        CommandCase{"OpenFlagTwice", {}, "open \"/m/x.mid\" type sequencer type sequencer", MCIERR_DUPLICATE_FLAGS, {}},
        CommandCase{"OpenNoClosingQuote", {}, "open \"/m/x.mid type sequencer alias Midi", MCIERR_NO_CLOSING_QUOTE, {}},
        // A file name with a double quote of its own ends the quoted path early.
        CommandCase{
            "PathWithQuoteInside", {}, "open \"/m/a\"b.mid\" type sequencer alias Midi", MCIERR_EXTRA_CHARACTERS, {}},
        CommandCase{"PathWithQuoteBeforeBlank",
                    {},
                    "open \"/m/a\" b.mid\" type sequencer alias Midi",
                    MCIERR_EXTRA_CHARACTERS,
                    {}},
        CommandCase{"PathEndingInQuote", {}, "open \"/m/a\"\" type sequencer alias Midi", MCIERR_EXTRA_CHARACTERS, {}},
        CommandCase{"PathSmugglingFlags",
                    {},
                    "open \"/m/x\" type sequencer alias Other \"y.mid\" type sequencer alias Midi",
                    MCIERR_UNRECOGNIZED_KEYWORD,
                    {}},
        CommandCase{"OpenAliasTaken", {kOpenMidi}, kOpenMidi, MCIERR_DUPLICATE_ALIAS, {}},
        CommandCase{"OpenWhileSequencerBusy",
                    {kOpenMidi},
                    "open \"/m/y.mid\" type sequencer alias Other",
                    MCIERR_SEQ_PORT_INUSE,
                    {}},
        CommandCase{"OpenAfterClose", {kOpenMidi, "close Midi"}, kOpenMidi, 0, {"open /music/ge_bg1.mid"}},
        CommandCase{"PlayOpenAlias", {kOpenMidi}, "play Midi", 0, {"play"}},
        CommandCase{"PlayAliasInOtherCase", {kOpenMidi}, "PLAY midi", 0, {"play"}},
        CommandCase{"PlayNotOpen", {}, "play Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"PlayOtherAlias", {kOpenMidi}, "play Music", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"PlayWithFlag", {kOpenMidi}, "play Midi wait", MCIERR_UNRECOGNIZED_KEYWORD, {}},
        CommandCase{"PlayWithoutAlias", {kOpenMidi}, "play", MCIERR_MISSING_PARAMETER, {}},
        CommandCase{"PlayByFileNameWhenNoAlias", {"open /m/x.mid type sequencer"}, "play /m/x.mid", 0, {"play"}},
        CommandCase{"PlayAfterClose", {kOpenMidi, "close Midi"}, "play Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"CloseOpenAlias", {kOpenMidi}, "close Midi", 0, {"close"}},
        CommandCase{"CloseNotOpen", {}, "close Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"CloseTwice", {kOpenMidi, "close Midi"}, "close Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"CloseAll", {kOpenMidi}, "close all", 0, {"close"}},
        CommandCase{"CloseAllNothingOpen", {}, "close all", 0, {}},
        CommandCase{"PlayAfterCloseAll", {kOpenMidi, "close all"}, "play Midi", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"OpenAfterCloseAll", {kOpenMidi, "close all"}, kOpenMidi, 0, {"open /music/ge_bg1.mid"}},
        CommandCase{"StatusMode", {kOpenMidi}, "Status Midi mode", 0, {"mode"}},
        CommandCase{"StatusInOtherCase", {kOpenMidi}, "STATUS MIDI MODE", 0, {"mode"}},
        CommandCase{"StatusNotOpen", {}, "Status Midi mode", MCIERR_INVALID_DEVICE_NAME, {}},
        CommandCase{"StatusOtherItem", {kOpenMidi}, "status Midi length", MCIERR_UNRECOGNIZED_KEYWORD, {}},
        CommandCase{"StatusWithoutItem", {kOpenMidi}, "status Midi", MCIERR_MISSING_PARAMETER, {}},
        CommandCase{"Empty", {}, "", MCIERR_MISSING_COMMAND_STRING, {}},
        CommandCase{"OnlyBlanks", {}, " \t ", MCIERR_MISSING_COMMAND_STRING, {}},
        CommandCase{"UnknownCommand", {kOpenMidi}, "pause Midi", MCIERR_UNRECOGNIZED_COMMAND, {}},
        CommandCase{"QuotedCommandWord", {kOpenMidi}, "\"play\" Midi", MCIERR_UNRECOGNIZED_COMMAND, {}}),
    [](const auto &testCase) { return testCase.param.label; });

TEST_F(CommandLayer, DeviceFailuresPassThroughAndAFailedOpenTakesNoAlias)
{
    script_.openResult = MCIERR_FILE_NOT_FOUND;
    EXPECT_EQ(Send(kOpenMidi), MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(Send("play Midi"), MCIERR_INVALID_DEVICE_NAME);

    script_.openResult = MCI_OK;
    script_.playResult = MCIERR_SEQ_NOMIDIPRESENT;
    EXPECT_EQ(Send(kOpenMidi), MCI_OK);
    EXPECT_EQ(Send("play Midi"), MCIERR_SEQ_NOMIDIPRESENT);
    EXPECT_EQ(script_.calls, (Calls{"open /music/ge_bg1.mid", "open /music/ge_bg1.mid", "play"}));
}

struct ModeCase
{
    SequencerMode mode;
    const char *word;
};

class ModeWords : public CommandLayer, public ::testing::WithParamInterface<ModeCase>
{
};

TEST_P(ModeWords, StatusRepliesWithTheModeWord)
{
    ASSERT_EQ(Send(kOpenMidi), MCI_OK);
    script_.mode = GetParam().mode;
    char reply[512];
    EXPECT_EQ(layer_.Send("Status Midi mode", reply, sizeof reply), MCI_OK);
    EXPECT_STREQ(reply, GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeWords,
                         ::testing::Values(ModeCase{SequencerMode::Playing, "playing"},
                                           ModeCase{SequencerMode::Stopped, "stopped"},
                                           ModeCase{SequencerMode::NotReady, "not ready"}));

struct CutCase
{
    unsigned length;
    const char *reply;
    uint32_t code;
};

class ReplyCuts : public CommandLayer, public ::testing::WithParamInterface<CutCase>
{
};

TEST_P(ReplyCuts, ReplyIsCutToTheBufferWithItsNullAndNothingWrittenBeyond)
{
    ASSERT_EQ(Send(kOpenMidi), MCI_OK);
    script_.mode = SequencerMode::Playing;
    char buffer[600];
    std::memset(buffer, 'x', sizeof buffer);

    EXPECT_EQ(layer_.Send("Status Midi mode", buffer, GetParam().length), GetParam().code);

    EXPECT_STREQ(buffer, GetParam().reply);
    for (unsigned i = GetParam().length; i < sizeof buffer; ++i)
        ASSERT_EQ(buffer[i], 'x') << "written beyond the buffer at " << i;
}

INSTANTIATE_TEST_SUITE_P(Lengths, ReplyCuts,
                         ::testing::Values(CutCase{1, "", MCIERR_PARAM_OVERFLOW},
                                           CutCase{5, "play", MCIERR_PARAM_OVERFLOW},
                                           CutCase{7, "playin", MCIERR_PARAM_OVERFLOW}, CutCase{8, "playing", MCI_OK},
                                           CutCase{512, "playing", MCI_OK}));

TEST_F(CommandLayer, FailedOrReplylessCommandsLeaveAnEmptyReply)
{
    char reply[512];
    std::strcpy(reply, "old");
    EXPECT_EQ(layer_.Send("Status Midi mode", reply, sizeof reply), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_STREQ(reply, "");

    ASSERT_EQ(Send(kOpenMidi), MCI_OK);
    char one[1] = {'x'};
    EXPECT_EQ(layer_.Send("close Midi", one, 1), MCI_OK);
    EXPECT_EQ(one[0], '\0');
}

TEST_F(CommandLayer, NullCommandOrReplyBufferIsHandled)
{
    EXPECT_EQ(layer_.Send(nullptr, nullptr, 0), MCIERR_MISSING_COMMAND_STRING);
    ASSERT_EQ(layer_.Send(kOpenMidi, nullptr, 0), MCI_OK);
    EXPECT_EQ(layer_.Send("Status Midi mode", nullptr, 0), MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(layer_.Send("play Midi", nullptr, 0), MCI_OK);
}

struct TextCase
{
    uint32_t code;
    unsigned length;
    bool known;
    std::string text;
};

class ErrorTexts : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(ErrorTexts, LookUpIsCutToTheBufferWithItsNull)
{
    char buffer[1100];
    std::memset(buffer, 'x', sizeof buffer);

    EXPECT_EQ(mciGetErrorStringA(GetParam().code, buffer, GetParam().length), GetParam().known);

    EXPECT_EQ(std::string(buffer), GetParam().text);
    for (unsigned i = GetParam().length; i < sizeof buffer; ++i)
        ASSERT_EQ(buffer[i], 'x') << "written beyond the buffer at " << i;
}

const std::string kFileNotFoundText = "Cannot find the specified file. Make sure the path and filename are correct.";

INSTANTIATE_TEST_SUITE_P(Lookups, ErrorTexts,
                         ::testing::Values(TextCase{MCIERR_FILE_NOT_FOUND, 1024, true, kFileNotFoundText},
                                           TextCase{MCIERR_FILE_NOT_FOUND, 11, true, kFileNotFoundText.substr(0, 10)},
                                           TextCase{MCIERR_FILE_NOT_FOUND, 1, true, ""},
                                           TextCase{MCIERR_INVALID_DEVICE_NAME, 1024, true,
                                                    "The specified device is not open or is not recognized by MCI."},
                                           TextCase{MCI_OK, 1024, true, "The specified command was carried out."},
                                           TextCase{9999, 1024, false, ""}));

TEST(ErrorTextBuffer, NoRoomMeansNothingWritten)
{
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, buffer, 0));
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_FALSE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, nullptr, 10));
}

} // namespace
