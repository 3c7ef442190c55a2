#pragma once

#include <QMap>
#include <QObject>

class DokumentHandlinger;
class MainHost;
class QAction;
class QMenu;
class QToolBar;

// The insert commands of a web page's HTML bar: eight drop-down menus of element code, the
// end-tag command and the four attribute commands. They write through the checker, so they
// act on the editor it is bound to.
class HtmlMenuer : public QObject {
    Q_OBJECT
public:
    HtmlMenuer(MainHost& host, QObject* parent);

    // Adds the eight drop-down buttons with their menus to the bar; the attribute menu holds
    // the window's four attribute commands, which write through the checker from then on.
    void fyld(QToolBar* bar, const DokumentHandlinger& handlinger);
    // A menu by its name ("PUstrukturkoder" ... "PUattributter"); null before fyld().
    QMenu* menu(const QString& navn) const { return m_menuer.value(navn); }

    // "Indsæt slutkode" (Ctrl+K): the end tag of the element the caret is in.
    void Slutkode();

signals:
    // An element command wrote code: the window refreshes its caret information.
    void kodeSkrevet();

private:
    QMenu* lavMenu(const char* navn, QToolBar* bar);

    MainHost& m_host;
    QMap<QString, QMenu*> m_menuer;
};
