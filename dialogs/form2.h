#pragma once

#include "dialogs/tool_dialog.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The settings dialog "戯詠帖／歌種指定": the season word, the poem set and the
// poet name. It copies the shared settings into its controls when it is
// created and writes them back only when "よろし" is pressed; closing it any
// other way keeps them as they were.
//
// One object serves one opening, so each opening starts from the layout
// again: create it, then either show() it and wait while it is visible, or
// exec() it; destroy it afterwards.
class Form2 : public ToolDialog
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    // The controls, by index where they form an option array.
    QGroupBox *Frame1 = nullptr;
    QRadioButton *kigo[5] = {};
    QGroupBox *Frame2 = nullptr;
    QRadioButton *ENKA[2] = {};
    QGroupBox *Frame3 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;

private Q_SLOTS:
    void Command1_Click();

private:
    void BuildControls();
    void Form_Load();
};
