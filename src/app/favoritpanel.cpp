#include "favoritpanel.h"
#include "commandtable.h"
#include "mainform.h"
#include "mainmenus.h"

#include "engine/handlinger.h"
#include "lists/reopenfilerx.h"
#include "platform/platform.h"
#include "shared/lazyiconengine.h"
#include "shared/markoerliste.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QToolBar* panelBar(const char* name, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

} // namespace

FavoritPanel::FavoritPanel(Tmainform& window, CommandTable& commands, TReopenFilerX& favDir)
    : QWidget(window.PanelRight()), w(window), c(commands), m_favDir(favDir),
      m_smallere(knap("sbBg1Smallere", "Gør programpanelet smallere", "panel-smallere")),
      m_bredere(knap("sbBg1Breddere", "Gør programpanelet breddere", "panel-breddere")),
      m_luk(knap("sbBg1Close", "Luk program panelet", "panel-luk")),
      m_info(knap("sbBg1Info", "Information", "cmd-aInformation")),
      m_struktur(
          knap("ttMakeStruktur", "Konstruer som punktstruktur", "cmd-specialPunktStruktur")) {
    setObjectName(QStringLiteral("PanelBg1"));
    connect(m_smallere, &QAction::triggered, this, &FavoritPanel::smallere);
    connect(m_bredere, &QAction::triggered, this, &FavoritPanel::breddere);
    connect(m_luk, &QAction::triggered, this, [this] { vis(false); });
    connect(m_info, &QAction::triggered, this,
            [this] { w.HelpInfo(QStringLiteral("Favoritmapper"), false); });
    for (QAction* item : {m_struktur, c(QStringLiteral("mKonstruerFavoritstruktur")),
                          c(QStringLiteral("mFavoritstruktur"))})
        connect(item, &QAction::triggered, this, &FavoritPanel::favoritstruktur);

    // A width from an edited settings file is kept unless no panel could show it.
    const int bredde = w.opt().panelBg1Width;
    setBredde(bredde > 0 && bredde <= 1000 ? bredde : 210);
    setVisible(w.opt().panelBg1Visible);
    wireCommands();
}

MarkoerListe* FavoritPanel::favoritliste() {
    bygIndhold();
    return m_favoritliste;
}

void FavoritPanel::setVisible(bool visible) {
    if (visible)
        bygIndhold();
    QWidget::setVisible(visible);
}

void FavoritPanel::bygIndhold() {
    if (m_favoritliste)
        return;
    m_favoritliste = new MarkoerListe(MarkoerListe::Form::Firkant, QColor(192, 220, 192), this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* top = new QHBoxLayout;
    top->setContentsMargins(6, 0, 0, 0);
    auto* titel = new QLabel(QStringLiteral("Favoritmapper"), this);
    titel->setObjectName(QStringLiteral("favoritTitel"));
    QFont fed = titel->font();
    fed.setBold(true);
    titel->setFont(fed);
    top->addWidget(titel, 1);
    QToolBar* topBar = panelBar("PanelBg1Top", this);
    topBar->addActions({m_smallere, m_bredere, m_luk});
    top->addWidget(topBar);
    column->addLayout(top);

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

QAction* FavoritPanel::knap(const char* name, const char* hint, const char* icon) {
    auto* action = new QAction(QString::fromUtf8(hint), this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(action->text());
    action->setStatusTip(action->text());
    action->setIcon(
        LazyIconEngine::icon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(icon))));
    c.addNamed(action);
    return action;
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

void FavoritPanel::vis(bool synlig) {
    setVisible(synlig);
    w.opt().panelBg1Visible = synlig;
}

void FavoritPanel::setBredde(int bredde) {
    setFixedWidth(bredde);
    w.opt().panelBg1Width = bredde;
}

void FavoritPanel::breddere() {
    if (width() == Widest)
        w.Info(QStringLiteral("Panelet kan ikke blive større."));
    else if (width() < Widest)
        setBredde(width() + Step);
}

void FavoritPanel::smallere() {
    if (width() == Smallest)
        w.Info(QStringLiteral("Panelet kan ikke blive mindre."));
    else if (width() > Smallest)
        setBredde(width() - Step);
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
