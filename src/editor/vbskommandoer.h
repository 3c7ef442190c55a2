#pragma once

#include <QObject>
#include <QStringList>

class MainHost;
class QMenu;
class QWidget;

// The script commands of the document window: completing the block begun on the caret's
// line (Ctrl+Alt+K), the block templates of the menu `PUvbs` and the spelling of VBScript's
// keywords. They write through the checker, so they act on the editor it is bound to.
class VbsKommandoer : public QObject {
    Q_OBJECT
public:
    VbsKommandoer(MainHost& host, QObject* parent);

    // Inserts under the caret's line, indented alike, the line that ends the block the caret's
    // line begins ("End If", "Next", "Loop" ...); the caret stays.
    void CompleteScriptBlock();
    // The block templates, as a new menu of `parent`.
    QMenu* lavPUvbs(QWidget* parent);
    // Respells the keywords of the VBScript code in the bound editor's document, whose
    // extension is `ext`, as the node texts of the script topic "VBS.txt" spell them; the
    // caret stays. One step for undo. Without the topic nothing changes and the status bar
    // says why.
    void tsVbAbc(const QString& ext);
    // The node texts of the script topic in display order; empty when it cannot be read.
    QStringList stavemaader() const;

signals:
    // A command wrote code: the window refreshes its caret information.
    void kodeSkrevet();

private:
    MainHost& m_host;
};
