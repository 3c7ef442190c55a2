#pragma once

#include "laanedialog.h"

#include "shared/strukturlaan.h"

#include <optional>

class Mappebar;
class QLineEdit;
class QMenu;
class Stifaner;
class StrukturVisning;

// "Vælg fil": a file chosen in the engine's own file pane, borrowed while the dialog is open,
// with path tabs, the drives and views of only the files or only the programs.
class Topendiaform : public LaaneDialog {
    Q_OBJECT

public:
    explicit Topendiaform(MainHost& host);
    ~Topendiaform() override;

    // Prepares an opening at a folder (empty: where the dialog was last), with the bar of
    // special folders when asked; the caller then shows the dialog modally.
    void initDirectory(const QString& aMappe, bool medMappebar);
    // The chosen file, empty when none; also what the next opening preselects.
    QString Filnavn;
    // The folder shown when the dialog closed.
    QString Mappenavn;

    StrukturVisning* openbox() const { return m_openbox; }
    void done(int result) override;

private:
    void mappeSkift();
    void aabnValgte() override;

    Mappebar* m_mappebar;
    Stifaner* m_stiboxen;
    StrukturVisning* m_openbox;
    QLineEdit* m_editSti;
    QMenu* m_drevMenu;
    std::optional<StrukturLaan> m_laan;
};
