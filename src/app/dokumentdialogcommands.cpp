#include "dokumentdialogcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "dialogs/openfilform.h"
#include "dialogs/openform.h"
#include "engine/handlinger.h"
#include "engine/medieside.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/strukturtree.h"
#include "tools/egenskabsform.h"

#include <QAction>

DokumentDialogCommands::DokumentDialogCommands(Tmainform& window)
    : w(window), m_openfilform([this] {
          auto* dialog =
              new Topenfilform(w, [this](const QString& name) { return w.commands()(name); });
          w.installRename(dialog->openbox());
          QObject::connect(dialog, &Topenfilform::valgtSkift, &w, [this] { w.refreshMay(); });
          return dialog;
      }),
      m_openform([this] {
          auto* dialog = new Topenform(w);
          dialog->bestemFiler = [this] { w.egenskabsform()->visFiltyper(); };
          return dialog;
      }) {
    w.commands().setEffect(QStringLiteral("aNytDokument"), [this] { aNytDokumentExecute(); });
    w.commands().setEffect(QStringLiteral("aOpenDokument"), [this] { aOpenDokumentExecute(); });
    w.commands().setEffect(QStringLiteral("aNyTekstfil"), [this] { aNyTekstfilExecute(); });
}

DokumentDialogCommands::~DokumentDialogCommands() = default;

void DokumentDialogCommands::aNytDokumentExecute() {
    m_openform->LoadFilliste();
    if (m_openform->exec() != QDialog::Accepted)
        return;
    const QString ext = m_openform->valgtExt();
    if (ext.isEmpty())
        return;
    w.m_dokumentExt = ext;
    w.openwin(QStringLiteral("Uden navn (") + ext + QLatin1Char(')'), QString());
}

void DokumentDialogCommands::aNyTekstfilExecute() {
    m_openform->LoadFilliste();
    if (m_openform->exec() != QDialog::Accepted)
        return;
    const QString name = m_openform->filnavn();
    const QString ext = LogicalPath::extension(name);
    if (name.isEmpty()) {
        Platform::prompter().message(QStringLiteral("Der mangler et filnavn."),
                                     MessageKind::Information);
        return;
    }
    // A name ending in a dot has only the dot.
    if (ext.size() <= 1) {
        Platform::prompter().message(QStringLiteral("Der mangler et filefternavn."),
                                     MessageKind::Information);
        return;
    }
    THandlinger& funk = w.funk();
    if (!funk.SkrivTekstfil(name, MedieSide::NytDokument))
        return;
    funk.setAktiveStruktur(2);
    funk.editSelected();
}

void DokumentDialogCommands::aOpenDokumentExecute() {
    visOpenfilform(0);
}

std::optional<QString> DokumentDialogCommands::vaelgDokumentnavn(const QString& forslag) {
    m_openfilform->Filnavn = forslag;
    if (!visOpenfilform(1))
        return std::nullopt;
    return m_openfilform->Filnavn;
}

bool DokumentDialogCommands::visOpenfilform(int boxType) {
    Topenfilform& dialog = *m_openfilform;
    dialog.boxType = boxType;
    dialog.initDirectory();
    const bool ok = dialog.exec() == QDialog::Accepted;
    // The dialog gave the pane and the folder it showed back when it closed.
    THandlinger& funk = w.funk();
    if (const QString mappe = ok ? dialog.Mappenavn : funk.Grundmappe(); !mappe.isEmpty())
        funk.makeStruktur2(mappe, false);
    return ok;
}
