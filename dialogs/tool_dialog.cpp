#include "dialogs/tool_dialog.h"

#include "forms/tool_window_type.h"
#include "forms/twips.h"

#include <QKeyEvent>

ToolDialog::ToolDialog(const QString &caption, int widthTwips, int heightTwips, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

void ToolDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ToolDialog::showEvent(QShowEvent *event)
{
    // Before the window is mapped, so the window manager frames it as a tool window.
    MarkAsToolWindow(*this);
    QDialog::showEvent(event);
}
