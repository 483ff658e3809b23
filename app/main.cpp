#include "app/program_end.h"
#include "app/program_start_up.h"
#include "card/card_typeface.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The windows come and go during start-up; only the program's end quits.
    app.setQuitOnLastWindowClosed(false);
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    RegisterCardTypeface();

    ProgramStartUp startUp;
    Main(startUp);
    return ProgramEnding() ? 0 : app.exec();
}
