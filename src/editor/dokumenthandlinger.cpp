#include "dokumenthandlinger.h"

#include "shared/centreddialog.h"

#include <QAction>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

struct Handling {
    const char* name;
    const char* caption;
    const char* hint;
    const char* keys;
    const char* icon; // ":/icons/doc-<icon>.svg"; null: none
};

// The editing keys of the edit menu are the editor's own too; they are listed for the menu.
const Handling kHandlinger[] = {
    {"AGemDokument", "Gem", "Gem dokumentet: Ctrl+S", "Ctrl+S", "save"},
    {"aGemDokumentSom", "Gem som...", "Gem dokumentet med et nyt navn: Ctrl+Alt+S", "Ctrl+Alt+S",
     "saveas"},
    {"AprintDokument", "Udskriv dokument...", "Udskriv dokumentet", "", "print"},
    {"aGoDokument", "Kør scriptet", "Aktiver scriptet i associeret program", "", "run"},
    {"aOpenFraSkriv", "Åben filfinder", "Skjul Skriv og åben mappestrukturen", "", "filfinder"},
    {"pasteFromInfo", "Indsæt fra hjemmeside",
     "Indsætter tekst, der er kopieret i en informationsfil eller hjemmesidefil", "Ctrl+W",
     nullptr},
    {"tbClose1", "Luk", "Luk dokumentet", "", "close"},
    {"tbClose2", "Luk", "Luk dokumentet", "", "close"},
    {"aKontrol", "Kontrol", "Kontroller for tags i hjemmesider", "Ctrl+T", "kontrol"},
    {"aSlutkode", "Indsæt slutkode", "Indsæt slutkode til aktuelle kode: Ctrl+K", "Ctrl+K",
     "slutkode"},
    {"AclassAttribut", "Indsæt class-attribut", "Indsæt class-attribut i aktuelle kode: Ctrl+Alt+B",
     "Ctrl+Alt+B", nullptr},
    {"AstyleAttribut", "Indsæt style-attribut", "Indsæt style-attribut i aktuelle kode: Ctrl+Alt+A",
     "Ctrl+Alt+A", nullptr},
    {"AidAttribut", "Indsæt id-attribut", "Indsæt id-attribut i aktuelle kode: Ctrl+Alt+I",
     "Ctrl+Alt+I", nullptr},
    {"AonclickEvent", "Indsæt onclick-event", "Indsæt onclick-event i aktuelle kode: Ctrl+Alt+O",
     "Ctrl+Alt+O", nullptr},
    {"aHTMLinfo", "Html information", "Information om koder: Ctrl+Alt+H", "Ctrl+Alt+H",
     "info-html"},
    {"aCssInfo", "Css information", "Information angående stylesheet koder: Ctrl+Alt+C",
     "Ctrl+Alt+C", "info-css"},
    {"aJsInfo", "JavaScript information", "Information angående javascript koder: Ctrl+Alt+J",
     "Ctrl+Alt+J", "info-js"},
    {"aVbInfo", "Script information", "Information angående WScript og VbScript: Ctrl+Alt+V",
     "Ctrl+Alt+V", "info-vb"},
    {"aScriptSlutkoder", "Indsæt", "Fuldfør script forsættelse: Ctrl+Alt+K", "Ctrl+Alt+K",
     "scriptslut"},
    {"tsVbAbc", "Abc", "", "", "abc"},
    {"Aoverskrift", "O", "Sæt standard overskrift: Ctrl+Alt+O", "Ctrl+Alt+O", nullptr},
    {"Atekst", "T", "Sæt standard tekst: Ctrl+Alt+T", "Ctrl+Alt+T", nullptr},
    {"Amargin", "Margin", "Set margin for valgte afsnit eller aktuelle linie", "", "margin"},
    {"RichEditBold1", "Fed", "Fed skrift", "Ctrl+B", "bold"},
    {"RichEditItalic1", "Kursiv", "Kursiv tekst", "Ctrl+I", "italic"},
    {"RichEditUnderline1", "Understreg", "Understreg tekst", "Ctrl+U", "underline"},
    {"RichEditStrikeOut1", "Overstreg", "Overstreg tekst", "", "strikeout"},
    {"RichEditBullets1", "Prik", "Indsæt eller fjer prik før aktuelle linie: Ctrl+P", "Ctrl+P",
     "bullets"},
    {"RichEditAlignLeft1", "Venstrestil", "Venstrestiller teksten", "", "align-left"},
    {"RichEditAlignRight1", "Højrestil", "Højrestiller teksten", "", "align-right"},
    {"RichEditAlignCenter1", "Centrer", "Centrerer teksten", "", "align-center"},
    {"EditUndo1", "Annuller", "Annuller den sidste ændring", "Ctrl+Z", nullptr},
    {"EditCut1", "Klip", "Klip den markerede tekst", "Ctrl+X", nullptr},
    {"EditCopy1", "Kopier", "Kopier den markerede tekst", "Ctrl+C", nullptr},
    {"EditPaste1", "Indsæt", "Indsæt teksten fra udklipsholderen", "Ctrl+V", nullptr},
    {"EditSelectAll1", "Vælg alt", "Marker hele teksten", "Ctrl+A", nullptr},
    {"EditDelete1", "Slet", "Slet den markerede tekst", "Del", nullptr},
};

bool erRedigeringstast(const char* name) {
    return qstrncmp(name, "Edit", 4) == 0;
}

} // namespace

DokumentHandlinger::DokumentHandlinger(QWidget* vindue) : QObject(vindue) {
    for (const Handling& h : kHandlinger) {
        auto* action = new QAction(QString::fromUtf8(h.caption), vindue);
        action->setObjectName(QLatin1String(h.name));
        const QString hint = QString::fromUtf8(h.hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? action->text() : hint);
        if (h.icon)
            action->setIcon(
                CentredDialog::programIcon(QStringLiteral("doc-") + QLatin1String(h.icon)));
        if (*h.keys) {
            const QKeySequence key = QKeySequence::fromString(QLatin1String(h.keys));
            action->setShortcut(key);
            if (!erRedigeringstast(h.name) && !m_taster.contains(key))
                m_taster.append(key);
        }
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        vindue->addAction(action);
        m_actions.insert(action->objectName(), action);
    }
}

QAction* DokumentHandlinger::operator()(const char* name) const {
    QAction* action = m_actions.value(QLatin1String(name));
    if (!action) {
        std::fprintf(stderr, "Dokumentvinduet har ingen handling ved navn %s\n", name);
        std::abort();
    }
    return action;
}
