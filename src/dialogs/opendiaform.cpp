#include "opendiaform.h"
#include "mappebar.h"
#include "stifaner.h"

#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/datafolders.h"
#include "shared/imagelists.h"
#include "shared/mainhost.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

Topendiaform::Topendiaform(MainHost& host)
    : LaaneDialog(host, "opendiaform.txt", QSize(370, 460)),
      m_mappebar(new Mappebar(
          host,
          [this](const QString& folder, const QString&) {
              m_host.funk().makeStruktur2(folder, false);
          },
          this)),
      m_stiboxen(new Stifaner(this)), m_openbox(new StrukturVisning(this)),
      m_editSti(new QLineEdit(this)), m_drevMenu(new QMenu(this)) {
    setObjectName(QStringLiteral("opendiaform"));
    setWindowTitle(QStringLiteral("Vælg fil"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_mappebar);
    column->addWidget(m_stiboxen);
    auto* midte = new QHBoxLayout;
    m_openbox->setObjectName(QStringLiteral("openbox"));
    m_openbox->setImages(ImageLists::filliste());
    m_openbox->setRootIsDecorated(false);
    m_openbox->setIndentation(5);
    m_openbox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    midte->addWidget(m_openbox, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(drevKnap(m_drevMenu, "Vælg drev til gennemsyn"));
    side->addWidget(new QLabel(QStringLiteral("Vis kun filer"), this));
    QPushButton* alle = knap("alleFilerKnap", "Alle filer", "Vis kun filerne i aktuelle mappe");
    QPushButton* exe = knap("exeFilerKnap", "Exe filer", "Vis kun exe-filerne i aktuelle mappe");
    side->addWidget(alle);
    side->addWidget(exe);
    side->addWidget(new QLabel(QStringLiteral("Normal struktur"), this));
    QPushButton* opdater = knap("opdaterKnap", "Opdater", "Opdater til normalstruktur");
    side->addWidget(opdater);
    side->addStretch();
    QPushButton* info = knap("infoKnap", "Information", "Åben informationen angående boksen");
    side->addWidget(info);
    midte->addLayout(side);
    column->addLayout(midte, 1);
    auto* fod = new QGridLayout;
    fod->addWidget(new QLabel(QStringLiteral("Filnavn"), this), 0, 0);
    m_editSti->setObjectName(QStringLiteral("EditSti"));
    m_editSti->setReadOnly(true);
    fod->addWidget(m_editSti, 0, 1, 1, 2);
    QPushButton* open = knap("openKnap", "Vælg", "Vælg viste fil");
    QPushButton* luk = knap("lukKnap", "Luk", "Luk boksen");
    fod->addWidget(open, 1, 1);
    fod->addWidget(luk, 1, 2);
    column->addLayout(fod);

    connect(m_stiboxen, &QTabBar::tabBarClicked, this, [this](int index) {
        if (const QString sti = m_stiboxen->sti(index); !sti.isEmpty())
            m_host.funk().makeStruktur2(sti, false);
    });
    for (auto signal : {&StrukturVisning::itemClicked, &StrukturVisning::keySelectionChanged})
        connect(m_openbox, signal, this, [this] {
            m_host.funk().setAktiveStruktur(2);
            m_host.funk().infoStruktur2();
        });
    connect(m_openbox, &StrukturVisning::itemDoubleClicked, this, &Topendiaform::aabnValgte);
    connect(alle, &QPushButton::clicked, this, [this] { m_host.funk().makeStrukturFil({}); });
    connect(exe, &QPushButton::clicked, this,
            [this] { m_host.funk().makeStrukturFil(QStringLiteral("exe")); });
    connect(opdater, &QPushButton::clicked, this,
            [this] { m_host.funk().makeStruktur2(m_host.funk().Grundmappe(), false); });
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Vælg fil"), true); });
    connect(open, &QPushButton::clicked, this, &QDialog::accept);
    connect(luk, &QPushButton::clicked, this, &QDialog::reject);
    setTrae(m_openbox);

    placer();
}

Topendiaform::~Topendiaform() = default;

void Topendiaform::initDirectory(const QString& aMappe, bool medMappebar) {
    m_mappebar->setVisible(medMappebar);
    m_laan.emplace(
        m_host, 2, m_openbox,
        [this](const QString&, const QString&, const QString&, const QString&) { mappeSkift(); });
    THandlinger& funk = m_host.funk();
    funk.makeDrevTekstMenu(m_drevMenu);
    // The pane keeps what it showed at the last closing when no folder is asked for.
    if (!Mappenavn.isEmpty())
        funk.setGrundmappe(Mappenavn);
    QString mappe = aMappe;
    if (mappe.endsWith(QLatin1Char('\\')) && !LogicalPath::isDriveRoot(mappe))
        mappe.chop(1);
    if (!mappe.isEmpty() && Platform::files().isFolder(mappe))
        funk.makeStruktur2(LogicalPath::normalized(mappe), false);
    else
        mappeSkift();
    m_editSti->setText(Platform::files().isFile(Filnavn) ? LogicalPath::lastComponent(Filnavn)
                                                         : QString());
    m_openbox->setFocus();
}

void Topendiaform::mappeSkift() {
    m_stiboxen->byg(m_host.funk().Grundmappe());
    const QString valgt = m_host.funk().Filnavn();
    m_editSti->setText(Platform::files().isFile(valgt) ? LogicalPath::lastComponent(valgt)
                                                       : QString());
}

void Topendiaform::aabnValgte() {
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(2);
    funk.infoStruktur2();
    funk.udfoldFilDirectory();
    if (Platform::files().isFile(funk.Filnavn()))
        accept();
}

void Topendiaform::done(int result) {
    if (m_laan) {
        Mappenavn = m_host.funk().Grundmappe();
        const QString fil = LogicalPath::join(Mappenavn, m_editSti->text());
        Filnavn = !m_editSti->text().isEmpty() && Platform::files().isFile(fil) ? fil : QString();
        m_laan.reset();
    }
    LaaneDialog::done(result);
}
