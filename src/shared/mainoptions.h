#pragma once

#include <QString>
#include <QStringList>

// The main window's options: the 43 lines of "mainform.txt", by position.
class MainOptions {
public:
    static constexpr int LineCount = 43;

    // Takes the lines in order until one is missing or a number line is not a decimal
    // integer; returns false there. Values taken before stay.
    bool read(const QStringList& lines);
    // What the defaults cover; every other value keeps what it has.
    void applyDefaults();
    QStringList lines() const;

    QString designName = QStringLiteral("Sky");
    int formTop = 100;
    int formLeft = 200;
    int formWidth = 790;
    int formHeight = 700;
    int MusikHeight = 0;
    bool mainBarVisible = false;
    bool AskDelete = true;
    bool AskInsert = true;
    bool AskMove = true;
    bool sletTilPapirkurv = true;
    QString exeProgram;
    int favoritAntal = 24;
    int favoritlisteWidth = 210;
    bool openMedLastMappe = false;
    QString lastMappe;         // read from line 16; written from the engine's Grundmappe
    bool mainBarShown = false; // line 17: written as the tool bar is, overridden by line 7
    QString kameraBilledDir;
    QString KameraFilmDir;
    bool medPrivat = true;
    bool privatOnTop = true;
    int panelBg1Width = 210;
    int panelBg2Width = 140;
    bool panelBg1Visible = false;
    bool panelBg2Visible = false;
    int visiblePanelNo = 0;
    bool openTekstFiler = false;
    QString fontNameDocument = QStringLiteral("Courier New");
    int fontSizeDocument = 10;
    bool spilGentagChecked = false;
    bool spilAlleChecked = false;
    int MusikWidth = 0;
    int alarmLydIndex = 0;
    QString HtmlProgram;
    bool visBillede = true;
    int lydBarPosition = 500;
    bool treeLines = false;
    bool openLastStruktur = false;
    int lastStrukturNo = 0;
    int AMfunktionsNumber = 0;
    bool spilStraksChecked = false;
    bool lukStraksChecked = false;
    int panelDirboxWidth = 260;

    // Set by the defaults: the window opens centred instead of at the saved place.
    bool centred = false;
};
