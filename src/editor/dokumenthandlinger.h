#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QWidget;

// The commands of one document window, each a QAction with its caption, hint, keys and
// picture, added to the window so that its keys act while the focus is inside it (and
// only there: two windows never fight over a key). The window sets the effects and the
// enabling; other parts of the program look actions up by name.
class DokumentHandlinger : public QObject {
    Q_OBJECT

public:
    explicit DokumentHandlinger(QWidget* vindue);

    // The named action; an unknown name stops the program, as it is a fault in it.
    QAction* operator()(const char* name) const;
    // The keys the window's own commands use (the editing keys left out: the editor has
    // them), which the main window's commands must leave alone while the focus is here.
    const QList<QKeySequence>& egneTaster() const { return m_taster; }

private:
    QHash<QString, QAction*> m_actions;
    QList<QKeySequence> m_taster;
};
