#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CommandTable;
class QAction;
class QMainWindow;
class QMenu;

// The main menu and every context and drop-down menu of the main window. Items that show a
// command are the command's own action or, where a menu gives the command another caption,
// a view of it that follows its enabled state and runs it. Items without a command are
// actions of their own, found by name; help items carry their topic and report it through
// helpRequested. A menu is filled when it is first shown or asked for by name (by its own
// name or that of a submenu in it), so that start-up makes only the menus something holds.
class MainMenus : public QObject {
    Q_OBJECT

public:
    MainMenus(QMainWindow& window, CommandTable& commands);
    ~MainMenus() override;

    // A named menu, filled; an unknown name stops the program.
    QMenu* menu(const QString& name);
    // Every named menu, filled, for the walk over what the menus show.
    QList<QMenu*> menus();

    // One line of a menu: a command, an item, a separator ("-") or a submenu.
    struct Entry;

signals:
    void helpRequested(const QString& topic);

private:
    void fill(QMenu* menu, const QList<Entry>& entries);
    // Keeps the entries until the menu is first shown or asked for.
    void defer(QMenu* menu, const QList<Entry>& entries);
    void claimNames(QMenu* owner, const QList<Entry>& entries);
    void realize(QMenu* menu);
    QMenu* makeMenu(const QString& name, const QList<Entry>& entries);
    QAction* view(const QString& command, const QString& caption, const QString& hint,
                  QObject* parent);
    void makeItems(QMainWindow& window);
    void buildMainMenu(QMainWindow& window);
    void buildContextMenus();

    CommandTable& m_commands;
    QHash<QString, QMenu*> m_menus;
    QHash<QMenu*, QList<Entry>> m_pending;
    QHash<QString, QMenu*> m_owners; // a named submenu not yet made: the menu that makes it
};
