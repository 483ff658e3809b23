#include "app/program_start_up.h"
#include "forms/program_end.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The windows come and go during start-up; only the program's end quits.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(u":/icon.png"_s));
    // Docks and window lists find the menu entry, and with it name and icon, by this.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(GIEICHO_APP_ID));

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
