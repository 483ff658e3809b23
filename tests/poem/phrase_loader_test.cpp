#include "phrase_files.h"
#include "poem/phrase_loader.h"
#include "settings/shared_settings.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList Numbered(const QString &prefix, int count)
{
    QStringList phrases;
    for (int i = 0; i < count; ++i)
        phrases << prefix + QString::number(i);
    return phrases;
}

class PhraseLoader : public testing::Test
{
protected:
    void SetUp() override { files.WriteMinimalSet(); }

    std::optional<LoadError> Load() { return LoadPhraseFiles(files.Path(), groups); }

    PhraseFiles files;
    PhraseGroups groups;
};

TEST_F(PhraseLoader, FillsTheNineGroupsInFileOrder)
{
    ASSERT_FALSE(Load());
    EXPECT_EQ(PhrasesOf(groups.Word5A), (QStringList{u"5A0"_s, u"5A1"_s}));
    EXPECT_EQ(PhrasesOf(groups.Word5D), (QStringList{u"5D0"_s, u"5D1"_s}));
    EXPECT_EQ(PhrasesOf(groups.Word7B), (QStringList{u"7B0"_s, u"7B1"_s}));
    EXPECT_EQ(PhrasesOf(groups.Word7D), (QStringList{u"7D0"_s, u"7D1"_s}));
    EXPECT_EQ(PhrasesOf(groups.Word12), (QStringList{u"12-0"_s, u"12-1"_s}));
    EXPECT_EQ(groups.Word5A.phrases[2], QString()) << "slots no phrase reaches stay empty";
}

TEST_F(PhraseLoader, TwoEmptyLinesMakeAnEmptyGroup)
{
    files.Write(u"WORD5.TXT"_s, {u"a0"_s, u"a1"_s, u""_s, u""_s, u"c0"_s, u""_s, u"d0"_s, u"d1"_s, u"d2"_s});
    ASSERT_FALSE(Load());
    EXPECT_EQ(groups.Word5A.last, 1);
    EXPECT_EQ(groups.Word5B.last, -1);
    EXPECT_EQ(PhrasesOf(groups.Word5C), QStringList{u"c0"_s});
    EXPECT_EQ(groups.Word5C.last, 0);
    EXPECT_EQ(PhrasesOf(groups.Word5D), (QStringList{u"d0"_s, u"d1"_s, u"d2"_s}));
}

TEST_F(PhraseLoader, LastGroupEndsAtAnEmptyLineOrTheEndOfTheFile)
{
    const QStringList group = {u"一"_s, u"二"_s};
    for (const QStringList &lines :
         {group, group + QStringList{u""_s}, group + QStringList{u""_s, u"無視"_s, u""_s, u"x"_s}}) {
        files.Write(u"WORD12.TXT"_s, lines);
        ASSERT_FALSE(Load());
        EXPECT_EQ(PhrasesOf(groups.Word12), group);
    }
    files.WriteBytes(u"WORD12.TXT"_s, QStringEncoder("CP932")(u"一\r\n二"_s)); // no final line end
    ASSERT_FALSE(Load());
    EXPECT_EQ(PhrasesOf(groups.Word12), group);
}

TEST_F(PhraseLoader, KeepsTagsMarkersAndCommaSeparatedPhrases)
{
    files.Write(u"WORD12.TXT"_s, {u"零"_s, u"恋の夜の@長きこと;e"_s, u"春,夏;n"_s});
    ASSERT_FALSE(Load());
    EXPECT_EQ(PhrasesOf(groups.Word12), (QStringList{u"零"_s, u"恋の夜の@長きこと;e"_s, u"春"_s, u"夏;n"_s}));
    EXPECT_EQ(groups.Word12.tags[1], Tag::Amorous);
    EXPECT_EQ(groups.Word12.tags[2], Tag::None);
    EXPECT_EQ(groups.Word12.tags[3], Tag::Summer);
}

TEST_F(PhraseLoader, DecodesCodePage932AsWindowsDoes)
{
    // Windows reads 0x8160 as U+FF5E (not the JIS wave dash), 0x817C as U+FF0D (not U+2212),
    // 0x8740 an NEC circled digit, 0xED40 an NEC-selected IBM kanji.
    files.WriteBytes(u"WORD12.TXT"_s, QByteArray("x\r\n\x81\x60\x81\x7c\x87\x40\xed\x40\r\n"));
    ASSERT_FALSE(Load());
    EXPECT_EQ(groups.Word12.phrases[1], u"\uFF5E\uFF0D①纊"_s);
}

TEST_F(PhraseLoader, AcceptsFilesWithLfLineEnds)
{
    files.WriteBytes(u"WORD7.TXT"_s, QByteArray("a\nb\n\nc\n\nd\n\ne\nf\n"));
    ASSERT_FALSE(Load());
    EXPECT_EQ(PhrasesOf(groups.Word7A), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_EQ(PhrasesOf(groups.Word7D), (QStringList{u"e"_s, u"f"_s}));
}

TEST_F(PhraseLoader, TakesExactly101PhrasesPerGroup)
{
    files.Write(u"WORD12.TXT"_s, Numbered(u"p"_s, 101));
    ASSERT_FALSE(Load());
    EXPECT_EQ(groups.Word12.last, 100);
    EXPECT_EQ(groups.Word12.phrases[100], u"p100"_s);

    files.Write(u"WORD5.TXT"_s, Numbered(u"p"_s, 102) + QStringList{u""_s, u"b"_s, u""_s, u"c"_s, u""_s, u"d"_s});
    const auto error = Load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fileName, u"WORD5.TXT"_s);
    EXPECT_EQ(error->line, 102);
    EXPECT_TRUE(error->problem.contains(u"101"_s));
}

struct BrokenFile
{
    const char *name;
    const char *fileName;
    QByteArray bytes;
    int line;
    const char16_t *problemPart;
};

class PhraseLoaderErrors : public testing::TestWithParam<BrokenFile>
{
};

TEST_P(PhraseLoaderErrors, NameFileLineAndProblem)
{
    PhraseFiles files;
    files.WriteMinimalSet();
    const BrokenFile &broken = GetParam();
    files.WriteBytes(QString::fromLatin1(broken.fileName), broken.bytes);
    PhraseGroups groups;
    groups.Word5A.phrases[0] = u"前の語句"_s;
    groups.Word5A.last = 0;

    const auto error = LoadPhraseFiles(files.Path(), groups);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fileName, QString::fromLatin1(broken.fileName));
    EXPECT_EQ(error->line, broken.line);
    EXPECT_TRUE(error->problem.contains(QString::fromUtf16(broken.problemPart))) << error->Message().toStdString();
    EXPECT_TRUE(error->Message().startsWith(QString::fromLatin1(broken.fileName)));
    EXPECT_EQ(groups.Word5A.phrases[0], u"前の語句"_s) << "a failed load leaves the groups alone";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhraseLoaderErrors,
    testing::Values(
        // A file that ends too soon is reported at its last line, with or without a final line end.
        BrokenFile{"EndsInsideThirdGroup", "WORD5.TXT", "a\r\n\r\nb\r\n\r\nc\r\n", 5, u"第3グループの途中"},
        BrokenFile{"EndsInsideThirdGroupWithoutLineEnd", "WORD5.TXT", "a\r\n\r\nb\r\n\r\nc", 5, u"第3グループの途中"},
        BrokenFile{"EndsAfterThirdGroupsEmptyLine", "WORD7.TXT", "a\r\n\r\nb\r\n\r\nc\r\n\r\n", 6,
                   u"第4グループが始まる前"},
        BrokenFile{"EmptyTwelveMoraFileHasNoLine", "WORD12.TXT", "", 0, u"第1グループが始まる前"},
        BrokenFile{"InvalidShiftJisByte", "WORD7.TXT", "a\r\nb\r\n\x85\x40\r\n", 3, u"Shift-JIS"},
        BrokenFile{"LoneLeadByteAtEnd", "WORD12.TXT", "a\r\nb\x81", 2, u"Shift-JIS"}),
    [](const testing::TestParamInfo<BrokenFile> &testCase) { return std::string(testCase.param.name); });

TEST_F(PhraseLoader, BytesAfterTheLastGroupAreNeverRead)
{
    files.WriteBytes(u"WORD7.TXT"_s, QByteArray("a\r\n\r\nb\r\n\r\nc\r\n\r\nd0\r\nd1\r\n\r\n\xff\xfe\x81\r\n"));
    ASSERT_FALSE(Load());
    EXPECT_EQ(PhrasesOf(groups.Word7D), (QStringList{u"d0"_s, u"d1"_s}));
}

TEST_F(PhraseLoader, ReportsTheFirstFaultInReadingOrder)
{
    files.Write(u"WORD5.TXT"_s, Numbered(u"p"_s, 102) + QStringList{u""_s, u"b"_s, u""_s, u"c"_s, u""_s, u"d"_s});
    QFile::remove(files.Path() + u"/WORD12.TXT"_s);
    const auto error = Load();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fileName, u"WORD5.TXT"_s) << "WORD12.TXT is opened only once WORD5.TXT and WORD7.TXT have loaded";
    EXPECT_EQ(error->line, 102);
}

TEST(PhraseLoaderMissingFile, NamesTheFileAndFolder)
{
    PhraseFiles files;
    files.WriteMinimalSet();
    QFile::remove(files.Path() + u"/WORD7.TXT"_s);
    PhraseGroups groups;
    const auto error = LoadPhraseFiles(files.Path(), groups);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->fileName, u"WORD7.TXT"_s);
    EXPECT_EQ(error->line, 0);
    EXPECT_TRUE(error->Message().contains(files.Path()));
}

TEST(LoadWords, ReadsTheCurrentDirectoryAndSetsTheDefaults)
{
    PhraseFiles files;
    files.WriteMinimalSet();
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(files.Path()));
    kigoType = 3;
    enkaMode = true;
    kajinName = u"別人"_s;
    const auto error = LoadWords();
    QDir::setCurrent(previous);

    ASSERT_FALSE(error);
    EXPECT_EQ(phraseGroups.Word12.phrases[1], u"12-1"_s);
    EXPECT_EQ(kigoType, 0);
    EXPECT_FALSE(enkaMode);
    EXPECT_EQ(kajinName, u"歌野　詠"_s);
}

} // namespace
