#pragma once

#include "shared/lazywindow.h"

#include <QString>

class CommandTable;
class Tgenvejform;
class Tmainform;
class TwaForm;

// The main window's commands that open the small tools: "Opret genvej" makes a shortcut in
// the folder the file pane shows, "Window applets..." shows the applets window.
class VaerktoejCommands {
public:
    VaerktoejCommands(Tmainform& window, CommandTable& commands);

    Tgenvejform* genvejform() { return m_genvejform.get(); }
    TwaForm* waForm() { return m_waForm.get(); }

private:
    void aGenvejExecute();
    // Why the boxes cannot make a shortcut, the box to correct focused; empty when they can.
    QString afvisning(const QString& target, const QString& name, const QString& mappe);

    Tmainform& w;
    LazyWindow<Tgenvejform> m_genvejform;
    LazyWindow<TwaForm> m_waForm;
};
