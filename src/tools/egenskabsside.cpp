#include "egenskabsside.h"
#include "sideoverskrift.h"

#include "engine/handlinger.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

EgenskabsSide::EgenskabsSide(MainHost& host, QWidget* parent)
    : QWidget(parent), m_host(host),
      m_askDelete(
          checkBox("CheckBoxAskDelete", QStringLiteral("Spørg altid før sletning af elementer"))),
      m_askInsert(checkBox("CheckBoxAskInsert",
                           QStringLiteral("Spørg altid før indsættelse af elementer"))),
      m_askMove(
          checkBox("CheckBoxAskMove", QStringLiteral("Spørg altid før flytning af elementer"))),
      m_papirkurv(checkBox("CheckBoxPapirkurv",
                           QStringLiteral("Slet til papirkurv ved flytning af elementer"))),
      m_toolbar(checkBox("CheckBoxToolbar", QStringLiteral("Vis redskabslinie"))),
      m_strukturlinier(
          checkBox("CheckBoxStrukturlinier", QStringLiteral("Vis strukturlinier i struktur 1"))),
      m_billed(checkBox("CheckBoxBilled", QStringLiteral("Vis billede: Ctrl+Ins"))),
      m_medPrivat(checkBox("CheckBoxMedPrivat", QStringLiteral("Medtag privatmapper"))),
      m_privatOnTop(checkBox("CheckBoxPrivatOnTop", QStringLiteral("Placer privatmapper øverst"))),
      m_open(checkBox("CheckBoxOpen", QStringLiteral("Start programmet op med sidst valgte mappe"),
                      QStringLiteral("Der er tale om mappen der vises i sekundærstrukturen"))),
      m_struktur(checkBox("CheckBoxStruktur",
                          QStringLiteral("Start programmet op med sidst valgte struktur"),
                          QStringLiteral("Fungerer hvis der er tale om specialstrukturer i "
                                         "primærstrukturen"))),
      m_gem(dialogKnap("side1Gem", QStringLiteral("Gem"), QString(), this)) {
    setObjectName(QStringLiteral("side1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sideOverskrift(QStringLiteral("Handlinger: Slet, flyt og indsæt"), this));
    for (QCheckBox* box : {m_askDelete, m_askInsert, m_askMove, m_papirkurv})
        layout->addWidget(box);
    layout->addWidget(sideOverskrift(QStringLiteral("Andre aspekter: Vis"), this));
    for (QCheckBox* box : {m_toolbar, m_strukturlinier, m_billed})
        layout->addWidget(box);
    layout->addWidget(sideOverskrift(QStringLiteral("Privatmapper: Primærstrukturen"), this));
    for (QCheckBox* box : {m_medPrivat, m_privatOnTop})
        layout->addWidget(box);
    layout->addWidget(sideOverskrift(QStringLiteral("Programopstart"), this));
    for (QCheckBox* box : {m_open, m_struktur})
        layout->addWidget(box);
    layout->addStretch(1);
    layout->addWidget(m_gem, 0, Qt::AlignRight);
    connect(m_gem, &QPushButton::clicked, this, &EgenskabsSide::gem);
}

QCheckBox* EgenskabsSide::checkBox(const char* name, const QString& text, const QString& hint) {
    auto* box = new QCheckBox(text, this);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(hint);
    box->setStatusTip(hint);
    // A click, by mouse or by the space bar, is a change of this page.
    connect(box, &QCheckBox::clicked, this, [this] { m_gem->setEnabled(true); });
    return box;
}

void EgenskabsSide::hent() {
    const MainOptions& opt = m_host.opt();
    m_askDelete->setChecked(opt.AskDelete);
    m_askInsert->setChecked(opt.AskInsert);
    m_askMove->setChecked(opt.AskMove);
    m_papirkurv->setChecked(opt.sletTilPapirkurv);
    m_toolbar->setChecked(opt.mainBarVisible);
    m_strukturlinier->setChecked(opt.treeLines);
    m_billed->setChecked(opt.visBillede);
    m_medPrivat->setChecked(opt.medPrivat);
    m_privatOnTop->setChecked(opt.privatOnTop);
    m_open->setChecked(opt.openMedLastMappe);
    m_struktur->setChecked(opt.openLastStruktur);
    m_gem->setEnabled(false);
}

void EgenskabsSide::gem() {
    MainOptions& opt = m_host.opt();
    opt.AskDelete = m_askDelete->isChecked();
    opt.AskInsert = m_askInsert->isChecked();
    opt.AskMove = m_askMove->isChecked();
    opt.sletTilPapirkurv = m_papirkurv->isChecked();
    opt.mainBarVisible = m_toolbar->isChecked();
    opt.treeLines = m_strukturlinier->isChecked();
    opt.visBillede = m_billed->isChecked();
    opt.medPrivat = m_medPrivat->isChecked();
    opt.privatOnTop = m_privatOnTop->isChecked();
    opt.openMedLastMappe = m_open->isChecked();
    opt.openLastStruktur = m_struktur->isChecked();
    m_host.anvendVisning();
    const THandlinger& funk = m_host.funk();
    if (opt.medPrivat != funk.MedtagPrivat() || opt.privatOnTop != funk.PrivatTop())
        m_host.anvendPrivatmapper();
    m_gem->setEnabled(false);
}
