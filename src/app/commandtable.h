#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class QAction;
class QWidget;

// Every command of the main window as one named QAction: caption, keys, hint (status tip
// and tool tip) and icon come from the catalogue in commandtable.cpp. Menus, tool buttons
// and other windows only show these actions. Each action may carry an enabling rule; the
// rules are evaluated when the event loop is about to wait, at most every few dozen
// milliseconds, so they follow the window state without explicit calls.
//
// The table is also the one place where the window's named actions are looked up: the
// commands, and the menu items and tool buttons that have no command. A name that is not
// here is a fault in the program; looking it up stops the program with a message naming
// it, in every kind of build.
class CommandTable : public QObject {
    Q_OBJECT

public:
    using Rule = std::function<bool()>;
    using Effect = std::function<void()>;

    // The actions are added to `window`, so their keys work even where no menu or button
    // shows them.
    explicit CommandTable(QWidget* window);

    // The named action: a command, a menu item or a tool button.
    QAction* operator()(const QString& name) const;
    bool contains(const QString& name) const { return m_byName.contains(name); }
    // Whether the name is a catalogued command rather than an item or a button.
    bool isCommand(const QString& name) const;
    // The catalogued commands.
    const QList<QAction*>& actions() const { return m_actions; }
    // Registers a menu item or tool button under its object name, which must be new.
    void addNamed(QAction* action);

    // Stops the program: `name` is not a known `kind` ("handling", "menu").
    [[noreturn]] static void unknownName(const char* kind, const QString& name);

    void setRule(const QString& name, Rule rule);
    void setEffect(const QString& name, Effect effect);
    // Runs when a command without an effect of its own is triggered.
    void setUnfinished(std::function<void(QAction*)> handler) { m_unfinished = std::move(handler); }

    // Evaluates every rule now.
    void evaluate();

    // Keys another part of the program owns for the moment (an active document window):
    // they are taken off the commands until the list changes again.
    void setYieldedKeys(const QList<QKeySequence>& keys);
    QList<QKeySequence> declaredKeys(const QString& name) const;

private:
    void idle();
    void applyKeys(QAction* action);

    QList<QAction*> m_actions;
    QHash<QString, QAction*> m_byName;
    QHash<QAction*, QList<QKeySequence>> m_keys;
    QHash<QAction*, Rule> m_rules;
    QHash<QAction*, Effect> m_effects;
    std::function<void(QAction*)> m_unfinished;
    QList<QKeySequence> m_yielded;
    QElapsedTimer m_sinceEvaluation;
    bool m_eventsSince = true;
    QTimer m_pending;
};
