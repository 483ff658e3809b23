#pragma once

#include <QDialog>

class QKeyEvent;

// A fixed-size tool window with a caption and a close button but no cancel
// button: the settings and typeface dialogs. Escape does not close it, as
// there is no button it could stand for.
class ToolDialog : public QDialog
{
    Q_OBJECT

public:
    ToolDialog(const QString &caption, int widthTwips, int heightTwips, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
};
