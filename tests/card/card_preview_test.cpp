// gieicho-words card: the phrase author's preview is the card the window shows
// at the end of the reveal, for the same phrase files, settings and seed.
#include "card/card_output.h"
#include "card/card_typeface.h"
#include "card/form1.h"
#include "card/vertical_column.h"
#include "phrase_files.h"
#include "poem/composer.h"
#include "poem/phrase_loader.h"
#include "poem/random.h"
#include "settings/shared_settings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString errors;
};

ToolRun RunTool(const QStringList &arguments)
{
    QProcess tool;
    // Headless by itself: no display and no platform named.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    tool.setProcessEnvironment(environment);
    tool.start(QString::fromUtf8(GIEICHO_WORDS), arguments);
    if (!tool.waitForFinished(60000))
        return {};
    return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

// The shipped phrase files, in a folder whose name needs more than ASCII.
class CardPreviewTool : public testing::Test
{
protected:
    void SetUp() override
    {
        phrases = temporary.filePath(u"語句 é〜"_s);
        ASSERT_TRUE(QDir().mkpath(phrases));
        for (const QString &name : {u"WORD5.TXT"_s, u"WORD7.TXT"_s, u"WORD12.TXT"_s})
            ASSERT_TRUE(QFile::copy(QString::fromUtf8(GIEICHO_SOURCE_DIR "/data/") + name, phrases + u'/' + name));
        RegisterCardTypeface();
    }

    // The card window itself, revealing the poem the same seed composes, its
    // columns in the family given (none: the design typeface).
    QImage WindowCard(int16_t season, bool nightSet, unsigned seed, qreal scale, const QString &family = {})
    {
        EXPECT_FALSE(LoadPhraseFiles(phrases, phraseGroups));
        SetSettingDefaults();
        kigoType = season;
        enkaMode = nightSet;
        bgmOn = false;
        Randomize(seed);
        Form1 form;
        if (!family.isEmpty())
            form.SetColumnFamily(family);
        form.show();
        SetPoemCard(&form);
        ComposePoem();
        SetPoemCard(nullptr);
        EXPECT_FALSE(form.Label5->text().isEmpty()) << "the reveal ran to its end";
        return CardImage(form, scale);
    }

    QTemporaryDir temporary;
    QString phrases;
};

TEST_F(CardPreviewTool, WritesTheCardTheWindowShowsForTheSameSeed)
{
    const struct
    {
        int16_t season;
        bool nightSet;
        unsigned seed;
        qreal scale;
        QString family;
    } cases[] = {{0, false, 11, 1, {}}, {3, true, 2026, 2, {}}, {1, false, 5, 1, u"IPAexゴシック"_s}};
    for (const auto &c : cases) {
        const QString output = temporary.filePath(u"カード é.png"_s);
        QStringList arguments = {u"card"_s,
                                 u"--season"_s,
                                 QString::number(c.season),
                                 u"--seed"_s,
                                 QString::number(c.seed),
                                 u"--scale"_s,
                                 QString::number(c.scale),
                                 u"-o"_s,
                                 output,
                                 phrases};
        if (c.nightSet)
            arguments.insert(1, u"--night"_s);
        if (!c.family.isEmpty()) {
            arguments.insert(1, c.family);
            arguments.insert(1, u"--font"_s);
        }
        const ToolRun run = RunTool(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

        const QImage preview = QImage(output).convertToFormat(QImage::Format_RGB32);
        const QImage window = WindowCard(c.season, c.nightSet, c.seed, c.scale, c.family);
        ASSERT_EQ(preview.size(), window.size());
        int differing = 0;
        for (int y = 0; y < window.height(); ++y)
            for (int x = 0; x < window.width(); ++x)
                differing += preview.pixel(x, y) != window.pixel(x, y);
        EXPECT_EQ(differing, 0) << "seed " << c.seed;
        if (!c.family.isEmpty()) {
            EXPECT_NE(window, WindowCard(c.season, c.nightSet, c.seed, c.scale)) << "the family changes the columns";
        }
    }
}

TEST_F(CardPreviewTool, PhraseFileErrorIsTheLoadersMessageAndExitOne)
{
    PhraseFiles files;
    files.WriteMinimalSet();
    QStringList tooMany;
    for (int i = 0; i < 102; ++i)
        tooMany << u"語句%1"_s.arg(i);
    files.Write(u"WORD5.TXT"_s, tooMany + QStringList{u""_s, u"b"_s, u""_s, u"c"_s, u""_s, u"d"_s});
    const QString output = temporary.filePath(u"card.png"_s);

    const ToolRun run = RunTool({u"card"_s, u"-o"_s, output, files.Path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains(u"WORD5.TXT 102 行目: "_s)) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(CardPreviewTool, WrongArgumentsShowTheUsage)
{
    for (const QStringList &arguments :
         {QStringList{u"card"_s, phrases}, {u"card"_s, u"--scale"_s, u"0"_s, u"-o"_s, u"x.png"_s, phrases}}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(u"gieicho-words card"_s));
    }
}

} // namespace
