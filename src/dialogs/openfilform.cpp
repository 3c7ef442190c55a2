#include "openfilform.h"
#include "mappebar.h"
#include "stifaner.h"

#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/imagelists.h"
#include "shared/mainhost.h"
#include "shared/strukturtree.h"
#include "shared/treedragdrop.h"
#include "shared/typeliste.h"

#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

Topenfilform::Topenfilform(MainHost& host, Handlinger handling)
    : LaaneDialog(host, "opentekstfil.txt", QSize(400, 508)), m_handling(std::move(handling)),
      m_stiboxen(new Stifaner(this)), m_openbox(new StrukturTree(this)),
      m_drevMenu(new QMenu(this)), m_openPanel(new QWidget(this)), m_gemPanel(new QWidget(this)),
      m_editSti(new QLineEdit(m_openPanel)), m_editFilnavn(new QLineEdit(m_gemPanel)),
      m_aRedigerDokument(new QAction(QStringLiteral("Rediger"), this)) {
    setObjectName(QStringLiteral("openfilform"));
    setMinimumSize(400, 500);
    auto* column = new QVBoxLayout(this);
    column->setSpacing(4);
    column->addWidget(vaerktoejslinje());
    column->addWidget(m_stiboxen);
    m_stiboxen->installEventFilter(this);

    auto* midte = new QHBoxLayout;
    midte->addWidget(mappeKnapper());
    m_openbox->setObjectName(QStringLiteral("openbox"));
    m_openbox->setImages(ImageLists::filliste());
    m_openbox->setRootIsDecorated(false);
    m_openbox->setIndentation(5);
    m_openbox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_openbox->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_openbox->setContextMenuPolicy(Qt::CustomContextMenu);
    midte->addWidget(m_openbox, 1);
    column->addLayout(midte, 1);

    // The open controls and the save controls share the bottom; the mode shows one of them.
    auto* aaben = new QGridLayout(m_openPanel);
    aaben->setContentsMargins(0, 0, 0, 0);
    aaben->addWidget(new QLabel(QStringLiteral("Filnavn"), m_openPanel), 0, 0);
    m_editSti->setObjectName(QStringLiteral("EditSti"));
    m_editSti->setReadOnly(true);
    aaben->addWidget(m_editSti, 0, 1, 1, 2);
    m_aRedigerDokument->setObjectName(QStringLiteral("aRedigerDokument"));
    m_aRedigerDokument->setStatusTip(
        QStringLiteral("Rediger valgte tekstdokument i den interne editor"));
    QPushButton* rediger =
        knap("redigerKnap", "Rediger", "Rediger valgte tekstdokument i den interne editor");
    QPushButton* luk = knap("lukKnap", "Luk", "Luk boksen");
    aaben->addWidget(rediger, 1, 1);
    aaben->addWidget(luk, 1, 2);
    aaben->setColumnStretch(1, 1);
    aaben->setColumnStretch(2, 1);
    column->addWidget(m_openPanel);

    auto* gem = new QGridLayout(m_gemPanel);
    gem->setContentsMargins(0, 0, 0, 0);
    gem->addWidget(new QLabel(QStringLiteral("Filnavn"), m_gemPanel), 0, 0);
    m_editFilnavn->setObjectName(QStringLiteral("EditFilnavn"));
    gem->addWidget(m_editFilnavn, 0, 1, 1, 2);
    QPushButton* gemKnap = knap("gemKnap", "Gem", "Åben tekstfilen til redigering");
    QPushButton* annuller = knap("annullerKnap", "Annuller", "Luk boksen");
    gem->addWidget(gemKnap, 1, 1);
    gem->addWidget(annuller, 1, 2);
    gem->setColumnStretch(1, 1);
    gem->setColumnStretch(2, 1);
    column->addWidget(m_gemPanel);

    connect(m_stiboxen, &QTabBar::tabBarClicked, this, [this](int index) {
        if (const QString sti = m_stiboxen->sti(index); !sti.isEmpty())
            m_host.funk().makeStruktur2(sti, false);
    });
    connect(m_openbox, &StrukturVisning::itemClicked, this, &Topenfilform::taegeValg);
    connect(m_openbox, &StrukturVisning::keySelectionChanged, this, &Topenfilform::taegeValg);
    connect(m_openbox, &StrukturVisning::itemDoubleClicked, this, &Topenfilform::aabnValgte);
    connect(m_openbox, &QWidget::customContextMenuRequested, this, &Topenfilform::visMenu);
    connect(m_aRedigerDokument, &QAction::triggered, this, &Topenfilform::RedigerClick);
    connect(rediger, &QPushButton::clicked, m_aRedigerDokument, &QAction::trigger);
    connect(m_aRedigerDokument, &QAction::enabledChanged, rediger, &QWidget::setEnabled);
    connect(m_editSti, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_aRedigerDokument->setEnabled(!text.isEmpty()); });
    m_aRedigerDokument->setEnabled(false);
    connect(luk, &QPushButton::clicked, this, &QDialog::reject);
    connect(gemKnap, &QPushButton::clicked, this, &Topenfilform::GemClick);
    connect(m_editFilnavn, &QLineEdit::returnPressed, this, &Topenfilform::GemClick);
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
    setTrae(m_openbox);
    // Drags within the tree and onto the path tabs, and files dropped by other programs.
    m_dragDrop = new TreeDragDrop(m_host, this);
    m_dragDrop->addTree(*m_openbox, TreeDragDrop::Target::Filbox);
    m_dragDrop->setStier(*m_stiboxen, [this](int tab) { return m_stiboxen->sti(tab); });

    placer();
}

Topenfilform::~Topenfilform() = default;

QWidget* Topenfilform::vaerktoejslinje() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setIconSize(QSize(16, 16));
    QAction* info = bar->addAction(CentredDialog::programIcon(QStringLiteral("cmd-aInformation")),
                                   QStringLiteral("Information angående dialogboksen"));
    info->setObjectName(QStringLiteral("infoKnap"));
    connect(info, &QAction::triggered, this, [this] {
        m_host.HelpInfo(boxType == 1 ? QStringLiteral("Gem dokument")
                                     : QStringLiteral("Åben tekstdokument"),
                        true);
    });
    bar->addSeparator();
    bar->addAction(m_handling(QStringLiteral("aOpenAktuelleMappe")));
    QAction* opdater =
        bar->addAction(CentredDialog::programIcon(QStringLiteral("cmd-aOpdaterRight")),
                       QStringLiteral("Opdater strukturen til aktuelle struktur"));
    opdater->setObjectName(QStringLiteral("opdaterKnap"));
    connect(opdater, &QAction::triggered, this,
            [this] { m_host.funk().makeStruktur2(m_aGrundmappe, false); });
    QToolButton* drev = drevKnap(m_drevMenu, "Vælg drev");
    drev->setIcon(CentredDialog::programIcon(QStringLiteral("cmd-dropdownDrev")));
    drev->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->addWidget(drev);
    bar->addSeparator();
    for (const char* name :
         {"aNyMappe", "aNyTekstfil", "aRename", "aDelete", "aMappeInfo", "aFilinfo"})
        bar->addAction(m_handling(QString::fromLatin1(name)));
    return bar;
}

QWidget* Topenfilform::mappeKnapper() {
    auto* side = new QWidget(this);
    side->setObjectName(QStringLiteral("mappeKnapper"));
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    using Opslag = std::function<std::optional<QString>()>;
    auto engine = [this](std::optional<QString> (TMapper::*find)(bool) const) -> Opslag {
        return [this, find] { return (m_host.funk().*find)(true); };
    };
    const struct {
        const char* caption;
        const char* hint;
        const char* icon;
        Opslag opslag;
    } knapper[] = {
        {"Dokumenter  ", "Valgte dokumentmappe", "Action2", engine(&TMapper::GetMyDocuments)},
        {"OneDrive       ", "Valgte OneDrive", "Action7",
         [this] { return Mappebar::oneDrive(m_host); }},
        {"Skrivebord    ", "Skrivebord", "Action1", engine(&TMapper::GetMyDesktop)},
        {"Billeder         ", "Valgte billedmappe", "Action4", engine(&TMapper::GetMyPictures)},
        {"Musik           ", "Valgte musikmappe", "Action5", engine(&TMapper::GetMyMusic)},
        {"Videoer        ", "Valgte videomappe", "Action6", engine(&TMapper::GetMyVideo)},
        {"Dokumenter  ", "Delt dokumentmappe", "Action2", engine(&TMapper::GetCommonDocuments)},
        {"Billeder          ", "Delt billedmappe", "Action4", engine(&TMapper::GetCommonPictures)},
        {"Musik            ", "Delt musikmappe", "Action5", engine(&TMapper::GetCommonMusic)},
        {"Videoer         ", "Delt videomappe", "Action6", engine(&TMapper::GetCommonVideo)},
    };
    int nummer = 0;
    for (const auto& knap : knapper) {
        if (nummer == 6) {
            auto* delte = new QLabel(QStringLiteral("Delte mapper"), side);
            delte->setContentsMargins(2, 8, 0, 2);
            column->addWidget(delte);
        }
        auto* button = new QToolButton(side);
        button->setObjectName(QStringLiteral("mappeKnap%1").arg(++nummer));
        button->setText(QString::fromUtf8(knap.caption));
        button->setToolTip(QString::fromUtf8(knap.hint));
        button->setStatusTip(button->toolTip());
        button->setIcon(CentredDialog::programIcon(QStringLiteral("cmd-") + knap.icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, opslag = knap.opslag] {
            if (const std::optional<QString> folder = opslag())
                m_host.funk().makeStruktur2(LogicalPath::normalized(*folder), false);
        });
        column->addWidget(button);
    }
    column->addStretch();
    return side;
}

void Topenfilform::initDirectory() {
    const bool gemmes = boxType == 1;
    setWindowTitle(gemmes ? QStringLiteral("Gem dokument") : QStringLiteral("Åben tekstdokument"));
    m_openPanel->setVisible(!gemmes);
    m_gemPanel->setVisible(gemmes);
    m_editSti->clear();
    m_editFilnavn->setText(gemmes ? Filnavn : QString());
    m_laan.emplace(m_host, 2, m_openbox,
                   [this](const QString& d, const QString& f, const QString& g, const QString& n) {
                       mappenChange(d, f, g, n);
                   });
    THandlinger& funk = m_host.funk();
    funk.makeDrevTekstMenu(m_drevMenu);
    m_aGrundmappe = funk.Grundmappe();
    if (!m_aGrundmappe.isEmpty())
        funk.makeStruktur2(m_aGrundmappe, false);
    else
        m_stiboxen->byg(QString());
    if (gemmes) {
        m_editFilnavn->setFocus();
        m_editFilnavn->selectAll();
    } else {
        m_openbox->setFocus();
    }
}

void Topenfilform::mappenChange(const QString&, const QString&, const QString& grundDir,
                                const QString& filnavnet) {
    m_stiboxen->byg(grundDir);
    if (TGrundMetoder::erDetEnTekstfil(LogicalPath::extension(filnavnet))) {
        const QString navn = LogicalPath::lastComponent(filnavnet);
        m_editSti->setText(navn);
        m_editFilnavn->setText(navn);
    } else {
        m_editSti->clear();
    }
}

void Topenfilform::taegeValg() {
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(2);
    funk.infoStruktur2();
    emit valgtSkift();
}

void Topenfilform::aabnValgte() {
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(2);
    funk.infoStruktur2();
    funk.udfoldFilDirectory();
    const QString valgt = funk.Filnavn();
    if (!Platform::files().isFile(valgt))
        return;
    if (boxType == 1) {
        Filnavn = valgt;
        accept();
    } else {
        OpenInEditor(valgt);
    }
}

void Topenfilform::OpenInEditor(const QString& file) {
    if (!m_host.typeliste().erTekstType(LogicalPath::extension(file)) &&
        !Platform::prompter().question(QStringLiteral(
            "Filtypen er ukendt.\nEr det en tekstfil, der kan åbnes til redigering?")))
        return;
    m_host.openwin(LogicalPath::lastComponent(file), file);
}

void Topenfilform::RedigerClick() {
    // Every file selected opens; without a selection the file the name box names.
    QStringList files;
    for (const StrukturItem* node : m_openbox->selectedItems())
        if (Platform::files().isFile(node->rec.filnavn))
            files.append(node->rec.filnavn);
    const QString valgt = m_host.funk().Filnavn();
    if (files.isEmpty() && Platform::files().isFile(valgt) &&
        LogicalPath::lastComponent(valgt).compare(m_editSti->text(), Qt::CaseInsensitive) == 0)
        files.append(valgt);
    for (const QString& file : std::as_const(files))
        OpenInEditor(file);
    accept();
}

void Topenfilform::GemClick() {
    const QString navn = m_editFilnavn->text().trimmed();
    if (navn.isEmpty())
        return;
    if (!THandlinger::gyldigtNavn(navn)) {
        Platform::prompter().message(
            QStringLiteral("\"%1\" kan ikke bruges som filnavn.\nEt filnavn må ikke være \".\" "
                           "eller \"..\" og må ikke indeholde tegnene \\ / : * ? \" < > | "
                           "eller styretegn.")
                .arg(navn),
            MessageKind::Information);
        return;
    }
    const QString path = m_host.funk().Grundmappe() + QLatin1Char('\\') + navn;
    if (Platform::files().isFolder(path)) {
        Platform::prompter().message(
            QStringLiteral("Der findes en mappe med navnet \"%1\".\nVælg et andet filnavn.")
                .arg(navn),
            MessageKind::Information);
        return;
    }
    Filnavn = path;
    accept();
}

void Topenfilform::visMenu(const QPoint& position) {
    // A right click on an element not selected makes it the selection first.
    if (StrukturItem* node = m_openbox->itemAt(position)) {
        if (!node->isSelected())
            m_openbox->setCurrentItem(node, QItemSelectionModel::ClearAndSelect);
        taegeValg();
    }
    QMenu menu(this);
    auto tilfoej = [this](QMenu& to, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name)
                to.addAction(m_handling(QString::fromLatin1(name)));
            else
                to.addSeparator();
        }
    };
    tilfoej(menu, {"aCopy", "aKlip", "aPaste", "", "aDelete", "aRename", "aDeletePermanent", "",
                   "aMarkerAlt", "aMarkerIngen", "aMarkerInvers", ""});
    QMenu* filfunktioner = menu.addMenu(QStringLiteral("Filfunktioner"));
    tilfoej(*filfunktioner, {"aRun", "aRedigerFil", "aOpen"});
    menu.exec(m_openbox->viewport()->mapToGlobal(position));
}

bool Topenfilform::eventFilter(QObject* watched, QEvent* event) {
    // Pressing on the path tabs clears the selection, as on the main window's.
    if (watched == m_stiboxen && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QAction* ingen = m_handling(QStringLiteral("aMarkerIngen"));
        if (ingen->isEnabled())
            ingen->trigger();
    }
    return LaaneDialog::eventFilter(watched, event);
}

void Topenfilform::done(int result) {
    if (m_laan) {
        Mappenavn = m_host.funk().Grundmappe();
        m_laan.reset();
    }
    LaaneDialog::done(result);
}
