#include "keyguard.h"
#include "commandtable.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool editsText(const QWidget* widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly() || line->hasSelectedText();
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return !text->isReadOnly() || text->textCursor().hasSelection();
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        return !plain->isReadOnly() || plain->textCursor().hasSelection();
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

// Keys a text control uses for editing: delete, copy, cut, paste, select all, undo, redo.
bool isEditingKey(const QKeySequence& key) {
    static const QList<QKeySequence> extra = {QKeySequence(Qt::Key_Delete),
                                              QKeySequence(Qt::SHIFT | Qt::Key_Delete),
                                              QKeySequence(Qt::Key_Backspace)};
    if (extra.contains(key))
        return true;
    for (const auto standard :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
          QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Delete})
        if (QKeySequence::keyBindings(standard).contains(key))
            return true;
    return false;
}

// Keys that delete or rename what the file trees show.
bool isFileKey(const QKeySequence& key) {
    static const QList<QKeySequence> keys = {
        QKeySequence(Qt::Key_Delete), QKeySequence(Qt::SHIFT | Qt::Key_Delete),
        QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::Key_F2)};
    return keys.contains(key);
}

bool isInside(const QWidget* widget, const QWidget* area) {
    for (; widget; widget = widget->parentWidget())
        if (widget == area)
            return true;
    return false;
}

} // namespace

KeyGuard::KeyGuard(CommandTable& commands, QObject* parent)
    : QObject(parent), m_commands(commands) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
}

KeyGuard::~KeyGuard() {
    qApp->removeEventFilter(this);
}

void KeyGuard::addFileView(QWidget* view) {
    m_fileViews.append(view);
}

void KeyGuard::addKeyOwner(QWidget* area, const QList<QKeySequence>& keys) {
    m_owners.append({area, keys});
    focusChanged(QApplication::focusWidget());
}

bool KeyGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const QKeySequence key(keyEvent->keyCombination());
    if (!keepsKey(static_cast<QWidget*>(watched), key))
        return false;
    // Accepting the override hands the key to the focused control instead of the command.
    keyEvent->accept();
    return true;
}

bool KeyGuard::keepsKey(const QWidget* focus, const QKeySequence& key) const {
    // A name being edited keeps the delete and rename keys as well as its editing keys.
    if (editsText(focus))
        return isEditingKey(key) || isFileKey(key);
    if (qobject_cast<const QAbstractItemView*>(focus) && isFileKey(key))
        return !m_fileViews.contains(const_cast<QWidget*>(focus));
    return false;
}

void KeyGuard::focusChanged(QWidget* now) {
    QList<QKeySequence> yielded;
    for (const Owner& owner : std::as_const(m_owners))
        if (owner.area && isInside(now, owner.area))
            yielded += owner.keys;
    m_commands.setYieldedKeys(yielded);
}
