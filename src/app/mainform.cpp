#include "mainform.h"
#include "alarmcommands.h"
#include "commandtable.h"
#include "dokumentdialogcommands.h"
#include "dokumentomraade.h"
#include "favoritpanel.h"
#include "filinfoopslag.h"
#include "findform.h"
#include "findformen.h"
#include "keyguard.h"
#include "lists/reopenfilerx.h"
#include "maincommands.h"
#include "mainmenus.h"
#include "maintoolbars.h"
#include "mappedialogcommands.h"
#include "mappestrukturcommands.h"
#include "musikcommands.h"
#include "programcommands.h"
#include "programpanel.h"
#include "renamedelegate.h"
#include "reopencommands.h"
#include "shared/aboutbox.h"
#include "shared/billedform.h"
#include "shared/extform.h"
#include "shared/fileexistsform.h"
#include "shared/imagelists.h"
#include "shared/kopieringsform.h"
#include "shared/mainoperationwindows.h"
#include "shared/progressform.h"
#include "shared/rubrik.h"
#include "shared/skaermplads.h"
#include "shared/spmform.h"
#include "shared/statustekster.h"
#include "shared/strukturtree.h"
#include "shared/tilgaengelighed.h"
#include "shared/treedragdrop.h"
#include "specialfoldercommands.h"
#include "tastnavne.h"
#include "vaerktoejcommands.h"

#include "dialogs/folderdialog.h"
#include "dialogs/opendiaform.h"
#include "dialogs/openform.h"
#include "dialogs/openmappeform.h"
#include "editor/infobrowser.h"
#include "editor/infoform.h"
#include "engine/grundmetoder.h"
#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/tekstsoegning.h"
#include "platform/installation.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "tools/egenskabsform.h"
#include "tools/filinfoform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

namespace {

StrukturTree* makeTree(QWidget* parent, const QString& name) {
    auto* tree = new StrukturTree(parent);
    tree->setObjectName(name);
    // Set in one step: each font set makes the header load the font to measure it.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(13);
    tree->setFont(font);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    return tree;
}

} // namespace

Tmainform::Tmainform(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_arguments(arguments),
      m_launcher(
          m_opt, [this](const QString& path) { OpenFilIEditor(path); },
          [this](const QString& text) { Info(text); }) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setObjectName(QStringLiteral("mainform"));
    Tilgaengelighed::installer();
    QCoreApplication::installTranslator(new Tastnavne(this));
    hentBrugernavn();
    setWindowTitle(QStringLiteral("Ravnsti: ") + m_brugernavn);
    m_dataRootUsable = makeDataFolders();
    hentOpt();
    buildLayout();
    anvendOpt();
    startEngine();
    startStrukturer();
    hentTypelisteFil();
    QApplication::restoreOverrideCursor();
    createWindows();
    m_mainCommands = std::make_unique<MainCommands>(*this, *m_commands);
    m_specialFolders = std::make_unique<SpecialFolderCommands>(*this);
    m_alarmCommands = new AlarmCommands(*this, *m_commands);
    m_musikCommands = std::make_unique<MusikCommands>(*this);
    m_reopenCommands = std::make_unique<ReopenCommands>(*this, *m_commands);
    m_mappeDialogs = std::make_unique<MappeDialogCommands>(*this);
    m_dokumentDialogs = std::make_unique<DokumentDialogCommands>(*this);
    m_mappestruktur = std::make_unique<MappestrukturCommands>(*this);
    m_favoritPanel = new FavoritPanel(*this, *m_commands, m_reopenCommands->FavDir());
    m_filRaekke->addWidget(m_favoritPanel);
    m_programCommands = std::make_unique<ProgramCommands>(*this, *m_commands, *m_favoritPanel);
    m_filRaekke->addWidget(m_programCommands->panel());
    m_vaerktoej = std::make_unique<VaerktoejCommands>(*this, *m_commands);
    m_commands->evaluate();
    // The style sheet is set once the widgets of the first show exist. Set before, it styles
    // a widget again each time the widget, or a parent of it, is placed in another.
    anvendDesign();
}

void Tmainform::createWindows() {
    // The windows that start hidden are made the first time they are asked for, so that
    // start-up builds only what the first show needs; each is made once and kept.
    m_aboutBox.setMaker([this] { return new TAboutBox(this); });
    m_progressform.setMaker([this] { return new Tprogressform(this); });
    m_spmForm.setMaker([this] { return new TspmForm(this); });
    m_kopieringsform.setMaker([this] { return new Tkopieringsform(this); });
    m_fileExistsForm.setMaker([this] { return new TfileExistsForm(this); });
    m_filinfoform.setMaker([this] { return new Tfilinfoform(*this); });
    m_billedform.setMaker([this] { return new Tbilledform(this); });
    // The two search windows follow the folder in focus once the main window is shown; made
    // later, they start from the folder in focus then.
    m_findform.setMaker([this] {
        auto* form = new Tfindform(*this, m_filbox);
        if (!opstart)
            form->setMappe(LogicalPath::normalized(m_funk->Grundmappe()) + QLatin1Char('\\'));
        return form;
    });
    m_extForm.setMaker([this] { return new TextForm(this); });
    m_infoform.setMaker([this] { return new Tinfoform(*this, this); });
    m_egenskabsform.setMaker([this] { return new Tegenskabsform(*this); });
    m_opendiaform.setMaker([this] { return new Topendiaform(*this); });
    m_findformen.setMaker([this] {
        auto* form = new Tfindformen(*this);
        form->setSearchAction((*m_commands)(QStringLiteral("aSearch")));
        form->setClearSearchListeAction((*m_commands)(QStringLiteral("aClearSearchListe")));
        if (!opstart)
            form->setSoegemappe(getSlutDir(m_funk->Bibmappe()));
        return form;
    });

    m_operationWindows = std::make_unique<MainOperationWindows>(m_opt, m_kopieringsform, m_spmForm,
                                                                m_fileExistsForm, m_progressform);
    m_filinfoOpslag = std::make_unique<FilInfoOpslag>(m_filinfoform);
    m_funk->setOperationWindows(m_operationWindows.get());
    m_funk->setFilinfoform(m_filinfoOpslag.get());
    m_funk->setIkonDir(m_mapper.ikonDir);
}

std::optional<QString> Tmainform::vaelgMappe(const QString& caption, const QString& start) {
    TFolderDialog mappeDia(this);
    mappeDia.Title = caption;
    mappeDia.Directory = start;
    if (!mappeDia.Execute())
        return std::nullopt;
    return mappeDia.Directory;
}

std::optional<QString> Tmainform::vaelgFil(const QString& start, bool medMappebar,
                                           const QString& forvalgt) {
    m_opendiaform->Filnavn = forvalgt;
    m_opendiaform->initDirectory(start, medMappebar);
    if (m_opendiaform->exec() != QDialog::Accepted || m_opendiaform->Filnavn.isEmpty())
        return std::nullopt;
    return m_opendiaform->Filnavn;
}

std::optional<QString> Tmainform::vaelgStrukturMappe(const QString& start) {
    Topenmappeform& dialog = *m_mappestruktur->openmappeform();
    dialog.initDirectory(start, {});
    if (dialog.exec() != QDialog::Accepted || dialog.Mappenavn.isEmpty())
        return std::nullopt;
    return dialog.Mappenavn;
}

void Tmainform::openwin(const QString& aCap, const QString& aFilename) {
    // The chosen type belongs to the next new document only.
    m_dokumenter->openwin(aCap, aFilename,
                          aFilename.isEmpty() ? std::exchange(m_dokumentExt, {}) : QString());
}

int Tmainform::documentCount() const {
    return m_dokumenter->antal();
}

std::optional<QString> Tmainform::vaelgDokumentnavn(const QString& forslag) {
    return m_dokumentDialogs->vaelgDokumentnavn(forslag);
}

QList<AabentDokument> Tmainform::aabneDokumenter() {
    return m_dokumenter->aabneDokumenter();
}

void Tmainform::OpenFilIEditor(const QString& path) {
    openwin(LogicalPath::lastComponent(path), path);
}

bool Tmainform::visTekstFund(const TekstFund& fund, int laengde, bool fokus) {
    return m_dokumenter->visTekstFund(fund, laengde, fokus);
}

void Tmainform::updateStrukturer() {
    QString d = m_funk->Dirmappe();
    QString g = m_funk->Grundmappe();
    m_funk->makeStruktur1();
    if (!Platform::files().isFolder(d))
        d = m_funk->Dirmappe();
    m_funk->udfoldStruktur1(d, true);
    if (!Platform::files().isFolder(g))
        g = m_funk->Dirmappe();
    m_funk->makeStruktur2(g, false);
    m_dirbox->setFocus();
    m_funk->setAktiveStruktur(1);
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
    m_mapper = DataFolders::of(*root, m_brugernavn);
    m_nyeIndstillinger = !Platform::files().isFolder(LogicalPath::normalized(m_mapper.optDir));
    if (!Installation::linkProgramFolder(hostRoot))
        Platform::prompter().message(
            QStringLiteral("Programmappen kunne ikke findes.\nIkoner, lyde og lister mangler."),
            MessageKind::Error);
    else
        m_taginf.LoadLister(m_mapper.htmllistedir, m_mapper.attributedir);
    for (const QString& folder : m_mapper.brugerMapper()) {
        if (!Platform::files().makeFolder(folder))
            Platform::prompter().message(
                QStringLiteral("Mappen %1 kunne ikke oprettes.").arg(folder), MessageKind::Error);
        // A save cut off by a crash or a kill leaves its temporary beside the file.
        TextFile::removeStaleTemporaries(folder);
    }
    return true;
}

void Tmainform::hentOpt() {
    QStringList lines;
    if (!m_dataRootUsable || !TextFile::read(m_mapper.optFilnavn, lines) || !m_opt.read(lines))
        m_opt.applyDefaults();
}

void Tmainform::anvendDesign() {
    // A style that is not installed leaves the built-in look; the other settings stay.
    if (!m_styles.apply(m_opt.designName))
        m_styles.applyBuiltIn();
}

void Tmainform::anvendOpt() {
    visRedskabslinje(m_opt.mainBarVisible);
    m_dirbox->setLinjer(m_opt.treeLines);
    m_toolbars->setAMfunktioner(m_opt.AMfunktionsNumber);
    m_panelDirbox->resize(m_opt.panelDirboxWidth, m_panelDirbox->height());
    m_splitter->setSizes({m_opt.panelDirboxWidth, qMax(1, width() - m_opt.panelDirboxWidth)});
}

bool Tmainform::gemOpt() {
    if (!m_dataRootUsable)
        return false;
    m_opt.lastMappe = m_funk->Grundmappe();
    m_opt.mainBarShown = m_opt.mainBarVisible;
    if (!isMaximized() && !isMinimized()) {
        m_opt.formTop = y();
        m_opt.formLeft = x();
        m_opt.formWidth = width();
        m_opt.formHeight = height();
    }
    m_opt.panelDirboxWidth = m_panelDirbox->width();
    if (!TextFile::write(m_mapper.optFilnavn, m_opt.lines())) {
        Platform::prompter().message(
            QStringLiteral("Indstillingerne kunne ikke gemmes.\nDen gamle fil er bevaret."),
            MessageKind::Error);
        return false;
    }
    return true;
}

void Tmainform::hentTypelisteFil() {
    if (!m_dataRootUsable)
        return;
    // A new user starts with the standard types, so that a document can be made at once; a
    // list file the user left, even an empty one, stays as it is. An unreadable one leaves
    // the list empty.
    if (m_nyeIndstillinger && !Platform::files().exists(m_mapper.typelisteNavn))
        makeTypeliste();
    else
        (void)m_typeliste.load(m_mapper.typelisteNavn);
}

bool Tmainform::makeTypeliste() {
    m_typeliste.makeStandard();
    return typelisteAendret();
}

bool Tmainform::GemTypeliste(const QList<Typeliste::Type>& typer) {
    m_typeliste.setTypes(typer);
    return typelisteAendret();
}

bool Tmainform::typelisteAendret() {
    const bool gemt = m_dataRootUsable && m_typeliste.save(m_mapper.typelisteNavn);
    if (!gemt)
        Platform::prompter().message(
            QStringLiteral("Typelisten kunne ikke gemmes.\nDen gamle fil er bevaret."),
            MessageKind::Error);
    if (m_dokumentDialogs)
        if (Topenform* dialog = m_dokumentDialogs->openformIfMade())
            dialog->LoadFilliste();
    if (Tfindform* form = m_findform.made())
        form->setFilterEntries(m_typeliste.filterEntries());
    return gemt;
}

void Tmainform::visRedskabslinje(bool vis) {
    m_toolbars->mainBar()->setVisible(vis);
    QAction* action = (*m_commands)(QStringLiteral("aRedskabslinjen"));
    action->setText(vis ? QStringLiteral("Skjul Redskabslinjen")
                        : QStringLiteral("Vis Redskabslinjen"));
    action->setStatusTip(vis ? QString()
                             : QStringLiteral("Vis Redskabslinjen med fil og mappe funktioner"));
}

void Tmainform::anvendVisning() {
    visRedskabslinje(m_opt.mainBarVisible);
    m_dirbox->setLinjer(m_opt.treeLines);
}

void Tmainform::anvendPrivatmapper() {
    m_funk->setMedtagPrivat(m_opt.medPrivat);
    m_funk->setPrivatTop(m_opt.privatOnTop);
    m_funk->makeStruktur1();
}

int Tmainform::favoritter() const {
    return m_reopenCommands->FavDir().Antal();
}

void Tmainform::setFavoritKapacitet(int kapacitet) {
    m_opt.favoritAntal = kapacitet;
    TReopenFilerX& favDir = m_reopenCommands->FavDir();
    favDir.setFilantal(kapacitet);
    favDir.HentReopenFiler();
}

void Tmainform::visPersonligeMapper() {
    m_mappeDialogs->visStiform();
}

QStringList Tmainform::designNavne() const {
    return m_styles.names();
}

bool Tmainform::newDesign(const QString& navn) {
    if (navn.isEmpty() || navn.compare(m_opt.designName, Qt::CaseInsensitive) == 0)
        return true;
    // The documents are asked to close first, and any of them may stay open.
    if (!m_dokumenter->lukAlle() || m_dokumenter->antal() > 0) {
        Platform::prompter().message(QStringLiteral("Luk alle dokumenter og prøv igen!"),
                                     MessageKind::Information);
        return false;
    }
    if (!m_styles.apply(navn)) {
        Platform::prompter().message(
            QStringLiteral("Stilen %1 kunne ikke læses.\nProgrammet beholder sin stil.").arg(navn),
            MessageKind::Information);
        return false;
    }
    m_opt.designName = navn;
    return true;
}

void Tmainform::buildLayout() {
    setMinimumSize(882, 720);
    m_commands = new CommandTable(this);
    m_commands->setUnfinished([this](QAction* action) {
        const QString caption = action->text().trimmed();
        Info(QStringLiteral("\"%1\" findes ikke i denne udgave af programmet.")
                 .arg(caption.isEmpty() ? action->statusTip() : caption));
    });
    m_keyGuard = new KeyGuard(*m_commands, this);
    m_menus = new MainMenus(*this, *m_commands);
    connect(m_menus, &MainMenus::helpRequested, this,
            [this](const QString& topic) { HelpInfo(topic, false); });
    m_toolbars = new MainToolbars(*this, *m_commands, *m_menus);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_toolbars->panelTop());

    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_panelDirbox = new QWidget;
    m_panelDirbox->setObjectName(QStringLiteral("PanelDirbox"));
    m_panelDirbox->setMinimumWidth(260);
    auto* left = new QVBoxLayout(m_panelDirbox);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    StrukturTree* dirbox = makeTree(m_panelDirbox, QStringLiteral("dirbox"));
    dirbox->setAccessibleName(QStringLiteral("Mappetræ"));
    m_dirbox = dirbox;
    m_dirbox->setIndentation(12);
    m_dirbox->setImages(ImageLists::dirliste());
    // A double click reads the folder afresh and opens it; the view must not close it again.
    m_dirbox->setExpandsOnDoubleClick(false);
    left->addWidget(m_toolbars->toolBar1());
    left->addWidget(m_dirbox, 1);
    left->addWidget(m_toolbars->toolBar3());

    m_panelRight = new QWidget;
    m_panelRight->setObjectName(QStringLiteral("PanelRight"));
    auto* right = new QVBoxLayout(m_panelRight);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    StrukturTree* filbox = makeTree(m_panelRight, QStringLiteral("filbox"));
    filbox->setAccessibleName(QStringLiteral("Filrude"));
    m_filbox = filbox;
    m_filbox->setIndentation(5);
    m_filbox->setRootIsDecorated(false);
    m_filbox->setImages(ImageLists::filliste());
    m_filbox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    right->addWidget(m_toolbars->toolBar2());
    m_filRaekke = new QHBoxLayout;
    m_filRaekke->setSpacing(0);
    m_filRaekke->addWidget(m_filbox, 1);
    right->addLayout(m_filRaekke, 1);
    m_dokumenter = new Dokumentomraade(*this, *m_commands, m_panelRight);
    m_splitter->addWidget(m_panelDirbox);
    m_splitter->addWidget(m_panelRight);
    m_splitter->addWidget(m_dokumenter->mdi());
    m_splitter->setStretchFactor(2, 1);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    column->addWidget(m_splitter, 1);
    // The documents' tab row lies across the window above the path tabs.
    column->insertWidget(0, m_dokumenter->tc());
    m_dragDrop = new TreeDragDrop(*this, this);
    m_dragDrop->addTree(*dirbox, TreeDragDrop::Target::Dirbox);
    m_dragDrop->addTree(*filbox, TreeDragDrop::Target::Filbox);
    m_dragDrop->setStier(*m_toolbars->stibox(), [this](int tab) { return getStiFraFane(tab); });
    m_keyGuard->addFileView(m_dirbox);
    m_keyGuard->addFileView(m_filbox);

    auto* panelSti = new QWidget(central);
    panelSti->setObjectName(QStringLiteral("PanelSti"));
    panelSti->setFixedHeight(30);
    auto* sti = new QHBoxLayout(panelSti);
    sti->setContentsMargins(4, 2, 4, 2);
    auto* stiLabel = new QLabel(QStringLiteral("Aktuelle sti"), panelSti);
    sti->addWidget(stiLabel);
    m_editSti = new QLineEdit(panelSti);
    m_editSti->setObjectName(QStringLiteral("EditSti"));
    stiLabel->setBuddy(m_editSti);
    m_editSti->setReadOnly(true);
    sti->addWidget(m_editSti, 1);
    sti->addWidget(m_toolbars->stiButtons());
    column->addWidget(panelSti);
    setCentralWidget(central);

    m_infobar = new QStatusBar(this);
    m_infobar->setObjectName(QStringLiteral("infobar"));
    m_infobar->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(m_infobar);
        panel->setObjectName(QStringLiteral("infobarPanel%1").arg(i + 1));
        // Names and paths are shown as they are, never read as markup.
        panel->setTextFormat(Qt::PlainText);
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
    // Hints of menus and other windows reach the main window through the application.
    qApp->installEventFilter(this);

    connect(m_dirbox, &StrukturVisning::itemClicked, this,
            [this](StrukturItem* item) { dirboxClick(item); });
    connect(m_dirbox, &StrukturVisning::itemDoubleClicked, this,
            [this](StrukturItem* item) { dirboxDblClick(item); });
    connect(m_filbox, &StrukturVisning::itemClicked, this,
            [this](StrukturItem* item) { filboxClick(item); });
    connect(m_filbox, &StrukturVisning::itemDoubleClicked, this,
            [this](StrukturItem* item) { filboxDblClick(item); });
    // A move with the keys selects as a click does.
    connect(m_dirbox, &StrukturVisning::keySelectionChanged, this,
            [this](StrukturItem* item) { dirboxClick(item); });
    connect(m_filbox, &StrukturVisning::keySelectionChanged, this,
            [this](StrukturItem* item) { filboxClick(item); });
    connect(m_toolbars->stibox(), &QTabBar::currentChanged, this, &Tmainform::stiboxChange);
    connect(m_editSti, &QLineEdit::textChanged, this, [this] { favChanged = true; });
    for (StrukturVisning* tree : {m_dirbox, m_filbox}) {
        connect(tree, &QWidget::customContextMenuRequested, this,
                [this, tree](const QPoint& position) { showTreeMenu(tree, position); });
        installRename(tree);
    }
}

void Tmainform::installRename(StrukturVisning* tree) {
    tree->setItemDelegate(new RenameDelegate(
        *tree, [this, tree](StrukturItem* item) { return treeEditing(tree, item); },
        [this, tree](StrukturItem* item, const QString& oldText, const QString& newText) {
            return treeEdited(tree, item, oldText, newText);
        },
        [this](StrukturItem*) { nyMappeErOprettet = false; }));
}

void Tmainform::startEngine() {
    m_funk = std::make_unique<THandlinger>(this, *this);
    m_funk->setStruktur1(m_dirbox);
    m_funk->setStruktur2(m_filbox);
    m_funk->setAktiveStruktur(1);
    m_funk->setMedtagPrivat(m_opt.medPrivat);
    m_funk->setPrivatTop(m_opt.privatOnTop);
    m_funk->setBrugernavn(m_brugernavn);
    m_funk->setImageDirliste(ImageLists::dirliste());
    m_funk->setLastStruktur(m_mapper.lastStruktur);
    m_funk->setOnDirectoryChange([this](const QString& d, const QString& f, const QString& g,
                                        const QString& n) { mappeChange(d, f, g, n); });
}

void Tmainform::startStrukturer() {
    if (m_opt.openLastStruktur && m_opt.lastStrukturNo != DrevStruktur)
        m_funk->genopbygSpecialStruktur();
    else
        m_funk->setGrundmappe(m_funk->makeStruktur1());
    const QString grund = m_funk->Grundmappe();
    if (m_opt.openMedLastMappe && !m_opt.lastMappe.isEmpty() &&
        Platform::files().isFolder(m_opt.lastMappe))
        m_funk->makeStruktur2(m_opt.lastMappe, true);
    else if (!grund.isEmpty() && Platform::files().isFolder(grund))
        m_funk->makeStruktur2(grund, true);
    else
        m_funk->makeStruktur2(QStringLiteral("C:"), true);
    m_funk->makeDrevMenu(m_menus->menu(QStringLiteral("PUdrive")));
}

void Tmainform::kendteMapper(QStringList& folders, QStringList& labels) {
    m_specialFolders->collect(folders, labels);
}

void Tmainform::makeSpecialStruktur() {
    m_funk->genopbygSpecialStruktur();
}

void Tmainform::historyChanged(bool canGoBack, bool canGoForward, bool hasHistory) {
    (*m_commands)(QStringLiteral("ButtonPrevMappe"))->setEnabled(canGoBack);
    (*m_commands)(QStringLiteral("ButtonNextMappe"))->setEnabled(canGoForward);
    (*m_commands)(QStringLiteral("ButtonMakeHis"))->setEnabled(hasHistory);
    (*m_commands)(QStringLiteral("mOversigt"))->setEnabled(hasHistory);
}

void Tmainform::showPicture(const QImage& picture, const QString& fileName) {
    billedform()->showPicture(picture, fileName);
}

void Tmainform::Info(const QString& text) {
    m_lastMessage = text;
    m_panels.at(2)->setText(text);
}

void Tmainform::HandlingsInfo(StatusTekster::Handling hNumber, int aAntal) {
    Info(StatusTekster::HandlingsTekst(hNumber, aAntal));
}

void Tmainform::visHint(const QString& hint) {
    // Leaving an element with a hint brings the last message back.
    m_panels.at(2)->setText(hint.isEmpty() ? m_lastMessage : hint);
}

void Tmainform::InfoProg(const QString& text) {
    QLabel* panel = m_panels.at(0);
    QFont font = m_infobar->font();
    font.setPointSize(9);
    panel->setFixedWidth(QFontMetrics(font).horizontalAdvance(text) + 8);
    panel->setText(text);
}

void Tmainform::HelpInfo(const QString& topic, bool lukFoerst) {
    Tinfoform* form = m_infoform.get();
    if (lukFoerst && form->isVisible())
        form->startForfra();
    form->aabn(InfoEmne::Program, topic);
    form->Web()->setFocus();
}

void Tmainform::HtmlInfo(const QString& topic) {
    m_infoform->aabn(InfoEmne::Html, topic);
}

void Tmainform::HtmlEksemplerInfo(const QString& topic) {
    m_infoform->aabn(InfoEmne::HtmlEksempler, topic);
}

void Tmainform::CssInfo(const QString& topic) {
    m_infoform->aabn(InfoEmne::Css, topic);
}

void Tmainform::JsInfo(const QString& topic) {
    m_infoform->aabn(InfoEmne::Js, topic);
}

void Tmainform::VbsInfo(const QString& topic) {
    m_infoform->aabn(InfoEmne::Vbs, topic);
}

bool Tmainform::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        visHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool Tmainform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == m_toolbars->stibox()) {
        stiboxMouseDown(static_cast<QMouseEvent*>(event)->button());
        return false;
    }
    if (event->type() == QEvent::KeyPress && (watched == m_dirbox || watched == m_filbox)) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const int key = keyEvent->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
            (keyEvent->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            // A key the name editor left over reaches the tree too; it is the editor's.
            auto* tree = static_cast<StrukturVisning*>(watched);
            if (QApplication::focusWidget() == tree && tree->currentItem()) {
                if (tree == m_dirbox) {
                    dirboxClick(tree->currentItem());
                    dirboxDblClick(tree->currentItem());
                } else {
                    filboxDblClick(tree->currentItem());
                }
                return true;
            }
        }
    }
    // Hints from menus, which are windows of their own, and from the other windows of the
    // program; the main window's own widgets pass their hints up to event().
    if (event->type() == QEvent::StatusTip && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow() && watched != this) {
        visHint(static_cast<QStatusTipEvent*>(event)->tip());
        return false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmainform::showTreeMenu(StrukturVisning* tree, const QPoint& position) {
    QMenu* menu = nullptr;
    if (tree == m_dirbox) {
        m_funk->setAktiveStruktur(1);
        if (!m_funk->getFocusDirectory(position.x(), position.y()).isEmpty()) {
            m_funk->getDirectory();
            refreshMay();
        }
        if (LogicalPath::isDriveRoot(m_funk->Dirmappe())) {
            (*m_commands)(QStringLiteral("mPrivatmapper"))
                ->setText(m_opt.medPrivat ? QStringLiteral("Fjern privatmapper")
                                          : QStringLiteral("Vis privatmapper"));
            menu = m_menus->menu(QStringLiteral("PUdirboxDrev"));
        } else {
            menu = m_menus->menu(QStringLiteral("PUdirbox"));
        }
    } else {
        m_funk->setAktiveStruktur(2);
        if (!m_funk->getFocusFilDirectory(position.x(), position.y()).isEmpty()) {
            m_funk->infoStruktur2();
            refreshMay();
        }
        const THandlinger::Situation situation = m_funk->getStrukturSitNo();
        menu = m_menus->menu(situation == THandlinger::TomRude      ? QStringLiteral("PUfilbox2")
                             : situation == THandlinger::IntetValgt ? QStringLiteral("PUfilbox3")
                                                                    : QStringLiteral("PUfilbox"));
        m_menus->menu(QStringLiteral("mFilfunktioner"))
            ->menuAction()
            ->setVisible(situation == THandlinger::FilValgt);
    }
    m_commands->evaluate();
    menu->popup(tree->viewport()->mapToGlobal(position));
}

QString Tmainform::infoText(int panel) const {
    return panel >= 1 && panel <= m_panels.size() ? m_panels.at(panel - 1)->text() : QString();
}

void Tmainform::mappeChange(const QString&, const QString& fileDir, const QString& grundDir,
                            const QString& filnavnet) {
    mayFiler = m_funk->harValgtFil();
    udskrivSti();
    if (Tfindformen* form = m_findformen.made(); form && !opstart)
        form->setSoegemappe(getSlutDir(fileDir));
    if (Tfindform* form = m_findform.made(); form && !opstart)
        form->setMappe(LogicalPath::normalized(grundDir) + QLatin1Char('\\'));
    m_editSti->setText(LogicalPath::isDriveRoot(grundDir) && grundDir.size() == 2
                           ? grundDir + QLatin1Char('\\')
                           : grundDir);
    Info(filnavnet);
}

void Tmainform::udskrivSti() {
    QTabBar* tabs = m_toolbars->stibox();
    const QSignalBlocker quiet(tabs);
    while (tabs->count() > 0)
        tabs->removeTab(0);
    // A path never holds empty components here, so tab n stands for the first n + 1 parts.
    stiArray = m_funk->Grundmappe().split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& component : std::as_const(stiArray))
        tabs->addTab(Rubrik::somTekst(component));
    tabs->setCurrentIndex(stiArray.size() - 1);
}

QString Tmainform::getStiFraFane(int n) const {
    return QStringList(stiArray.mid(0, n + 1)).join(QLatin1Char('\\'));
}

QString Tmainform::getSlutDir(const QString& path) {
    if (path.size() == 3)
        return path;
    return path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
}

void Tmainform::stiboxMouseDown(Qt::MouseButton button) {
    m_dokumenter->visFilvisning();
    QAction* none = (*m_commands)(QStringLiteral("aMarkerIngen"));
    m_commands->evaluate();
    if (button == Qt::LeftButton && none->isEnabled())
        none->trigger();
}

void Tmainform::stiboxChange(int index) {
    if (index < 0 || index >= stiArray.size())
        return;
    m_funk->setAktiveStruktur(2);
    m_funk->makeStruktur2(getStiFraFane(index), true);
    udskrivSti();
}

void Tmainform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (opstart)
        FormShow();
}

void Tmainform::FormShow() {
    opstart = false;
    placeWindow();
    m_alarmCommands->firstShow();
    m_reopenCommands->firstShow();
    m_programCommands->firstShow();
    aabnArgumenter();
}

void Tmainform::aabnArgumenter() {
    for (const QString& argument : std::as_const(m_arguments)) {
        // A path of this machine, or one already written with its drive letter.
        const bool logisk = argument.size() >= 2 && argument.at(1) == QLatin1Char(':');
        const std::optional<QString> fil =
            logisk ? std::optional<QString>(argument)
                   : Platform::logicalPath(QFileInfo(argument).absoluteFilePath());
        if (fil && TGrundMetoder::erDetEnTekstfil(LogicalPath::extension(*fil)))
            OpenFilIEditor(*fil);
    }
}

void Tmainform::placeWindow() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect available = primary ? primary->availableGeometry() : QRect(0, 0, 1280, 1024);
    QRect saved(m_opt.formLeft, m_opt.formTop, qMax(m_opt.formWidth, minimumWidth()),
                qMax(m_opt.formHeight, minimumHeight()));
    // A window saved on a screen that is gone, or mostly off every screen, opens centred.
    bool visible = false;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(saved);
        if (overlap.width() >= 100 && overlap.height() >= 50 &&
            screen->availableGeometry().contains(saved.topLeft() + QPoint(50, 10)))
            visible = true;
    }
    if (m_opt.centred || !visible) {
        saved.setSize(saved.size().boundedTo(available.size()).expandedTo(minimumSize()));
        saved.moveCenter(available.center());
    }
    setGeometry(Skaermplads::inden(saved));
}

void Tmainform::closeEvent(QCloseEvent* event) {
    // A paste or delete that is running ends before the window may close.
    if (m_funk && m_funk->busy()) {
        Info(QStringLiteral("Programmet lukkes ikke, mens en kopiering eller sletning er i gang."));
        event->ignore();
        return;
    }
    // Every document is asked first; one the user keeps open keeps the program open.
    if (!m_dokumenter->lukAlle()) {
        event->ignore();
        return;
    }
    gemOpt();
    m_alarmCommands->stop();
    m_reopenCommands->gem();
    event->accept();
}

bool Tmainform::treeEditing(StrukturVisning* tree, StrukturItem* item) {
    if (tree != m_dirbox) {
        const StrukturRec* rec = StrukturItem::recOf(item);
        if (rec && rec->unusable()) {
            THandlinger::afvisUbrugelige({item->text()});
            return false;
        }
        return true;
    }
    if (m_opt.medPrivat && !item->parent() &&
        m_dirbox->indexOfTopLevelItem(item) == m_funk->getIndexLevelNul(m_brugernavn)) {
        // The user node stands for the account, which the account settings rename.
        m_launcher.runApplets(QStringLiteral("bruger_konti.vbs"));
        return false;
    }
    const StrukturRec* rec = StrukturItem::recOf(item);
    if (m_funk->canDoIt() && rec && Platform::files().isFolder(rec->mappe))
        return true;
    Platform::prompter().message(item->text() + QStringLiteral("\nkan ikke omdøbes."),
                                 MessageKind::Information);
    return false;
}

QString Tmainform::treeEdited(StrukturVisning* tree, StrukturItem* item, const QString& oldText,
                              const QString& newText) {
    m_funk->setAktiveStruktur(tree == m_dirbox ? 1 : 2);
    const QString shown = m_funk->RenameNode(item, oldText, newText, nyMappeErOprettet);
    nyMappeErOprettet = false;
    return shown;
}

void Tmainform::refreshMay() {
    mayCopy = m_funk->canCopy();
    mayDoIt = m_funk->canDoIt();
}

void Tmainform::dirboxClick(StrukturItem*) {
    m_funk->setAktiveStruktur(1);
    refreshMay();
    const QString folder = m_funk->getDirectory();
    if (!folder.isEmpty() && !LogicalPath::same(folder, m_funk->Grundmappe()))
        m_funk->makeStruktur2(folder, true);
}

void Tmainform::dirboxDblClick(StrukturItem*) {
    m_funk->setAktiveStruktur(1);
    m_funk->deleteSelected(true);
    m_funk->udfoldDirectory();
}

void Tmainform::filboxClick(StrukturItem*) {
    m_funk->setAktiveStruktur(2);
    m_funk->infoStruktur2();
    refreshMay();
}

void Tmainform::filboxDblClick(StrukturItem*) {
    m_funk->setAktiveStruktur(2);
    m_funk->udfoldFilDirectory();
    const QString file = m_funk->Filnavn();
    if (Platform::files().isFile(file))
        m_launcher.OpenFil(file, false);
}
