#pragma once

#include "recordingwindows.h"

#include "engine/enginehost.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"

#include <QMap>

// An engine wired to two trees and recording windows, as the main window wires it.
class TestEngine : public EngineHost {
public:
    TestEngine();

    int lastStrukturNo() const override { return 0; }
    void setLastStrukturNo(int) override {}
    void makeSpecialStruktur() override {}
    bool visBillede() const override { return false; }
    void historyChanged(bool, bool, bool) override {}
    void showPicture(const QImage&, const QString&) override {}

    // Builds the folder tree if needed and walks it to `folder`, selected, with the folder tree
    // active.
    void vaelgMappe(const QString& folder);
    // Shows `folder` in the file pane, selects the nodes of these texts (the last one
    // current) and takes the selection over, with the file pane active.
    void vis(const QString& folder, const QStringList& texts = {});
    StrukturItem* node(const QString& text) const;

    StrukturVisning dirbox;
    StrukturVisning filbox;
    RecordingWindows windows;
    THandlinger funk;
};

// Every file below a host folder (relative path -> content digest; a link -> its target),
// links never followed.
QMap<QString, QByteArray> snapshot(const QString& hostFolder);
// Fails the test unless every file of `before` is still in `source` or now in `target`
// with the same bytes.
bool nothingLost(const QMap<QString, QByteArray>& before, const QString& sourceHost,
                 const QString& targetHost);
