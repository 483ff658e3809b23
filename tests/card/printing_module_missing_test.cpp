// The print command when the printing module is not where the program looks
// for it: a message names the module file, the card stays as it was and the
// program runs on.

#include "card/printing_module.h"
#include "card_fixture.h"
#include "forms/program_end.h"
#include "poem/composer.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

class PrintingModuleMissing : public CardFixture
{
};

TEST_F(PrintingModuleMissing, IsToldNamingTheModuleFileAndTheProgramRunsOn)
{
    QTemporaryDir emptyModules;
    ASSERT_TRUE(emptyModules.isValid());
    UsePrintingModuleFolder(emptyModules.path());
    ScriptPoem(1);
    ComposePoem();
    const QImage before = form->grab().toImage();

    QString told;
    AnswerYesToPrintAndKeepTheMessage(told);
    form->mnusikisi->trigger();

    const QString module = QDir(emptyModules.path()).filePath(u"card_printing.so"_s);
    EXPECT_TRUE(told.contains(u"印刷の部品「"_s + module + u"」を読み込めない"_s)) << told.toStdString();
    EXPECT_EQ(form->grab().toImage(), before);
    EXPECT_FALSE(ProgramEnding());
}

} // namespace
