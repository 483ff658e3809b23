#pragma once

#include "dialogs/font_list.h"
#include "dialogs/tool_dialog.h"

class ColumnTypeface;

// The typeface dialog "戯詠帖／書体選択": lists the installed fonts with a
// Japanese name, and a double-click in the list gives the chosen typeface to
// the poem columns it was made for, then closes the window. Enter and the
// close button apply nothing.
//
// One object serves one opening and lists the fonts installed at that moment:
// create it with the columns, exec() it, destroy it.
class Form4 : public ToolDialog
{
    Q_OBJECT

public:
    explicit Form4(ColumnTypeface &columns, QWidget *parent = nullptr);

    FontList *List1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void Form_Load();
    void List1_DblClick();

    ColumnTypeface &columns_;
};
