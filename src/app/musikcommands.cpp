#include "musikcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "engine/handlinger.h"
#include "platform/platform.h"
#include "tools/musikform.h"
#include "tools/musikformen.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

MusikCommands::MusikCommands(Tmainform& window)
    : w(window), m_musikformen([this] {
          auto* player = new Tmusikformen(w);
          CommandTable& c = w.commands();
          player->visKommandoer({c(QStringLiteral("aAnvend")), c(QStringLiteral("aHentMusikliste")),
                                 c(QStringLiteral("aGemMusikliste")),
                                 c(QStringLiteral("aFjernFraListe")), c(QStringLiteral("aFjern"))});
          return player;
      }),
      m_musikform([this] {
          m_musikformen.get(); // the list window starts the queue, which the player plays
          return new Tmusikform(w);
      }) {
    pages();
    queue();
    lists();
}

void MusikCommands::pages() {
    const std::pair<const char*, const char*> sider[] = {
        {"aHTMLfilmliste", "Film_afspilningsliste.html"},
        {"aHTMLmusikliste", "Musik_afspilningsliste.html"},
        {"aHTMLbilledliste", "Billed_afspilningsliste.html"}};
    int slags = 1;
    for (const auto& [name, fil] : sider) {
        const QString filnavn = QString::fromLatin1(fil);
        w.commands().setEffect(QString::fromLatin1(name), [this, filnavn, slags] {
            // Only a page that was written is opened, never what was selected before.
            if (w.funk().SkrivTekstfil(filnavn, slags))
                w.launcher().OpenFil(w.funk().Filnavn(), false);
        });
        ++slags;
    }
}

void MusikCommands::queue() {
    CommandTable& c = w.commands();
    c.setEffect(QStringLiteral("aAnvend"), [this] { tilfoej(false); });
    c.setEffect(QStringLiteral("aAnvendStraks"), [this] { tilfoej(true); });
    c.setRule(QStringLiteral("aFjern"), [this] { return w.funk().mIndex() >= 0; });
    c.setEffect(QStringLiteral("aFjern"), [this] { w.funk().clearMusikliste(); });
    c.setRule(QStringLiteral("aFjernFraListe"),
              [this] { return m_musikformen.made() && m_musikformen.made()->valgtRaekke() >= 0; });
    c.setEffect(QStringLiteral("aFjernFraListe"),
                [this] { w.funk().deletePlayIndex(m_musikformen->valgtRaekke()); });
    c.setRule(QStringLiteral("aMusikafspiller"),
              [this] { return !m_musikformen.made() || !m_musikformen.made()->isVisible(); });
    c.setEffect(QStringLiteral("aMusikafspiller"), [this] {
        m_musikformen->show();
        m_musikformen->raise();
        m_musikformen->activateWindow();
    });
}

void MusikCommands::tilfoej(bool straks) {
    QCheckBox* spilAlle = m_musikformen->SpilAlle();
    const bool foer = spilAlle->isChecked();
    if (straks)
        spilAlle->setChecked(true);
    if (w.funk().makeMusikliste(straks) > 0)
        return;
    Platform::prompter().message(
        QStringLiteral("Der er ikke valgt musikfiler\naf filtypen mp3 eller wav."),
        MessageKind::Information);
    spilAlle->setChecked(foer);
}

void MusikCommands::lists() {
    CommandTable& c = w.commands();
    auto vis = [this](QWidget* fokus) {
        m_musikform->show();
        m_musikform->raise();
        m_musikform->activateWindow();
        fokus->setFocus();
    };
    c.setRule(QStringLiteral("aGemMusikliste"), [this] { return w.funk().mIndex() >= 0; });
    c.setEffect(QStringLiteral("aGemMusikliste"), [this, vis] {
        m_musikform->EditGem()->setText(m_musikform->listenavn);
        vis(m_musikform->EditGem());
    });
    c.setEffect(QStringLiteral("aHentMusikliste"), [this, vis] {
        QListWidget* filer = m_musikform->musikliste();
        m_musikform->EditHent()->clear();
        if (filer->selectedItems().isEmpty() && filer->count() > 0) {
            filer->setCurrentRow(0);
            m_musikform->EditHent()->setText(filer->item(0)->text());
        }
        vis(filer);
    });
    QObject::connect(c(QStringLiteral("mMusiklistemappeVis")), &QAction::triggered, &w, [this] {
        w.funk().makeStruktur2(LogicalPath::normalized(w.mapper().musikListeDir), true);
    });
    QObject::connect(c(QStringLiteral("mOpdaterMmappe")), &QAction::triggered, &w,
                     [this] { m_musikform->opdater(); });
}
