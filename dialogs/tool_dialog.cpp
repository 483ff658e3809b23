#include "dialogs/tool_dialog.h"

#include "app/twips.h"

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
