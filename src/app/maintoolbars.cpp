#include "maintoolbars.h"
#include "commandtable.h"
#include "mainmenus.h"

#include "shared/lazyiconengine.h"

#include <QAction>
#include <QHBoxLayout>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// The four button sets of the action bar.
const QList<QStringList>& buttonSets() {
    static const QList<QStringList> sets = {
        {"aNyMappe", "aNyTekstfil", "aRename", "aCopy", "aPaste", "aKlip", "aDelete",
         "aDeletePermanent", "aMarkerAlt", "aMarkerIngen", "aMarkerInvers", "aDrevinfo",
         "aMappeInfo", "aFilinfo", "Action22"},
        {"Action1", "Action2", "Action3", "Action4", "Action5", "Action6", "Action7", "Action8",
         "Action9", "Action10", "Action11", "Action12", "Action13", "Action14", "Action15",
         "Action18"},
        {"aAlarmNy", "aAlarmSe", "aOpenKalender", "aLukKalender"},
        {"aRun", "aRedigerFil", "aRedigerHtml", "aOpen", "aHTMLfilmliste", "aHTMLmusikliste",
         "aHTMLbilledliste"},
    };
    return sets;
}

QToolBar* makeBar(const char* name, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    return bar;
}

QIcon icon(const char* name) {
    return LazyIconEngine::icon(
        QStringLiteral(":/icons/cmd-%1.svg").arg(QString::fromLatin1(name)));
}

// A text button: its caption instead of its icon.
void showText(QToolBar* bar, QAction* action) {
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
}

} // namespace

MainToolbars::MainToolbars(QMainWindow& window, CommandTable& commands, MainMenus& menus)
    : QObject(&window), m_window(window), m_commands(commands), m_menus(menus) {
    // The bar's own button is registered now: its name is known from the start.
    m_mainBarHelp =
        helpButton("tbHelpRedskabslinien", "Information om redskabslinien", "Redskabslinien");
    buildPanelTop();
    buildFolderBars();
    buildFileBar();
}

QAction* MainToolbars::makeButton(const char* name, const char* caption, const char* hint,
                                  const char* iconName) {
    auto* action = new QAction(QString::fromUtf8(caption), &m_window);
    action->setObjectName(QString::fromLatin1(name));
    action->setStatusTip(QString::fromUtf8(hint));
    action->setToolTip(QString::fromUtf8(hint));
    if (*iconName)
        action->setIcon(icon(iconName));
    m_commands.addNamed(action);
    return action;
}

QAction* MainToolbars::helpButton(const char* name, const char* hint, const char* topic) {
    QAction* action = makeButton(name, "", hint, "aInformation");
    const QString shownTopic = QString::fromUtf8(topic);
    connect(action, &QAction::triggered, &m_menus,
            [this, shownTopic] { emit m_menus.helpRequested(shownTopic); });
    return action;
}

void MainToolbars::dropDown(QToolBar* bar, const char* name, const char* caption, const char* hint,
                            const char* menu, const char* iconName, bool withText) {
    auto* button = new QToolButton(bar);
    QAction* action = makeButton(name, caption, hint, iconName);
    action->setMenu(m_menus.menu(QString::fromLatin1(menu)));
    button->setDefaultAction(action);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(withText ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    bar->addWidget(button);
}

QToolBar* MainToolbars::mainBar() {
    if (!m_mainBar) {
        buildMainBar();
        m_mainBar->hide();
        m_window.addToolBar(Qt::TopToolBarArea, m_mainBar);
    }
    return m_mainBar;
}

void MainToolbars::buildMainBar() {
    m_mainBar = makeBar("mainBar", &m_window);
    m_mainBar->setFixedHeight(30);
    m_mainBar->addAction(m_mainBarHelp);
    m_mainBar->addSeparator();
    for (const char* name : {"aCopy", "aPaste", "aKlip"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
    m_mainBar->addSeparator();
    for (const char* name : {"aKopier32", "aMove32"}) {
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
        showText(m_mainBar, m_commands(QString::fromLatin1(name)));
    }
    m_mainBar->addSeparator();
    for (const char* name : {"aDelete", "aRename"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
    m_mainBar->addSeparator();
    m_mainBar->addAction(m_commands(QStringLiteral("aNyTekstfil")));
    showText(m_mainBar, m_commands(QStringLiteral("aNyTekstfil")));
    m_mainBar->addAction(m_commands(QStringLiteral("aNyMappe")));
    m_mainBar->addSeparator();
    for (const char* name : {"aMarkerAlt", "aMarkerIngen", "aMarkerInvers"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
    m_mainBar->addSeparator();
    for (const char* name : {"aDrevinfo", "aMappeInfo", "aFilinfo"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
    m_mainBar->addSeparator();
    for (const char* name : {"aRun", "aRedigerFil"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
    auto* open = new QToolButton(m_mainBar);
    open->setDefaultAction(m_commands(QStringLiteral("aOpen")));
    open->setMenu(m_menus.menu(QStringLiteral("PUprogrammer")));
    open->setPopupMode(QToolButton::MenuButtonPopup);
    m_mainBar->addWidget(open);
    m_mainBar->addSeparator();
    for (const char* name : {"aHTMLfilmliste", "aHTMLmusikliste", "aHTMLbilledliste"})
        m_mainBar->addAction(m_commands(QString::fromLatin1(name)));
}

void MainToolbars::buildPanelTop() {
    m_panelTop = new QWidget(&m_window);
    m_panelTop->setObjectName(QStringLiteral("PanelTop"));
    m_panelTop->setFixedHeight(31);
    auto* row = new QHBoxLayout(m_panelTop);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(2);

    QToolBar* program = makeBar("ToolBarProgram", m_panelTop);
    program->addAction(helpButton("tbFaneinfo", "Information om fanelinjen", "Fanelinjen"));
    program->addAction(
        makeButton("ButtonPrevMappe", "", "Gå til foregående mappe", "ButtonPrevMappe"));
    program->addAction(makeButton("ButtonNextMappe", "", "Gå til næste mappe", "ButtonNextMappe"));
    row->addWidget(program);

    m_stibox = new QTabBar(m_panelTop);
    m_stibox->setObjectName(QStringLiteral("stibox"));
    m_stibox->setExpanding(false);
    m_stibox->setDrawBase(false);
    m_stibox->setUsesScrollButtons(true);
    row->addWidget(m_stibox, 1);

    QToolBar* right = makeBar("ToolBarRight", m_panelTop);
    right->addAction(m_commands(QStringLiteral("aOpenAktuelleMappe")));
    right->addAction(makeButton("sbVisPanel", "", "Vis programmer eller favoritter", "sbVisPanel"));
    row->addWidget(right);
}

void MainToolbars::buildFolderBars() {
    m_toolBar1 = makeBar("ToolBar1", &m_window);
    m_toolBar1->addAction(
        helpButton("infoStrukturButton", "Information om strukturlinjen", "Strukturlinjen"));
    m_toolBar1->addAction(m_commands(QStringLiteral("aOpdaterLeft")));
    showText(m_toolBar1, m_commands(QStringLiteral("aOpdaterLeft")));
    QAction* history = makeButton("ButtonMakeHis", "Historiestruktur",
                                  "Konstruer en struktur med besøgte drev og mapper", "");
    m_toolBar1->addAction(history);
    showText(m_toolBar1, history);
    dropDown(m_toolBar1, "tbMapper", "", "Vælg specialmappe til visning", "PUmapper",
             "dropdownMapper", false);

    m_toolBar3 = makeBar("ToolBar3", &m_window);
    m_toolBar3->addAction(m_commands(QStringLiteral("aEmptyRB")));
    QAction* privat = makeButton("tbPrivatmapper", "Privatmapper",
                                 "Mapper: Skrivebord, Dokumenter, Billeder, Musik, Videoer samt "
                                 "Favoritter",
                                 "");
    m_toolBar3->addAction(privat);
    showText(m_toolBar3, privat);
    m_toolBar3->addAction(makeButton("tbSpecialStruktur", "",
                                     "Konstruer specialmapper som struktur", "specialStruktur"));
    m_toolBar3->addAction(makeButton("tbSpecialPunktStruktur", "",
                                     "Konstruer specialmapper som punktstruktur",
                                     "specialPunktStruktur"));
    m_toolBar3->addAction(m_commands(QStringLiteral("aOpdaterAll")));
    showText(m_toolBar3, m_commands(QStringLiteral("aOpdaterAll")));
}

void MainToolbars::buildFileBar() {
    m_toolBar2 = makeBar("ToolBar2", &m_window);
    m_toolBar2->addAction(m_commands(QStringLiteral("aOpdaterRight")));
    dropDown(m_toolBar2, "tbDrev", "", "Vælg drev til visning", "PUdrive", "dropdownDrev", false);
    dropDown(m_toolBar2, "tbFavoritter", "", "Vælg mappe til visning", "FavoritterPU",
             "dropdownFavoritter", false);
    dropDown(m_toolBar2, "tbAM", "Mappe", "Vælg redskabslinje", "PuAM", "", true);
    m_toolBar2->addSeparator();
    m_actionBar = makeBar("ToolBar", m_toolBar2);
    m_toolBar2->addWidget(m_actionBar);

    m_stiButtons = makeBar("PanelStiButtons", &m_window);
    m_stiButtons->addAction(m_commands(QStringLiteral("aGenvej")));
    m_stiButtons->addAction(m_commands(QStringLiteral("aInsertFavoritmappe")));
}

void MainToolbars::setAMfunktioner(int number) {
    if (number < 0 || number >= buttonSets().size())
        number = 0;
    m_set = number;
    m_actionBar->hide();
    m_actionBar->clear();
    for (const QString& name : buttonSets().at(number)) {
        QAction* action = m_commands(name);
        m_actionBar->addAction(action);
        if (name == QLatin1String("aAlarmSe"))
            showText(m_actionBar, action);
    }
    m_actionBar->show();
}
