#include "app/program_end.h"

#include <QApplication>
#include <QWidget>

namespace {
bool ending = false;
}

void EndProgram()
{
    ending = true;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

bool ProgramEnding()
{
    return ending;
}

void WaitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void WaitWhileVisible(const QWidget &window)
{
    while (window.isVisible() && !ending)
        WaitForEvents();
}
