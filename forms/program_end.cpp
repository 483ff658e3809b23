#include "forms/program_end.h"

#include <QApplication>
#include <QWidget>

namespace {
bool ending = false;
int exitStatus = 0;
} // namespace

void EndProgram(int status)
{
    ending = true;
    exitStatus = status;
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(status);
}

int ProgramExitStatus()
{
    return exitStatus;
}

bool ProgramEnding()
{
    return ending;
}
