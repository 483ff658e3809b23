#include "app/data_directory.h"
#include "app/japanese_translation.h"
#include "app/program_end.h"
#include "app/program_start_up.h"
#include "card/card_typeface.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallJapaneseTranslation();
    EnterDataDirectory();
    // The windows come and go during start-up; only the program's end quits.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    // Menus and dialogs read best in a plain Gothic face; without one named,
    // Japanese text would fall back to whatever face comes first, a brush face included.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setFamilies({QStringLiteral("IPAexGothic"), QStringLiteral("IPAexゴシック"),
                               QStringLiteral("Noto Sans CJK JP"), interfaceFont.family()});
    QApplication::setFont(interfaceFont);
    RegisterCardTypeface();

    ProgramStartUp startUp;
    Main(startUp);
    return ProgramEnding() ? ProgramExitStatus() : app.exec();
}
