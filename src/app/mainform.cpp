#include "mainform.h"
#include "aboutbox.h"
#include "billedform.h"
#include "extform.h"
#include "fileexistsform.h"
#include "imagelists.h"
#include "kopieringsform.h"
#include "progressform.h"
#include "spmform.h"
#include "statustekster.h"

#include "engine/handlinger.h"
#include "platform/installation.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* makeTree(QWidget* parent, const QString& name) {
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setFont(QFont(QStringLiteral("Tahoma"), -1));
    QFont font = tree->font();
    font.setPixelSize(13);
    tree->setFont(font);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return tree;
}

} // namespace

Tmainform::Tmainform(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_arguments(arguments),
      // The built-in editor comes with the document windows; until then a text file that
      // no program opens is left alone.
      m_launcher(
          opt, [this] { return appdir; }, [](const QString&) {},
          [this](const QString& text) { Info(text); }) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setObjectName(QStringLiteral("mainform"));
    hentBrugernavn();
    setWindowTitle(QStringLiteral("Ravnsti: ") + m_brugernavn);
    buildLayout();
    m_dataRootUsable = makeDataFolders();
    hentOpt();
    startEngine();
    startStrukturer();
    hentTypelisteFil();
    QApplication::restoreOverrideCursor();
    createWindows();
}

void Tmainform::createWindows() {
    // In the order the program has always made them; the windows of the parts not built
    // yet will take their places in this list.
    m_aboutBox = new TAboutBox(this);
    m_progressform = new Tprogressform(this);
    m_spmForm = new TspmForm(this);
    m_kopieringsform = new Tkopieringsform(this);
    m_fileExistsForm = new TfileExistsForm(this);
    m_billedform = new Tbilledform(this);
    m_extForm = new TextForm(this);
}

Tmainform::~Tmainform() = default;

void Tmainform::hentBrugernavn() {
    const auto name = Platform::user().loginName();
    m_brugernavn = !name             ? QStringLiteral("Brugernavn")
                   : name->isEmpty() ? QStringLiteral("Alle")
                                     : *name;
}

bool Tmainform::makeDataFolders() {
    const QString hostRoot = Installation::dataRoot();
    const auto root = Platform::logicalPath(hostRoot);
    FileResult made =
        root ? Platform::files().makeFolder(*root) : FileResult::failure(FileError::Unmappable);
    if (!made) {
        Platform::prompter().message(
            QStringLiteral("Datamappen %1 kan ikke bruges.\nIndstillingerne bliver hverken "
                           "læst eller gemt.")
                .arg(hostRoot),
            MessageKind::Error);
        return false;
    }
    programDir = *root;
    Installation::linkProgramFolder(hostRoot);
    const QString program = programDir + QStringLiteral("\\Program");
    ikonDir = program + QStringLiteral("\\Ikoner\\");
    scriptdir = program + QStringLiteral("\\Scripts\\");
    appdir = program + QStringLiteral("\\Window applets\\");
    lydfilDir = program + QStringLiteral("\\Alarmlydfiler\\");
    strukturDir = program + QStringLiteral("\\Struktur");
    htmllistedir = program + QStringLiteral("\\Dir\\Html\\");
    attributedir = program + QStringLiteral("\\Dir\\Attributes\\");

    const QString user = LogicalPath::join(programDir, m_brugernavn);
    optDir = user + QStringLiteral("\\Egenskaber\\");
    lastStruktur = optDir + QStringLiteral("lastStruktur.txt");
    musikListeDir = user + QStringLiteral("\\Musik\\");
    mappestrukturDir = user + QStringLiteral("\\Mappestrukturer\\");
    brugerKalenderMappe = user + QStringLiteral("\\Kalender");
    brugerNotatMappe = user + QStringLiteral("\\Notater");
    alarmDir = user + QStringLiteral("\\Alarmer\\");
    alarmTekster = user + QStringLiteral("\\Alarmtekster\\");
    optFilnavn = optDir + QStringLiteral("mainform.txt");
    typelisteNavn = optDir + QStringLiteral("typeliste.txt");
    for (const QString& folder : {optDir, musikListeDir, mappestrukturDir, brugerKalenderMappe,
                                  brugerNotatMappe, alarmDir, alarmTekster})
        Platform::files().makeFolder(LogicalPath::normalized(folder));
    return true;
}

void Tmainform::standardOpt() {
    opt.applyDefaults();
    if (!m_styles.apply(opt.designName))
        m_styles.applyBuiltIn();
}

void Tmainform::hentOpt() {
    QStringList lines;
    if (!m_dataRootUsable || !TextFile::read(optFilnavn, lines)) {
        standardOpt();
    } else {
        const bool complete = opt.read(lines);
        // A style that is not installed leaves the built-in look; the other settings stay.
        if (!m_styles.apply(opt.designName))
            m_styles.applyBuiltIn();
        if (!complete)
            standardOpt();
    }
    m_panelDirbox->resize(opt.panelDirboxWidth, m_panelDirbox->height());
    m_splitter->setSizes({opt.panelDirboxWidth, qMax(1, width() - opt.panelDirboxWidth)});
}

bool Tmainform::gemOpt() {
    if (!m_dataRootUsable)
        return false;
    opt.lastMappe = m_funk->Grundmappe();
    opt.mainBarShown = opt.mainBarVisible;
    if (!isMaximized() && !isMinimized()) {
        opt.formTop = y();
        opt.formLeft = x();
        opt.formWidth = width();
        opt.formHeight = height();
    }
    opt.panelDirboxWidth = m_panelDirbox->width();
    if (!TextFile::write(optFilnavn, opt.lines())) {
        Platform::prompter().message(
            QStringLiteral("Indstillingerne kunne ikke gemmes.\nDen gamle fil er bevaret."),
            MessageKind::Error);
        return false;
    }
    return true;
}

void Tmainform::hentTypelisteFil() {
    if (m_dataRootUsable)
        m_typeliste.load(typelisteNavn);
}

void Tmainform::makeTypeliste() {
    m_typeliste.makeStandard();
    if (m_dataRootUsable && !m_typeliste.save(typelisteNavn))
        Platform::prompter().message(QStringLiteral("Typelisten kunne ikke gemmes."),
                                     MessageKind::Error);
}

void Tmainform::buildLayout() {
    setMinimumSize(882, 720);
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_panelDirbox = new QWidget;
    m_panelDirbox->setObjectName(QStringLiteral("PanelDirbox"));
    m_panelDirbox->setMinimumWidth(260);
    auto* left = new QVBoxLayout(m_panelDirbox);
    left->setContentsMargins(0, 0, 0, 0);
    m_dirbox = makeTree(m_panelDirbox, QStringLiteral("dirbox"));
    m_dirbox->setIndentation(12);
    left->addWidget(m_dirbox);

    m_panelRight = new QWidget;
    m_panelRight->setObjectName(QStringLiteral("PanelRight"));
    auto* right = new QVBoxLayout(m_panelRight);
    right->setContentsMargins(0, 0, 0, 0);
    m_filbox = makeTree(m_panelRight, QStringLiteral("filbox"));
    m_filbox->setIndentation(5);
    m_filbox->setRootIsDecorated(false);
    m_filbox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right->addWidget(m_filbox);
    m_splitter->addWidget(m_panelDirbox);
    m_splitter->addWidget(m_panelRight);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    column->addWidget(m_splitter, 1);

    auto* panelSti = new QWidget(central);
    panelSti->setObjectName(QStringLiteral("PanelSti"));
    panelSti->setFixedHeight(30);
    auto* sti = new QHBoxLayout(panelSti);
    sti->setContentsMargins(4, 2, 4, 2);
    sti->addWidget(new QLabel(QStringLiteral("Aktuelle sti"), panelSti));
    m_editSti = new QLineEdit(panelSti);
    m_editSti->setObjectName(QStringLiteral("EditSti"));
    m_editSti->setReadOnly(true);
    sti->addWidget(m_editSti, 1);
    column->addWidget(panelSti);
    setCentralWidget(central);

    m_infobar = new QStatusBar(this);
    m_infobar->setObjectName(QStringLiteral("infobar"));
    m_infobar->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(m_infobar);
        panel->setObjectName(QStringLiteral("infobarPanel%1").arg(i + 1));
        m_panels.append(panel);
    }
    m_panels.at(0)->setMinimumWidth(200);
    m_panels.at(1)->setFixedWidth(12);
    m_panels.at(1)->setFrameShape(QFrame::Panel);
    m_panels.at(1)->setFrameShadow(QFrame::Raised);
    m_infobar->addWidget(m_panels.at(0));
    m_infobar->addWidget(m_panels.at(1));
    m_infobar->addWidget(m_panels.at(2), 1);
    setStatusBar(m_infobar);

    connect(m_dirbox, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { dirboxClick(item); });
    connect(m_dirbox, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { dirboxDblClick(item); });
    connect(m_filbox, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { filboxClick(item); });
    connect(m_filbox, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { filboxDblClick(item); });
}

void Tmainform::startEngine() {
    m_funk = std::make_unique<THandlinger>(this, *this);
    m_funk->setStruktur1(m_dirbox);
    m_funk->setStruktur2(m_filbox);
    m_funk->setAktiveStruktur(1);
    m_funk->setMedtagPrivat(opt.medPrivat);
    m_funk->setPrivatTop(opt.privatOnTop);
    m_funk->setBrugernavn(m_brugernavn);
    m_funk->setImageDirliste(ImageLists::dirliste());
    m_funk->setImageFilliste(ImageLists::filliste());
    m_funk->onDirectoryChange = [this](const QString& d, const QString& f, const QString& g,
                                       const QString& n) { mappeChange(d, f, g, n); };
}

void Tmainform::startStrukturer() {
    // Saved history and dot structures come with the structure commands; until then the
    // normal tree is built.
    m_funk->setGrundmappe(m_funk->makeStruktur1());
    const QString grund = m_funk->Grundmappe();
    if (opt.openMedLastMappe && !opt.lastMappe.isEmpty() &&
        Platform::files().isFolder(opt.lastMappe))
        m_funk->makeStruktur2(opt.lastMappe, true);
    else if (!grund.isEmpty() && Platform::files().isFolder(grund))
        m_funk->makeStruktur2(grund, true);
    else
        m_funk->makeStruktur2(QStringLiteral("C:"), true);
}

void Tmainform::makeSpecialStruktur() {
    // No saved structure can be rebuilt yet: show the normal tree.
    m_funk->setGrundmappe(m_funk->makeStruktur1());
}

void Tmainform::historyChanged(bool, bool, bool) {}

void Tmainform::showPicture(const QImage& picture, const QString& fileName) {
    m_billedform->showPicture(picture, fileName);
}

void Tmainform::Info(const QString& text) {
    m_panels.at(2)->setText(text);
}

QString Tmainform::infoText(int panel) const {
    return panel >= 1 && panel <= m_panels.size() ? m_panels.at(panel - 1)->text() : QString();
}

void Tmainform::mappeChange(const QString&, const QString&, const QString& grundDir,
                            const QString& filnavnet) {
    m_editSti->setText(LogicalPath::isDriveRoot(grundDir) && grundDir.size() == 2
                           ? grundDir + QLatin1Char('\\')
                           : grundDir);
    Info(filnavnet);
}

void Tmainform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (opstart)
        FormShow();
}

void Tmainform::FormShow() {
    opstart = false;
    placeWindow();
}

void Tmainform::placeWindow() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect available = primary ? primary->availableGeometry() : QRect(0, 0, 1280, 1024);
    QRect saved(opt.formLeft, opt.formTop, qMax(opt.formWidth, minimumWidth()),
                qMax(opt.formHeight, minimumHeight()));
    // A window saved on a screen that is gone, or mostly off every screen, opens centred.
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(saved);
        if (overlap.width() >= 100 && overlap.height() >= 50 &&
            screen->availableGeometry().contains(saved.topLeft() + QPoint(50, 10)))
            visible = true;
    }
    if (opt.centred || !visible) {
        saved.setSize(saved.size().boundedTo(available.size()).expandedTo(minimumSize()));
        saved.moveCenter(available.center());
    }
    setGeometry(saved);
}

void Tmainform::closeEvent(QCloseEvent* event) {
    gemOpt();
    event->accept();
}

void Tmainform::dirboxClick(QTreeWidgetItem*) {
    m_funk->setAktiveStruktur(1);
    const QString folder = m_funk->getDirectory();
    if (!folder.isEmpty() && !LogicalPath::same(folder, m_funk->Grundmappe()))
        m_funk->makeStruktur2(folder, true);
}

void Tmainform::dirboxDblClick(QTreeWidgetItem*) {
    m_funk->setAktiveStruktur(1);
    m_funk->deleteSelected(true);
    m_funk->udfoldDirectory();
}

void Tmainform::filboxClick(QTreeWidgetItem*) {
    m_funk->setAktiveStruktur(2);
    m_funk->infoStruktur2();
}

void Tmainform::filboxDblClick(QTreeWidgetItem*) {
    m_funk->setAktiveStruktur(2);
    m_funk->udfoldFilDirectory();
    const QString file = m_funk->Filnavn();
    if (!file.isEmpty() && Platform::files().exists(file) && !Platform::files().isFolder(file))
        m_launcher.OpenFil(file, false);
}
