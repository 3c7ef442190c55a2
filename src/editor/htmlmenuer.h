#pragma once

#include <QMap>
#include <QObject>

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

    // Adds the eight drop-down buttons with their menus to the bar.
    void fyld(QToolBar* bar);
    // A menu by its name ("PUstrukturkoder" ... "PUattributter"); null before fyld().
    QMenu* menu(const QString& navn) const { return m_menuer.value(navn); }

    // "Indsæt slutkode" (Ctrl+K): the end tag of the element the caret is in.
    void Slutkode();
    // The attribute commands (Ctrl+Alt+A, B, I, O); the document window adds them to
    // itself for their keys.
    QAction* AstyleAttribut() const { return m_style; }
    QAction* AclassAttribut() const { return m_class; }
    QAction* AidAttribut() const { return m_id; }
    QAction* AonclickEvent() const { return m_onclick; }

signals:
    // An element command wrote code: the window refreshes its caret information.
    void kodeSkrevet();

private:
    QAction* attributHandling(const QString& attribut, const QString& caption, const char* tast);
    QMenu* lavMenu(const char* navn, QToolBar* bar);

    MainHost& m_host;
    QAction* m_style;
    QAction* m_class;
    QAction* m_id;
    QAction* m_onclick;
    QMap<QString, QMenu*> m_menuer;
};
