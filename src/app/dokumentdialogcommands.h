#pragma once

#include "shared/lazywindow.h"

#include <QString>
#include <optional>

class Tmainform;
class Topenfilform;
class Topenform;

// The main window's document commands that ask in dialogs of their own: "Nyt dokument" and
// "Ny tekstfil" through the new-document dialog, "Åben dokument" through the text-document dialog,
// and the name a document is saved under through the same dialog in save mode.
class DokumentDialogCommands {
public:
    explicit DokumentDialogCommands(Tmainform& window);
    ~DokumentDialogCommands();

    // The text-document dialog in save mode: the chosen folder, "\\" and the typed name,
    // nullopt when cancelled.
    std::optional<QString> vaelgDokumentnavn(const QString& forslag);

    Topenfilform* openfilform() { return m_openfilform.get(); }
    Topenform* openform() { return m_openform.get(); }
    // The new-document dialog when it has been made, else null.
    Topenform* openformIfMade() const { return m_openform.made(); }

private:
    void aNytDokumentExecute();
    void aOpenDokumentExecute();
    // "Ny tekstfil": a new empty file of the type chosen, in the folder the file pane shows,
    // its name open for editing.
    void aNyTekstfilExecute();
    // Shows the text-document dialog in the mode given; afterwards the file pane shows the
    // folder the dialog ended in (OK) or the folder it showed before (cancel), both without
    // a history entry. True on OK.
    bool visOpenfilform(int boxType);

    Tmainform& w;
    LazyWindow<Topenfilform> m_openfilform;
    LazyWindow<Topenform> m_openform;
};
