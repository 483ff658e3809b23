#include "app/data_directory.h"
#include "phrase_files.h"
#include "poem/phrase_loader.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::Literals::StringLiterals;

namespace {

// The installed data folder the cases give lies in the build tree; each case
// lays it out, or leaves it missing, as it needs.
const QString installed = QString::fromUtf8(INSTALLED_DATA_DIR);

struct Start
{
    const char *name;
    bool phrasesInStartFolder;
    bool installedFolderExists;
    bool installedFolderHasPhrases;
    bool readsStartFolder; // otherwise the installed folder
    bool loads;
};

void PrintTo(const Start &start, std::ostream *out)
{
    *out << start.name;
}

class DataDirectory : public testing::TestWithParam<Start>
{
protected:
    void SetUp() override
    {
        previous = QDir::currentPath();
        QDir(installed).removeRecursively();
        source.WriteMinimalSet();
    }
    void TearDown() override
    {
        QDir::setCurrent(previous);
        QDir(installed).removeRecursively();
    }

    static void CopyPhrases(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QString &name : {u"WORD5.TXT"_s, u"WORD7.TXT"_s, u"WORD12.TXT"_s})
            ASSERT_TRUE(QFile::copy(from + u'/' + name, to + u'/' + name));
    }

    QString previous;
    PhraseFiles source;
    PhraseFiles start;
};

TEST_P(DataDirectory, ReadsTheStartFolderOnlyWhenItHoldsThePhrases)
{
    const Start c = GetParam();
    if (c.phrasesInStartFolder)
        start.WriteMinimalSet();
    if (c.installedFolderExists)
        QDir().mkpath(installed);
    if (c.installedFolderHasPhrases)
        CopyPhrases(source.Path(), installed);
    ASSERT_TRUE(QDir::setCurrent(start.Path()));

    const QString folder = EnterDataDirectory(installed);
    const QString expected = c.readsStartFolder ? QDir(start.Path()).canonicalPath() : installed;
    EXPECT_EQ(folder, expected);
    if (c.installedFolderExists) {
        EXPECT_EQ(QDir::currentPath(), QDir(expected).canonicalPath());
    }

    PhraseGroups unused;
    const auto error = LoadPhraseFiles(folder, unused);
    EXPECT_EQ(!error, c.loads);
    if (error) {
        EXPECT_TRUE(error->Message().contains(QDir::toNativeSeparators(installed))) << error->Message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, DataDirectory,
                         testing::Values(Start{"OwnPhrases", true, true, true, true, true},
                                         Start{"OwnPhrasesNothingInstalled", true, false, false, true, true},
                                         Start{"Installed", false, true, true, false, true},
                                         Start{"InstalledFolderEmpty", false, true, false, false, false},
                                         Start{"InstalledFolderMissing", false, false, false, false, false}),
                         [](const testing::TestParamInfo<Start> &testCase) {
                             return std::string(testCase.param.name);
                         });

} // namespace
