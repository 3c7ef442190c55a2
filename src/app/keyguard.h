#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

class CommandTable;
class QWidget;

// Decides who gets a key that is both a command's key and a key of the control that has the
// focus. A control that edits text keeps its editing keys, and a list other than the two
// file trees keeps the delete keys, so Del never deletes a file while a name is being
// edited. An area that owns keys (a document window owns Ctrl+S, Ctrl+B, ...) takes them
// from the commands while the focus is inside it.
class KeyGuard : public QObject {
    Q_OBJECT

public:
    explicit KeyGuard(CommandTable& commands, QObject* parent = nullptr);
    ~KeyGuard() override;

    // The trees whose selection the file commands act on.
    void addFileView(QWidget* view);
    // While the focus is in `area` or below it, the commands give up `keys`.
    void addKeyOwner(QWidget* area, const QList<QKeySequence>& keys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Owner {
        QPointer<QWidget> area;
        QList<QKeySequence> keys;
    };
    bool keepsKey(const QWidget* focus, const QKeySequence& key) const;
    void focusChanged(QWidget* now);

    CommandTable& m_commands;
    QList<QPointer<QWidget>> m_fileViews;
    QList<Owner> m_owners;
};
