#include "favoritpanel.h"
#include "commandtable.h"
#include "mainform.h"
#include "mainmenus.h"

#include "engine/handlinger.h"
#include "lists/reopenfilerx.h"
#include "platform/platform.h"
#include "shared/markoerliste.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

FavoritPanel::FavoritPanel(Tmainform& window, CommandTable& commands, TReopenFilerX& favDir)
    : SidePanel(window, commands, 1, {Smallest, Widest, 210}, window.opt().panelBg1Width,
                window.opt().panelBg1Visible),
      m_favDir(favDir),
      m_info(knap(QStringLiteral("sbBg1Info"), "Information", "cmd-aInformation")),
      m_struktur(knap(QStringLiteral("ttMakeStruktur"), "Konstruer som punktstruktur",
                      "cmd-specialPunktStruktur")) {
    connect(m_info, &QAction::triggered, this,
            [this] { w.HelpInfo(QStringLiteral("Favoritmapper"), false); });
    for (QAction* item : {m_struktur, c(QStringLiteral("mKonstruerFavoritstruktur")),
                          c(QStringLiteral("mFavoritstruktur"))})
        connect(item, &QAction::triggered, this, &FavoritPanel::favoritstruktur);

    setVisible(w.opt().panelBg1Visible);
    wireCommands();
}

MarkoerListe* FavoritPanel::favoritliste() {
    if (!m_favoritliste)
        bygIndhold();
    return m_favoritliste;
}

void FavoritPanel::bygIndhold() {
    if (m_favoritliste)
        return;
    m_favoritliste = new MarkoerListe(MarkoerListe::Form::Firkant, QColor(192, 220, 192), this);
    QVBoxLayout* column = bygTop(QStringLiteral("Favoritmapper"), panelBar("PanelBg1Top", this));

    m_favoritliste->setObjectName(QStringLiteral("favoritliste"));
    m_favoritliste->setContextMenuPolicy(Qt::CustomContextMenu);
    m_favoritliste->installEventFilter(this);
    column->addWidget(m_favoritliste, 1);

    QToolBar* bund = panelBar("PanelBg1Bund", this);
    bund->addAction(m_info);
    bund->addSeparator();
    bund->addActions({c(QStringLiteral("aFlytOp")), c(QStringLiteral("aFlytNed")),
                      c(QStringLiteral("aGemFlyt"))});
    bund->addSeparator();
    bund->addAction(m_struktur);
    column->addWidget(bund);

    connect(m_favoritliste, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) {
                w.menus()
                    .menu(QStringLiteral("PUfavoritliste"))
                    ->popup(m_favoritliste->viewport()->mapToGlobal(position));
            });
    m_favDir.setListeBoks(m_favoritliste);
}

void FavoritPanel::wireCommands() {
    c.setRule(QStringLiteral("aFavoritspalte"),
              [this] { return !w.PanelRight()->isHidden() && isHidden(); });
    c.setEffect(QStringLiteral("aFavoritspalte"), [this] {
        vis(true);
        w.opt().visiblePanelNo = 0;
    });
    // The button at the path tabs opens the favourites when they were the panel shown last.
    connect(c(QStringLiteral("sbVisPanel")), &QAction::triggered, this, [this] {
        if (isHidden() && !w.PanelRight()->isHidden() && w.opt().visiblePanelNo == 0)
            vis(true);
    });
    c.setEffect(QStringLiteral("aInsertFavoritmappe"), [this] { insertFavoritmappe(); });
    c.setRule(QStringLiteral("aFlytOp"),
              [this] { return m_favoritliste && m_favoritliste->valgtRaekke() > 0; });
    c.setEffect(QStringLiteral("aFlytOp"), [this] { flyt(-1); });
    c.setRule(QStringLiteral("aFlytNed"), [this] {
        const int valgt = m_favoritliste ? m_favoritliste->valgtRaekke() : -1;
        return valgt >= 0 && valgt < m_favDir.Antal() - 1;
    });
    c.setEffect(QStringLiteral("aFlytNed"), [this] { flyt(1); });
    c.setEffect(QStringLiteral("aGemFlyt"), [this] {
        if (m_favDir.GemReopenFiler())
            w.listeForandret = false;
    });
    c.setRule(QStringLiteral("aFjernMappe"),
              [this] { return m_favoritliste && m_favoritliste->harValgt(); });
    c.setEffect(QStringLiteral("aFjernMappe"), [this] {
        // Removing writes the list, the new order with it.
        m_favDir.DeleteItem(m_favoritliste->valgtRaekke());
        w.listeForandret = false;
    });
    c.setRule(QStringLiteral("aFjernAlleMapper"), [this] { return m_favDir.Antal() > 1; });
    c.setEffect(QStringLiteral("aFjernAlleMapper"), [this] {
        m_favDir.SletAlleItems();
        if (m_favDir.Antal() == 0)
            w.listeForandret = false;
    });
}

void FavoritPanel::insertFavoritmappe() {
    QString path = w.EditSti()->text();
    if (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    if (path.isEmpty())
        return;
    QString label = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    if (label.size() > 1 && label.at(1) == QLatin1Char(':'))
        label = QStringLiteral("Drev ") + label;
    m_favDir.InsertItem(path, label);
    if (m_favDir.GemReopenFiler())
        w.listeForandret = false;
    w.favChanged = false;
}

void FavoritPanel::favoritstruktur() {
    if (m_favDir.Antal() == 0) {
        Platform::prompter().message(QStringLiteral("Der er ingen emner i favoritlisten."),
                                     MessageKind::Information);
        return;
    }
    QStringList folders, labels;
    for (const TReopenRec& rec : m_favDir.entries())
        if (Platform::files().isFolder(rec.Filnavn)) {
            folders << rec.Filnavn;
            labels << rec.Caption;
        }
    if (folders.isEmpty()) {
        Platform::prompter().message(
            QStringLiteral("Der blev ikke fundet eksisterende emner i favoritlisten."),
            MessageKind::Information);
        return;
    }
    w.funk().makePunktStruktur(folders, labels, PunktStruktur);
}

void FavoritPanel::flyt(int retning) {
    const int valgt = m_favoritliste->valgtRaekke();
    if (!(retning < 0 ? m_favDir.flytOp(valgt) : m_favDir.flytNed(valgt)))
        return;
    m_favDir.MakeListeMenu();
    m_favoritliste->vaelg(valgt + retning);
    w.listeForandret = true;
}

bool FavoritPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_favoritliste && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            if (m_favoritliste->harValgt())
                m_favDir.DblListeKlik(m_favoritliste->valgtRaekke());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
