#include "programpanel.h"
#include "commandtable.h"
#include "favoritpanel.h"
#include "mainform.h"

#include "lists/menuexefiler.h"

#include <QAction>
#include <QKeyEvent>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

ProgramPanel::ProgramPanel(Tmainform& window, CommandTable& commands, TMenuExeFiler& menuExe,
                           FavoritPanel& favoritter)
    : SidePanel(window, commands, 2, {Smallest, Widest, 140}, window.opt().panelBg2Width,
                window.opt().panelBg2Visible),
      m_menuExe(menuExe), m_favoritter(favoritter),
      m_info(knap(QStringLiteral("sbBg2Info"), "Information", "cmd-aInformation")) {
    connect(m_info, &QAction::triggered, this,
            [this] { w.HelpInfo(QStringLiteral("Programmer"), false); });
    // One panel shows at a time; of two saved as shown, the favourites.
    setVisible(w.opt().panelBg2Visible && !w.opt().panelBg1Visible);
    wireCommands();
}

QTreeWidget* ProgramPanel::programBox() {
    if (!m_programBox)
        bygIndhold();
    return m_programBox;
}

void ProgramPanel::bygIndhold() {
    if (m_programBox)
        return;
    m_programBox = new QTreeWidget(this);
    QVBoxLayout* column = bygTop(QStringLiteral("Programmer"), panelBar("PanelBg2Top", this));
    m_programBox->setObjectName(QStringLiteral("programBox"));
    m_programBox->setHeaderLabels({QStringLiteral("Programmer")});
    m_programBox->setRootIsDecorated(false);
    m_programBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_programBox->setIconSize(QSize(16, 16));
    m_programBox->installEventFilter(this);
    column->addWidget(m_programBox, 1);

    QToolBar* bund = panelBar("PanelBg2Bund", this);
    bund->addAction(m_info);
    bund->addSeparator();
    bund->addActions({c(QStringLiteral("aInsertProgram")), c(QStringLiteral("aOpen"))});
    column->addWidget(bund);

    connect(m_programBox, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { vaelg(m_programBox->indexOfTopLevelItem(item)); });
    connect(m_programBox, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { start(m_programBox->indexOfTopLevelItem(item)); });
    fyld();
}

void ProgramPanel::fyld() {
    if (!m_programBox)
        return;
    m_programBox->clear();
    for (int i = 0; i < m_menuExe.Filantal(); ++i) {
        auto* item = new QTreeWidgetItem(m_programBox, {m_menuExe.GetCaption(i)});
        item->setIcon(0, m_menuExe.ikon(i));
        item->setToolTip(0, m_menuExe.GetFilnavn(i));
    }
}

void ProgramPanel::vaelg(int row) {
    if (row < 0 || row >= m_menuExe.Filantal())
        return;
    m_menuExe.setAktuelleProgram(m_menuExe.GetFilnavn(row));
    w.opt().exeProgram = m_menuExe.AktuelleProgram();
    w.InfoProg(m_menuExe.GetCaption(row));
}

void ProgramPanel::start(int row) {
    if (row < 0 || row >= m_menuExe.Filantal())
        return;
    vaelg(row);
    c.evaluate();
    c(QStringLiteral("aOpen"))->trigger();
}

bool ProgramPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_programBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_programBox->currentItem()) {
            start(m_programBox->indexOfTopLevelItem(m_programBox->currentItem()));
            return true;
        }
    }
    return SidePanel::eventFilter(watched, event);
}

void ProgramPanel::visProgrammer() {
    m_favoritter.vis(false);
    vis(true);
    w.opt().visiblePanelNo = 1;
}

void ProgramPanel::visFavoritter() {
    vis(false);
    m_favoritter.vis(true);
    w.opt().visiblePanelNo = 0;
}

void ProgramPanel::wireCommands() {
    c.setRule(QStringLiteral("aProgramspalte"),
              [this] { return !w.PanelRight()->isHidden() && isHidden(); });
    c.setEffect(QStringLiteral("aProgramspalte"), [this] { visProgrammer(); });
    connect(m_favoritter.skift(), &QAction::triggered, this, &ProgramPanel::visProgrammer);
    connect(skift(), &QAction::triggered, this, &ProgramPanel::visFavoritter);
    // Showing the favourites by their command takes this panel's place.
    connect(c(QStringLiteral("aFavoritspalte")), &QAction::triggered, this, [this] { vis(false); });
    connect(c(QStringLiteral("sbVisPanel")), &QAction::triggered, this, [this] {
        if (isHidden() && m_favoritter.isHidden() && !w.PanelRight()->isHidden() &&
            w.opt().visiblePanelNo == 1)
            vis(true);
    });
}
