#pragma once

#include "shared/centreddialog.h"

class DesignSide;
class EgenskabsSide;
class FiltypeSide;
class MainHost;
class MappeSide;
class QTabWidget;

// "Egenskaber": the main window's options on four pages, each stored by its own "Gem". The
// window stays on top and does not block; closing it drops what was changed on the pages
// "Egenskaber" and "Mapper" without "Gem", while the type list keeps its rows until the
// program ends.
class Tegenskabsform : public CentredDialog {
    Q_OBJECT

public:
    explicit Tegenskabsform(MainHost& host);

    // Shows the window on the page last chosen, in front.
    void vis();
    // Shows the page "Filtyper"; over a window that blocks the others (the new-document
    // dialog), it blocks that one until it is closed.
    void visFiltyper();

    QTabWidget* egenskabsBog() const { return m_bog; }
    EgenskabsSide* side1() const { return m_side1; }
    MappeSide* side2() const { return m_side2; }
    FiltypeSide* side3() const { return m_side3; }
    DesignSide* side4() const { return m_side4; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Keeps the window inside the available area of the screen the main window is on.
    void holdPaaSkaermen();

    MainHost& m_host;
    QTabWidget* m_bog;
    EgenskabsSide* m_side1;
    MappeSide* m_side2;
    FiltypeSide* m_side3;
    DesignSide* m_side4;
};
