#include "vaerktoejcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/desktopshortcuts.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "tools/genvejform.h"
#include "tools/waform.h"

#include <QLineEdit>

VaerktoejCommands::VaerktoejCommands(Tmainform& window, CommandTable& commands)
    : w(window), m_genvejform([this] { return new Tgenvejform(w); }),
      m_waForm([this] { return new TwaForm(w); }) {
    commands.setEffect(QStringLiteral("aGenvej"), [this] { aGenvejExecute(); });
    commands.setRule(QStringLiteral("aWindowApplets"),
                     [this] { return !m_waForm.made() || m_waForm.made()->isHidden(); });
    commands.setEffect(QStringLiteral("aWindowApplets"), [this] {
        m_waForm->show();
        m_waForm->raise();
        m_waForm->activateWindow();
    });
}

QString VaerktoejCommands::afvisning(const QString& target, const QString& name,
                                     const QString& mappe) {
    Tgenvejform& form = *m_genvejform;
    if (target.isEmpty()) {
        form.EditTarget()->setFocus();
        return QStringLiteral("Der mangler en destignation.");
    }
    if (name.isEmpty()) {
        form.EditName()->setFocus();
        return QStringLiteral("Der mangler et navn på genvejen.");
    }
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1String(".."))) {
        form.EditName()->setFocus();
        return QStringLiteral("Navnet på genvejen må ikke indeholde \"\\\", \"/\" eller \"..\".");
    }
    if (!Platform::files().isFile(target) && !Platform::files().isFolder(target)) {
        form.EditTarget()->setFocus();
        return QStringLiteral("Genvejen kan ikke oprettes:\n") + target +
               QStringLiteral("\nfindes hverken som fil eller som mappe.");
    }
    const QString fil = DesktopShortcuts::shortcutFile(target, mappe, name);
    if (Platform::files().exists(fil)) {
        form.EditName()->setFocus();
        return QStringLiteral("Der findes allerede en fil med navnet:\n") +
               LogicalPath::lastComponent(fil) + QStringLiteral("\nVælg et andet navn.");
    }
    return {};
}

void VaerktoejCommands::aGenvejExecute() {
    Tgenvejform& form = *m_genvejform;
    form.EditTarget()->clear();
    form.EditName()->clear();
    const QString mappe = w.funk().Grundmappe();
    QString target, name;
    for (;;) {
        // What the user typed stays while the dialog is shown again.
        if (form.exec() != QDialog::Accepted)
            return;
        target = LogicalPath::normalized(form.EditTarget()->text().trimmed());
        name = form.EditName()->text().trimmed();
        const QString fejl = afvisning(target, name, mappe);
        if (fejl.isEmpty())
            break;
        Platform::prompter().message(fejl, MessageKind::Information);
    }
    if (!DesktopShortcuts::make(target, mappe, name)) {
        Platform::prompter().message(
            QStringLiteral(
                "Der er opstået en fejl.\nGenvejen kan muligvist ikke oprettes\npå aktuelle sti."),
            MessageKind::Information);
        return;
    }
    // The new shortcut shows, selected, in the file pane.
    THandlinger& funk = w.funk();
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(mappe, false);
    const QString fil = DesktopShortcuts::shortcutFile(target, mappe, name);
    StrukturVisning* pane = funk.Struktur2();
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        if (pane->topLevelItem(i)->text().compare(LogicalPath::lastComponent(fil),
                                                  Qt::CaseInsensitive) == 0) {
            pane->setCurrentItem(pane->topLevelItem(i));
            funk.infoStruktur2();
            w.refreshMay();
        }
}
