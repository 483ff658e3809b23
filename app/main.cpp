#include "app/program_start_up.h"
#include "card/card_typeface.h"
#include "forms/japanese_translation.h"
#include "forms/program_end.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    InstallJapaneseTranslation();
    // The windows come and go during start-up; only the program's end quits.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(u":/icon.png"_s));
    // Docks and window lists find the menu entry, and with it name and icon, by this.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(GIEICHO_APP_ID));
    // Menus and dialogs read best in a plain Gothic face; without one named,
    // Japanese text would fall back to whatever face comes first, a brush face included.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setFamilies({u"IPAexGothic"_s, u"IPAexゴシック"_s, u"Noto Sans CJK JP"_s, interfaceFont.family()});
    QApplication::setFont(interfaceFont);
    RegisterCardTypeface();

    ProgramStartUp startUp;
    Main(startUp);
    const int status = ProgramEnding() ? ProgramExitStatus() : app.exec();
    // Qt 6.4's Wayland client can hang while it takes its display down. The
    // music is stopped and nothing is handed over at exit under Wayland (the
    // clipboard goes with the program), so the process ends here.
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
