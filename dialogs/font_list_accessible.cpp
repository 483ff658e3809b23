#include "dialogs/font_list_accessible.h"

#include "dialogs/font_list.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

namespace {

// One entry of the list.
class FontEntryAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    FontEntryAccessible(FontList *list, const QModelIndex &index)
        : list_(list)
        , index_(index)
    {
    }

    bool isValid() const override { return list_ && index_.isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return list_ ? list_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(list_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text type) const override
    {
        return isValid() && type == QAccessible::Name ? index_.data().toString() : QString();
    }
    void setText(QAccessible::Text, const QString &) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect place = list_->visualRect(index_);
        return QRect(list_->viewport()->mapToGlobal(place.topLeft()), place.size());
    }

    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.selected = list_->selectionModel()->isSelected(index_);
        state.focusable = true;
        state.focused = list_->hasFocus() && list_->currentIndex() == index_;
        if (!list_->viewport()->rect().intersects(list_->visualRect(index_)))
            state.offscreen = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && isValid())
            list_->ActivateEntry(index_.row());
    }

private:
    QPointer<FontList> list_;
    QPersistentModelIndex index_;
};

QAccessibleInterface *FontListInterface(const QString &className, QObject *object)
{
    if (className != u"FontList"_s)
        return nullptr;
    return new FontListAccessible(static_cast<FontList *>(object));
}

} // namespace

FontListAccessible::FontListAccessible(FontList *list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

FontListAccessible::~FontListAccessible()
{
    for (QAccessible::Id id : std::as_const(entries_))
        QAccessible::deleteAccessibleInterface(id);
}

FontList *FontListAccessible::Owner() const
{
    return static_cast<FontList *>(widget());
}

int FontListAccessible::childCount() const
{
    return Owner()->count();
}

QAccessibleInterface *FontListAccessible::child(int index) const
{
    const QModelIndex entry = Owner()->model()->index(index, 0);
    if (!entry.isValid())
        return nullptr;
    auto known = entries_.constFind(entry);
    if (known != entries_.cend())
        return QAccessible::accessibleInterface(*known);
    QAccessibleInterface *made = new FontEntryAccessible(Owner(), entry);
    entries_.insert(entry, QAccessible::registerAccessibleInterface(made));
    return made;
}

int FontListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto entry = entries_.cbegin(); entry != entries_.cend(); ++entry)
        if (QAccessible::accessibleInterface(entry.value()) == child)
            return entry.key().isValid() ? entry.key().row() : -1;
    return -1;
}

QAccessibleInterface *FontListAccessible::childAt(int x, int y) const
{
    const QPoint inViewport = Owner()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex entry = Owner()->indexAt(inViewport);
    return entry.isValid() ? child(entry.row()) : nullptr;
}

void InstallFontListAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(FontListInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
