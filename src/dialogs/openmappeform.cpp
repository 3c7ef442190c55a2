#include "openmappeform.h"
#include "mappebar.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/datafolders.h"
#include "shared/imagelists.h"
#include "shared/mainhost.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Topenmappeform::Topenmappeform(MainHost& host)
    : LaaneDialog(host, "mappediaform.txt", QSize(370, 480)), m_mappebox(new StrukturVisning(this)),
      m_editpath(new QLineEdit(this)), m_editmappe(new QLineEdit(this)),
      m_drevMenu(new QMenu(this)),
      m_insertMappe(new QAction(QStringLiteral("Indsæt mappen"), this)),
      m_insertMappeKnap(nullptr) {
    setObjectName(QStringLiteral("openmappeform"));
    setWindowTitle(QStringLiteral("Vælg mappe"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(new Mappebar(
        host, [this](const QString& folder, const QString& label) { visEnMappe(folder, label); },
        this));
    column->addWidget(new QLabel(QStringLiteral("Sti"), this));
    m_editpath->setObjectName(QStringLiteral("editpath"));
    m_editpath->setReadOnly(true);
    column->addWidget(m_editpath);

    auto* midte = new QHBoxLayout;
    m_mappebox->setObjectName(QStringLiteral("mappebox"));
    m_mappebox->setImages(ImageLists::dirliste());
    m_mappebox->setIndentation(12);
    m_mappebox->setExpandsOnDoubleClick(false);
    m_mappebox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    midte->addWidget(m_mappebox, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Kendte mapper"), this));
    QPushButton* medSti = knap("kmStiKnap", "Med sti", "Kendte mapper med sti");
    QPushButton* udenSti = knap("kmUdenStiKnap", "Uden sti", "Kendte mapper uden sti");
    side->addWidget(medSti);
    side->addWidget(udenSti);
    side->addWidget(new QLabel(QStringLiteral("Normal struktur"), this));
    QPushButton* opdater =
        knap("opdaterKnap", "Opdater", "Opdater til normalstruktur: Vis alle drev");
    side->addWidget(opdater);
    side->addWidget(new QLabel(QStringLiteral("Isolerede drev"), this));
    side->addWidget(drevKnap(m_drevMenu, "Vælg drev"));
    side->addStretch();
    QPushButton* info = knap("infoKnap", "Information", "Åben informationen angående boksen");
    side->addWidget(info);
    midte->addLayout(side);
    column->addLayout(midte, 1);

    auto* fod = new QGridLayout;
    m_insertMappe->setObjectName(QStringLiteral("aInsertMappe"));
    m_insertMappe->setShortcut(Qt::Key_Insert);
    m_insertMappe->setStatusTip(QStringLiteral("Indsætter mappen uden at lukke boksen: Ins"));
    addAction(m_insertMappe);
    m_insertMappeKnap =
        knap("insertMappeKnap", "Indsæt mappen", "Indsætter mappen uden at lukke boksen: Ins");
    fod->addWidget(m_insertMappeKnap, 0, 0, 1, 2);
    fod->addWidget(new QLabel(QStringLiteral("Mappe"), this), 1, 0);
    m_editmappe->setObjectName(QStringLiteral("editmappe"));
    m_editmappe->setReadOnly(true);
    fod->addWidget(m_editmappe, 1, 1);
    QPushButton* open = knap("openKnap", "Vælg", "Vælg viste mappe");
    QPushButton* luk = knap("lukKnap", "Luk", "Luk boksen");
    fod->addWidget(open, 2, 0);
    fod->addWidget(luk, 2, 1);
    column->addLayout(fod);

    for (auto signal : {&StrukturVisning::itemClicked, &StrukturVisning::keySelectionChanged})
        connect(m_mappebox, signal, this, [this] {
            m_host.funk().setAktiveStruktur(1);
            m_host.funk().getDirectory();
            opdaterBokse();
        });
    connect(m_mappebox, &StrukturVisning::itemDoubleClicked, this, &Topenmappeform::aabnValgte);
    connect(medSti, &QPushButton::clicked, this, [this] { visKendte(true); });
    connect(udenSti, &QPushButton::clicked, this, [this] { visKendte(false); });
    connect(opdater, &QPushButton::clicked, this, [this] {
        m_host.funk().setDirmappe(m_host.funk().makeStruktur1());
        opdaterBokse();
    });
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Vælg mappe"), true); });
    connect(m_insertMappe, &QAction::triggered, this, [this] {
        Mappenavn = m_host.funk().Dirmappe();
        if (Mappenavn.isEmpty())
            return;
        if (FonSelectMappe)
            FonSelectMappe(Mappenavn);
        else
            accept();
    });
    connect(m_insertMappeKnap, &QPushButton::clicked, m_insertMappe, &QAction::trigger);
    connect(open, &QPushButton::clicked, this, &QDialog::accept);
    connect(luk, &QPushButton::clicked, this, &QDialog::reject);
    setTrae(m_mappebox);

    placer();
}

Topenmappeform::~Topenmappeform() = default;

void Topenmappeform::initDirectory(const QString& aMappe, const QString& aTekst) {
    QString mappe = LogicalPath::normalized(aMappe);
    QString tekst = aTekst;
    if (!Platform::files().isFolder(mappe))
        mappe = tekst = QStringLiteral("C:");
    THandlinger& funk = m_host.funk();
    m_insertMappeKnap->setVisible(bool(FonSelectMappe));
    m_laan.emplace(
        m_host, 1, m_mappebox,
        [this](const QString&, const QString&, const QString&, const QString&) { opdaterBokse(); });
    funk.makeDrevMappeMenu(m_drevMenu);
    if (!tekst.isEmpty()) {
        funk.setDirmappe(mappe);
        funk.makePunktStruktur({mappe}, QStringList{tekst}, PunktStruktur);
    } else {
        funk.makeStruktur1();
        funk.setDirmappe(funk.udfoldStruktur1(mappe, true));
    }
    opdaterBokse();
    m_editpath->setText(mappe);
    m_mappebox->setFocus();
}

void Topenmappeform::aabnValgte() {
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(1);
    funk.getDirectory();
    funk.deleteSelected(true);
    funk.udfoldDirectory();
    opdaterBokse();
}

void Topenmappeform::opdaterBokse() {
    const QString mappe = m_host.funk().Dirmappe();
    m_editpath->setText(mappe);
    m_editmappe->setText(THandlinger::getLastDirectory(mappe));
    m_insertMappe->setEnabled(!mappe.isEmpty());
}

void Topenmappeform::visEnMappe(const QString& folder, const QString& label) {
    THandlinger& funk = m_host.funk();
    funk.setDirmappe(folder);
    funk.setAktiveStruktur(1);
    if (funk.makePunktStruktur({folder}, QStringList{label}, PunktStruktur))
        funk.udfoldDirectory();
    opdaterBokse();
}

void Topenmappeform::visKendte(bool medSti) {
    QStringList folders, labels;
    m_host.kendteMapper(folders, labels);
    if (medSti)
        m_host.funk().makeHistoryStruktur(folders);
    else
        m_host.funk().makePunktStruktur(folders, labels, PunktStruktur);
    opdaterBokse();
}

void Topenmappeform::done(int result) {
    FonSelectMappe = {};
    if (m_laan) {
        Mappenavn = m_host.funk().Dirmappe();
        m_laan.reset();
    }
    LaaneDialog::done(result);
}
