#pragma once

#include "shared/lazywindow.h"

#include <QPointer>
#include <QString>

class MainHost;
class QPlainTextEdit;
class Tkontrolform;

// What the main window does with the checker: shows the check window, reads the active
// page into it, runs the checks with their sentences in the window's status bar, and goes
// from a node of the tree to its tag in the page that was read.
class Kodekontrol {
public:
    explicit Kodekontrol(MainHost& host);

    // The check window, made when first asked for.
    Tkontrolform& kontrolform();
    // The document window's "Kontrol": shows the check window and reads the page.
    void visKontrol();
    void ReadHtmlStruktur();
    void visAttributter();
    void kontrolMSlutkoder();
    void kontrolKoder();
    void kontrolAttributter();
    void kontrolFmSlutkoder();
    void KontrolGotoTag();
    void visHjaelp();

private:
    void status(int resultat, const QString& ingen, const QString& en, const QString& flere);

    MainHost& m_host;
    LazyWindow<Tkontrolform> m_form;
    // The editor of the page read last, which the tree belongs to.
    QPointer<QPlainTextEdit> m_strukturEditor;
};
