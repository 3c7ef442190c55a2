#pragma once

#include "laanedialog.h"

#include "shared/strukturlaan.h"

#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class StrukturVisning;

// "Vælg mappe": a folder chosen in the engine's own folder tree, borrowed while the dialog is
// open. With an insert event set, "Indsæt mappen" (Ins) hands the selected folder over and
// the dialog stays open.
class Topenmappeform : public LaaneDialog {
    Q_OBJECT

public:
    explicit Topenmappeform(MainHost& host);
    ~Topenmappeform() override;

    // Prepares an opening at a folder, as one labelled folder when `aTekst` is not empty,
    // else in the tree of all drives; the caller then shows the dialog modally.
    void initDirectory(const QString& aMappe, const QString& aTekst);
    // Set before initDirectory; cleared when the dialog closes.
    std::function<void(const QString&)> FonSelectMappe;
    // The chosen folder, after the dialog closed.
    QString Mappenavn;

    StrukturVisning* mappebox() const { return m_mappebox; }
    void done(int result) override;

private:
    // A double click or Enter: the selected folder's subfolders read afresh and opened.
    void aabnValgte() override;
    void opdaterBokse();
    void visEnMappe(const QString& folder, const QString& label);
    void visKendte(bool medSti);

    StrukturVisning* m_mappebox;
    QLineEdit* m_editpath;
    QLineEdit* m_editmappe;
    QMenu* m_drevMenu;
    QAction* m_insertMappe;
    QPushButton* m_insertMappeKnap;
    std::optional<StrukturLaan> m_laan;
};
