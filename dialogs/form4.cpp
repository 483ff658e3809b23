#include "dialogs/form4.h"

#include "dialogs/column_typeface.h"
#include "dialogs/font_list.h"
#include "dialogs/installed_font_names.h"
#include "dialogs/japanese_font_names.h"
#include "forms/twips.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

using namespace Qt::Literals::StringLiterals;

Form4::Form4(ColumnTypeface &columns, QWidget *parent)
    : ToolDialog(u"戯詠帖／書体選択"_s, 4125, 3405, parent)
    , columns_(columns)
{
    BuildControls();
    Form_Load();
}

void Form4::BuildControls()
{
    List1 = new FontList(this);
    List1->setGeometry(TwipsRect(120, 120, 3855, 3120));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double-click anywhere in the list counts, on its blank part too, so
    // the viewport's events are watched rather than the item signals.
    List1->viewport()->installEventFilter(this);
    connect(List1, &FontList::EntryActivated, this, &Form4::List1_DblClick);
}

// Unlike the settings dialog it does not centre itself: as a dialog it opens
// over the window it belongs to.
void Form4::Form_Load()
{
    List1->clear();
    for (const QString &name : InstalledFontNames())
        if (IsJapaneseFontName(name))
            List1->addItem(name);
}

bool Form4::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != List1->viewport())
        return ToolDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // Only the primary button's double-click applies; it counts anywhere
        // in the list, on its blank part too.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            List1_DblClick();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        // Only the primary button chooses an entry, as in a list box of the
        // desktop; the others leave the choice where it was.
        const Qt::MouseButtons buttons = event->type() == QEvent::MouseMove ? mouse->buttons() : mouse->button();
        if (buttons & ~Qt::MouseButtons(Qt::LeftButton))
            return true;
        // A press on the blank part below the entries would clear the choice.
        return !List1->indexAt(mouse->position().toPoint()).isValid();
    }
    default: return ToolDialog::eventFilter(watched, event);
    }
}

void Form4::List1_DblClick()
{
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    const QString name = selected.isEmpty() ? QString() : selected.first()->text();
    // Nothing chosen yet gives no name; the columns then keep their typeface.
    if (!name.isEmpty())
        columns_.SetColumnFamily(name);
    accept();
}
