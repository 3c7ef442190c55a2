#include "tilgaengelighed.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolButton>

namespace {

// A caption as a screen reader should say it: without the mnemonic's "&".
QString talt(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text.trimmed();
}

QString hint(const QWidget& w) {
    if (const auto* button = qobject_cast<const QToolButton*>(&w))
        if (const QAction* action = button->defaultAction())
            return talt(action->statusTip().isEmpty() ? action->toolTip() : action->statusTip());
    return talt(w.statusTip().isEmpty() ? w.toolTip() : w.statusTip());
}

// The layout that holds the widget directly, searched from the layout of its parent.
QLayout* holder(QLayout* layout, const QWidget* w) {
    if (!layout)
        return nullptr;
    if (layout->indexOf(const_cast<QWidget*>(w)) >= 0)
        return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* found = holder(layout->itemAt(i)->layout(), w))
            return found;
    return nullptr;
}

QWidget* firstWidget(QLayoutItem* item) {
    if (!item)
        return nullptr;
    if (item->widget())
        return item->widget();
    if (QLayout* inner = item->layout())
        for (int i = 0; i < inner->count(); ++i)
            if (QWidget* w = firstWidget(inner->itemAt(i)))
                return w;
    return nullptr;
}

// The control a label without a buddy stands before: the next one in its row, or in a grid
// the one to its right, else the one below it.
QWidget* naboTil(const QLabel& label) {
    QLayout* layout =
        label.parentWidget() ? holder(label.parentWidget()->layout(), &label) : nullptr;
    if (!layout)
        return nullptr;
    const int index = layout->indexOf(const_cast<QLabel*>(&label));
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        if (QWidget* right = firstWidget(grid->itemAtPosition(row, column + columns)))
            return right;
        return firstWidget(grid->itemAtPosition(row + rows, column));
    }
    return firstWidget(layout->itemAt(index + 1));
}

QString navnAf(const QWidget& w, const QHash<const QWidget*, QString>& labels) {
    // The text box of an editable list box, and the part a control hands its focus to, are
    // named as the control.
    if (const QWidget* owner = w.parentWidget()) {
        const auto* box = qobject_cast<const QComboBox*>(owner);
        if (owner->focusProxy() == &w || (box && box->lineEdit() == &w))
            return owner->accessibleName().isEmpty() ? navnAf(*owner, labels)
                                                     : owner->accessibleName();
    }
    if (const auto* button = qobject_cast<const QToolButton*>(&w))
        if (const QAction* action = button->defaultAction();
            action && !talt(action->text()).isEmpty())
            return talt(action->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w))
        if (!talt(button->text()).isEmpty())
            return talt(button->text());
    if (const QString label = labels.value(&w); !label.isEmpty())
        return label;
    if (const auto* edit = qobject_cast<const QLineEdit*>(&w))
        if (!edit->placeholderText().isEmpty())
            return edit->placeholderText();
    if (const auto* box = qobject_cast<const QComboBox*>(&w))
        if (box->isEditable() && !box->lineEdit()->placeholderText().isEmpty())
            return box->lineEdit()->placeholderText();
    if (const QString tip = talt(w.toolTip()); !tip.isEmpty())
        return tip;
    // The button a tool bar shows for the buttons it has no room for.
    if (w.inherits("QToolBarExtension"))
        return QStringLiteral("Flere knapper");
    if (const QString h = hint(w); !h.isEmpty())
        return h;
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&w)) {
        QStringList pages;
        for (int i = 0; i < tabs->count(); ++i)
            pages << talt(tabs->tabText(i));
        return pages.join(QStringLiteral(", "));
    }
    // Inside a framed group the group's title says what the control is for.
    for (const QWidget* up = w.parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (const auto* group = qobject_cast<const QGroupBox*>(up);
            group && !group->title().isEmpty())
            return talt(group->title());
    return {};
}

} // namespace

void Tilgaengelighed::installer() {
    static Tilgaengelighed* installed = nullptr;
    if (installed || !qApp)
        return;
    installed = new Tilgaengelighed(qApp);
    qApp->installEventFilter(installed);
}

void Tilgaengelighed::navngiv(QWidget& vindue) {
    // A label names the box it is the buddy of, or else the box that follows it in its row.
    QHash<const QWidget*, QString> labels;
    for (const QLabel* label : vindue.findChildren<QLabel*>()) {
        const QString text = talt(label->text()).remove(QRegularExpression(QStringLiteral(":$")));
        if (text.isEmpty())
            continue;
        if (QWidget* buddy = label->buddy())
            labels.insert(buddy, text);
        else if (QWidget* next = naboTil(*label); next && !qobject_cast<QLabel*>(next))
            labels.insert(next, text);
    }
    for (QWidget* w : vindue.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QAbstractButton*>(w))
            continue;
        if (w->accessibleName().isEmpty())
            w->setAccessibleName(navnAf(*w, labels));
        if (w->accessibleDescription().isEmpty())
            w->setAccessibleDescription(hint(*w));
    }
}

bool Tilgaengelighed::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow())
            navngiv(*w);
    }
    return QObject::eventFilter(watched, event);
}
