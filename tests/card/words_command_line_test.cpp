// gieicho-words' command line, run as a program: help and the version on
// standard output with status 0, each mistake as one line on standard error
// naming the option and what it takes, with status 2.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

struct WordsOutcome
{
    int exitCode = -1;
    QString out;
    QString errors;
};

WordsOutcome RunWords(const QStringList &arguments)
{
    QProcess tool;
    tool.start(QString::fromUtf8(GIEICHO_WORDS), arguments);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit)
        return {};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()),
            QString::fromUtf8(tool.readAllStandardError())};
}

const QString kData = QString::fromUtf8(GIEICHO_SOURCE_DIR "/data");

struct Mistake
{
    QStringList arguments;
    QString line; // the start of the one line on standard error
};

void PrintTo(const Mistake &mistake, std::ostream *out)
{
    *out << mistake.arguments.join(u' ').toStdString();
}

class WordsMistake : public testing::TestWithParam<Mistake>
{
};

TEST_P(WordsMistake, IsOneLineNamingTheOptionAndStatusTwo)
{
    const Mistake &c = GetParam();
    const WordsOutcome run = RunWords(c.arguments);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.errors.startsWith(c.line)) << run.errors.toStdString();
    EXPECT_TRUE(run.errors.endsWith(u'\n'));
    EXPECT_EQ(run.errors.count(u'\n'), 1) << run.errors.toStdString();
}

const QString kSeasonTakes = u"--season takes 0 to 4 (0 none, 1 spring, 2 summer, 3 autumn, 4 winter)"_s;

INSTANTIATE_TEST_SUITE_P(
    Arguments, WordsMistake,
    testing::Values(
        Mistake{{}, u"gieicho-words: a command is needed: check, poems or card"_s},
        Mistake{{u"rhymes"_s}, u"gieicho-words: unknown command 'rhymes'; the commands are check, poems and card"_s},
        Mistake{{u"--night"_s, u"poems"_s}, u"gieicho-words: unknown option '--night'; the command comes first"_s},
        Mistake{{u"poems"_s, u"--season"_s, u"x"_s, kData}, u"gieicho-words poems: "_s + kSeasonTakes + u", not 'x'"_s},
        Mistake{{u"poems"_s, u"--season"_s, u"9"_s, kData}, u"gieicho-words poems: "_s + kSeasonTakes + u", not '9'"_s},
        Mistake{{u"card"_s, u"--season"_s, u"-1"_s, u"-o"_s, u"x.png"_s, kData},
                u"gieicho-words card: "_s + kSeasonTakes + u", not '-1'"_s},
        Mistake{{u"poems"_s, u"--season"_s}, u"gieicho-words poems: --season needs a value: 0 to 4"_s},
        Mistake{{u"poems"_s, u"--count"_s, u"-1"_s, kData},
                u"gieicho-words poems: --count takes a whole number from 0 up, not '-1'"_s},
        Mistake{{u"poems"_s, u"--count"_s, u"3x"_s, kData},
                u"gieicho-words poems: --count takes a whole number from 0 up, not '3x'"_s},
        Mistake{{u"poems"_s, u"--seed"_s, u"seven"_s, kData},
                u"gieicho-words poems: --seed takes a whole number from 0 up, not 'seven'"_s},
        Mistake{{u"card"_s, u"--scale"_s, u"0"_s, u"-o"_s, u"x.png"_s, kData},
                u"gieicho-words card: --scale takes a number above 0 and up to 8, not '0'"_s},
        Mistake{{u"card"_s, u"--scale"_s, u"8.5"_s, u"-o"_s, u"x.png"_s, kData},
                u"gieicho-words card: --scale takes a number above 0 and up to 8, not '8.5'"_s},
        Mistake{{u"card"_s, u"--scale"_s, u"big"_s, u"-o"_s, u"x.png"_s, kData},
                u"gieicho-words card: --scale takes a number above 0 and up to 8, not 'big'"_s},
        Mistake{{u"card"_s, kData}, u"gieicho-words card: -o FILE.png is needed"_s},
        Mistake{{u"card"_s, kData, u"-o"_s}, u"gieicho-words card: -o needs a value"_s},
        Mistake{
            {u"poems"_s, u"--font"_s, u"IPAexMincho"_s, kData},
            u"gieicho-words poems: unknown option '--font'; poems takes --season, --night, --count, --seed and DIR"_s},
        Mistake{{u"check"_s, u"--night"_s, kData},
                u"gieicho-words check: unknown option '--night'; check takes only DIR"_s},
        Mistake{{u"card"_s, u"--count"_s, u"2"_s, u"-o"_s, u"x.png"_s, kData},
                u"gieicho-words card: unknown option '--count'; card takes --season, --night, --seed, --font, "
                "--scale, -o and DIR"_s},
        Mistake{{u"poems"_s, kData, kData}, u"gieicho-words poems: one folder only"_s}));

TEST(WordsCommandLine, HelpPrintsTheUsageOnStandardOutput)
{
    for (const QStringList &arguments : {QStringList{u"--help"_s}, {u"-h"_s}, {u"card"_s, u"--help"_s}}) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const WordsOutcome run = RunWords(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.errors.isEmpty()) << run.errors.toStdString();
        for (const QString &line :
             {u"usage: gieicho-words check [DIR]\n"_s,
              u"       gieicho-words poems [--season 0-4] [--night] [--count N] [--seed S] [DIR]\n"_s,
              u"       gieicho-words card [--season 0-4] [--night] [--seed S] [--font NAME] [--scale K]"
              " -o FILE.png [DIR]\n"_s,
              u"  --season 0-4"_s, u"  -o FILE.png"_s})
            EXPECT_TRUE(run.out.contains(line)) << run.out.toStdString();
    }
}

TEST(WordsCommandLine, VersionIsTheProjects)
{
    const WordsOutcome run = RunWords({u"--version"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, u"gieicho-words 1.0\n"_s);
    EXPECT_TRUE(run.errors.isEmpty());
}

// Every option in its place still runs, in any order after the command.
TEST(WordsCommandLine, RightArgumentsRun)
{
    const WordsOutcome poems =
        RunWords({u"poems"_s, u"--season"_s, u"1"_s, u"--night"_s, u"--count"_s, u"3"_s, u"--seed"_s, u"7"_s, kData});
    EXPECT_EQ(poems.exitCode, 0) << poems.errors.toStdString();
    EXPECT_EQ(poems.out.count(u'\n'), 3) << poems.out.toStdString();
    EXPECT_EQ(
        RunWords({u"poems"_s, kData, u"--seed"_s, u"7"_s, u"--night"_s, u"--count"_s, u"3"_s, u"--season"_s, u"1"_s})
            .out,
        poems.out);
    EXPECT_EQ(RunWords({u"poems"_s, u"--count"_s, u"0"_s, kData}).out, QString());

    const WordsOutcome check = RunWords({u"check"_s, kData});
    EXPECT_EQ(check.exitCode, 0) << check.errors.toStdString();
    EXPECT_TRUE(check.out.startsWith(u"Word5A: 101 phrases, 100 drawable ("_s)) << check.out.toStdString();

    QTemporaryDir folder;
    const QString picture = folder.filePath(u"card.png"_s);
    const WordsOutcome card = RunWords(
        {u"card"_s, u"--season"_s, u"3"_s, u"--seed"_s, u"7"_s, u"--scale"_s, u"0.5"_s, u"-o"_s, picture, kData});
    EXPECT_EQ(card.exitCode, 0) << card.errors.toStdString();
    EXPECT_TRUE(QFile::exists(picture));
}

} // namespace
