#include "findform.h"
#include "shared/arbejdsvagt.h"
#include "shared/datafolders.h"
#include "shared/dialogknapper.h"
#include "shared/filtal.h"
#include "shared/mainhost.h"
#include "shared/skaermplads.h"
#include "shared/typeliste.h"
#include "tekstfundmodel.h"

#include "editor/dokument.h"
#include "editor/dokumentsoegning.h"

#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "platform/logicalpath.h"
#include "platform/nameorder.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QShowEvent>
#include <QTableView>
#include <QToolButton>

namespace {

// How often a folder search lets the window paint and take its keys, in milliseconds.

const QLocale& danish() {
    static const QLocale locale(QLocale::Danish, QLocale::Denmark);
    return locale;
}

QAction* kommando(const char* name, const QString& text, const QString& hint, QWidget* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint.isEmpty() ? text : hint);
    action->setStatusTip(hint);
    return action;
}

// A button that shows a command; `caption` replaces the command's own text.
QToolButton* kommandoKnap(const char* name, QAction* action, QWidget* parent,
                          const QString& caption = {}) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setDefaultAction(action);
    if (!caption.isEmpty())
        button->setText(caption);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

QCheckBox* afkrydsning(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// Empties a box's list of earlier texts, keeping the text typed.
void rydHistorik(QComboBox* box) {
    const QString text = box->currentText();
    box->clear();
    box->setCurrentText(text);
}

void tilfoejHistorik(QComboBox* box) {
    const QString text = box->currentText();
    if (!text.isEmpty() && box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        box->addItem(text);
    box->setCurrentText(text);
}

// The extension of a filter entry "Tekstfil (*.txt)", with its dot; empty for none.
QString filterExtension(const QString& entry) {
    const qsizetype open = entry.lastIndexOf(QStringLiteral("(*"));
    if (open < 0 || !entry.endsWith(QLatin1Char(')')))
        return {};
    return entry.mid(open + 2, entry.size() - open - 3);
}

} // namespace

Tfindform::Tfindform(MainHost& host, StrukturVisning* filbox)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint),
      m_host(host), m_filbox(filbox) {
    setObjectName(QStringLiteral("findform"));
    setWindowTitle(QStringLiteral("Søg i dokumenter"));
    resize(760, 520);

    m_editFind = historikBoks("EditFind", this);
    m_editErstat = historikBoks("EditErstat", this);
    QPushButton* button1 =
        dialogKnap("Button1", QStringLiteral("#"), QStringLiteral("Ryd find- listen"), this);
    QPushButton* button2 =
        dialogKnap("Button2", QStringLiteral("#"), QStringLiteral("Ryd erstat-listen"), this);

    m_afind = kommando("Afind", QStringLiteral("Find i åbne dokumenter"), {}, this);
    m_aerstat = kommando("Aerstat", QStringLiteral("Erstat i åbne dokumenter"), {}, this);
    m_afindBib = kommando("AfindBib", QStringLiteral("Find i bibliotek"),
                          QStringLiteral("Find i alle filer i valgte bibliotek"), this);
    m_aopenAll = kommando("AopenAll", QStringLiteral("Åben alle dokumenter"),
                          QStringLiteral("Åben alle i listen viste dokumenter"), this);
    m_avisValgte = kommando("AvisValgte", QStringLiteral("Vis valgte"),
                            QStringLiteral("Vis den i listen valgte fil"), this);
    m_afjern = kommando("Afjern", QStringLiteral("Fjern valgte"),
                        QStringLiteral("Fjern det i listen valgte element"), this);
    m_asletAlt = kommando("AsletAlt", QStringLiteral("Slet alt"),
                          QStringLiteral("Fjern alle fundne elementer"), this);

    m_check1 = afkrydsning("Check1", QStringLiteral("Kun hele ord"), this);
    m_check2 = afkrydsning("Check2", QStringLiteral("Forskel på store og små bogstaver"), this);
    m_check3 = afkrydsning("Check3", QStringLiteral("Kun valgte filer"), this);
    m_filtyperCheck = afkrydsning("filtyperCheck", QStringLiteral("*.*"), this);
    m_filtyperCheck->setToolTip(QStringLiteral("Søg i alle filtyper: *.*"));
    m_filterBoks = new QComboBox(this);
    m_filterBoks->setObjectName(QStringLiteral("filterBoks"));
    m_filterBoks->setToolTip(QStringLiteral("Nye dokumenter er af valgte type"));
    m_dirEdit = new QLineEdit(this);
    m_dirEdit->setObjectName(QStringLiteral("dirEdit"));
    m_dirEdit->setReadOnly(true);
    m_setDirKnap = dialogKnap("setDirKnap", QStringLiteral("Vælg mappe"), {}, this);
    m_stopKnap = dialogKnap("stopKnap", QStringLiteral("Stop"),
                            QStringLiteral("Stop søgningen i mappen"), this);

    m_model = new TekstFundModel(this);
    m_findis = new QTableView(this);
    m_findis->setObjectName(QStringLiteral("findis"));
    m_findis->setAccessibleName(QStringLiteral("Fundne steder"));
    m_findis->setModel(m_model);
    m_findis->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_findis->setSelectionMode(QAbstractItemView::SingleSelection);
    m_findis->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_findis->setShowGrid(true);
    m_findis->verticalHeader()->hide();
    m_findis->horizontalHeader()->setStretchLastSection(true);
    m_findis->setColumnWidth(0, 260);
    m_findis->setColumnWidth(1, 70);
    m_countdis = new QLabel(QStringLiteral("0"), this);
    m_countdis->setObjectName(QStringLiteral("countdis"));
    QPushButton* infoKnap = dialogKnap("infoKnap", QStringLiteral("?"),
                                       QStringLiteral("Information om Find-specialboksen"), this);
    QPushButton* luk = dialogKnap("Button10", QStringLiteral("Luk"), {}, this);

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Søg efter"), this), 0, 0);
    fields->addWidget(m_editFind, 0, 1);
    fields->addWidget(button1, 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("Erstat med"), this), 1, 0);
    fields->addWidget(m_editErstat, 1, 1);
    fields->addWidget(button2, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("Filtype filter"), this), 2, 0);
    auto* filter = new QHBoxLayout;
    filter->addWidget(m_filterBoks, 1);
    filter->addWidget(m_filtyperCheck);
    fields->addLayout(filter, 2, 1);
    fields->addWidget(new QLabel(QStringLiteral("Søgemappe"), this), 3, 0);
    fields->addWidget(m_dirEdit, 3, 1);
    fields->addWidget(m_setDirKnap, 3, 2);
    fields->setColumnStretch(1, 1);
    auto* checks = new QHBoxLayout;
    for (QCheckBox* box : {m_check1, m_check2, m_check3})
        checks->addWidget(box);
    checks->addStretch();
    auto* commands = new QVBoxLayout;
    commands->addWidget(kommandoKnap("Button3", m_afind, this));
    commands->addWidget(kommandoKnap("Button4", m_aerstat, this));
    commands->addWidget(kommandoKnap("Button12", m_afindBib, this, QStringLiteral("Find i mappe")));
    commands->addWidget(m_stopKnap);
    commands->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(commands);
    auto* rows = new QHBoxLayout;
    rows->addWidget(m_countdis, 1);
    rows->addWidget(kommandoKnap("Button6", m_aopenAll, this));
    rows->addWidget(kommandoKnap("Button8", m_avisValgte, this));
    rows->addWidget(kommandoKnap("Button9", m_afjern, this));
    rows->addWidget(kommandoKnap("Button7", m_asletAlt, this));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(infoKnap);
    bottom->addStretch();
    bottom->addWidget(luk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(checks);
    layout->addWidget(m_findis, 1);
    layout->addLayout(rows);
    layout->addLayout(bottom);

    connect(button1, &QPushButton::clicked, this, [this] { rydHistorik(m_editFind); });
    connect(button2, &QPushButton::clicked, this, [this] { rydHistorik(m_editErstat); });
    connect(m_editFind, &QComboBox::currentTextChanged, this, &Tfindform::opdaterKommandoer);
    connect(m_model, &QAbstractItemModel::modelReset, this, &Tfindform::opdaterKommandoer);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &Tfindform::opdaterKommandoer);
    connect(m_findis->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Tfindform::opdaterKommandoer);
    connect(m_afindBib, &QAction::triggered, this, &Tfindform::FindSD);
    connect(m_afind, &QAction::triggered, this, [this] { Find(false); });
    connect(m_aerstat, &QAction::triggered, this, [this] { Find(true); });
    // Documents open and close while the window is up: the commands on them follow.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            if (isVisible())
                opdaterKommandoer();
        });
    connect(m_avisValgte, &QAction::triggered, this, &Tfindform::AvisValgteExecute);
    connect(m_findis, &QTableView::doubleClicked, this, &Tfindform::AvisValgteExecute);
    connect(m_aopenAll, &QAction::triggered, this, &Tfindform::AopenAllExecute);
    connect(m_afjern, &QAction::triggered, this, [this] {
        m_model->fjern(valgtRaekke());
        visAntal(0, false);
    });
    connect(m_asletAlt, &QAction::triggered, this, [this] {
        m_model->setFund({});
        m_editFind->setCurrentText(QString());
        m_editErstat->setCurrentText(QString());
        visAntal(0, false);
    });
    connect(m_setDirKnap, &QPushButton::clicked, this, &Tfindform::setDirKnapClick);
    connect(m_stopKnap, &QPushButton::clicked, this, [this] {
        if (m_vagt)
            m_vagt->stop();
    });
    // The box, not its line edit: a box with the focus hands its keys to the line edit
    // directly, past any filter, while a key the line edit ignores comes up to the box.
    m_editFind->installEventFilter(this);
    connect(infoKnap, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Søg i dokumenter"), false); });
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    opdaterKommandoer();
}

void Tfindform::setMappe(const QString& mappe) {
    m_mappe = mappe;
    m_dirEdit->setText(mappe);
}

void Tfindform::setFilterEntries(const QStringList& entries) {
    m_filterBoks->clear();
    m_filterBoks->addItems(entries);
    m_filterBoks->setMaxVisibleItems(qMax(1, int(entries.size())));
    m_filterBoks->setCurrentIndex(entries.isEmpty() ? -1 : 0);
}

int Tfindform::valgtRaekke() const {
    const QModelIndexList rows = m_findis->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void Tfindform::opdaterKommandoer() {
    // While a search runs, nothing may change the list, the folder or start another search.
    const bool harRaekker = !m_vagt && m_model->rowCount() > 0;
    const bool valgt = !m_vagt && valgtRaekke() >= 0;
    const bool soegetekst = !m_vagt && !m_editFind->currentText().isEmpty();
    m_afindBib->setEnabled(soegetekst);
    const bool dokumenter = soegetekst && !m_host.aabneDokumenter().isEmpty();
    m_afind->setEnabled(dokumenter);
    m_aerstat->setEnabled(dokumenter);
    m_aopenAll->setEnabled(harRaekker);
    m_asletAlt->setEnabled(harRaekker);
    m_avisValgte->setEnabled(valgt);
    m_afjern->setEnabled(valgt);
    m_setDirKnap->setEnabled(!m_vagt);
    m_stopKnap->setEnabled(m_vagt != nullptr);
}

void Tfindform::visAntal(int ulaesteFiler, bool ulaesteMappe) {
    QString text = danish().toString(m_model->rowCount());
    if (ulaesteMappe)
        text += QStringLiteral(" (mappen kunne ikke læses)");
    else if (ulaesteFiler > 0)
        text += QStringLiteral(" (%1 %2 kunne ikke læses)")
                    .arg(ulaesteFiler)
                    .arg(ulaesteFiler == 1 ? QStringLiteral("fil") : QStringLiteral("filer"));
    if (m_model->rowCount() >= TekstSoegning::kMaxFund)
        text += QStringLiteral(" (søgningen stoppede ved %1 fund)")
                    .arg(danish().toString(TekstSoegning::kMaxFund));
    m_countdis->setText(text);
}

void Tfindform::opdaterHistorik() {
    tilfoejHistorik(m_editFind);
    tilfoejHistorik(m_editErstat);
}

QList<SoegeFil> Tfindform::filerAtSoege(bool& ulaesteMappe, int& ubrugelige) const {
    QList<SoegeFil> files;
    if (m_check3->isChecked()) {
        for (const StrukturItem* node : m_filbox->selectedItems()) {
            const StrukturRec& rec = node->rec;
            ubrugelige += rec.unusable() ? 1 : 0;
            if (!rec.filnavn.isEmpty() && Platform::files().exists(rec.filnavn) &&
                !Platform::files().isFolder(rec.filnavn))
                files.append({rec.filnavn});
        }
        return files;
    }
    const QString folder = LogicalPath::normalized(m_mappe);
    const QString ext = filterExtension(m_filterBoks->currentText());
    QList<FileInfo> entries;
    ulaesteMappe = !Platform::files().list(folder, entries, ListDetail::Names, ListOrder::AsStored);
    QList<FileInfo> chosen;
    for (FileInfo& e : entries) {
        const bool file = e.kind == EntryKind::File ||
                          (e.kind == EntryKind::Link && e.linkTarget == EntryKind::File);
        ubrugelige += file && !e.mappable ? 1 : 0;
        if (file && e.mappable &&
            (ext.isEmpty() ||
             LogicalPath::extension(e.name).compare(ext, Qt::CaseInsensitive) == 0))
            chosen.append(std::move(e));
    }
    NameOrder::sortBy(chosen, [](const FileInfo& e) -> const QString& { return e.name; });
    files.reserve(chosen.size());
    for (const FileInfo& e : std::as_const(chosen))
        files.append({LogicalPath::join(folder, e.name), e.kind});
    return files;
}

QString Tfindform::nySoegning() {
    m_model->setFund({});
    visAntal(0, false);
    QCoreApplication::processEvents();
    return m_editFind->currentText();
}

void Tfindform::FindSD() {
    if (m_vagt || !Platform::files().isFolder(LogicalPath::normalized(m_mappe)))
        return;
    const QString text = nySoegning();
    if (text.isEmpty())
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    opdaterHistorik();
    m_soegetekst = text;
    if (m_filtyperCheck->isChecked())
        m_check3->setChecked(true); // every type only among the files chosen
    if (m_check3->isChecked() && (!m_filbox || !m_filbox->selectionModel()->hasSelection())) {
        Platform::prompter().message(QStringLiteral("Der er ikke valgt nogen tekstfiler."),
                                     MessageKind::Information);
        return;
    }
    bool ulaesteMappe = false;
    int ulaeste = 0; // files whose names the program cannot use are not read either
    const QList<SoegeFil> files = filerAtSoege(ulaesteMappe, ulaeste);
    TekstSoegning soegning(text, m_check1->isChecked(), m_check2->isChecked());
    QList<TekstFund> fund;
    int soegt = 0;
    // Every few tens of milliseconds, between files and between the parts of a large one,
    // the window shows what it has and takes its events; the window may be gone after them.
    const QPointer<Tfindform> self(this);
    Arbejdsvagt vagt(*this);
    soegning.setFortsaet([&] {
        return vagt.fortsaet([&] { visFremskridt(fund, soegt, int(files.size())); }) && self;
    });
    m_vagt = &vagt;
    opdaterKommandoer();
    soegt = soegning.soegFiler(files, fund, ulaeste, [&](int done) {
        soegt = done;
        if (!self)
            return false;
        emit fremskridt(soegt, int(files.size()));
        return self && !vagt.stoppet();
    });
    if (!self)
        return;
    m_vagt = nullptr;
    visFremskridt(fund, soegt, int(files.size()));
    visAntal(ulaeste, ulaesteMappe);
    if (vagt.stoppet())
        m_countdis->setText(m_countdis->text() +
                            QStringLiteral(" – Søgningen blev stoppet efter %1 af %2 filer.")
                                .arg(danish().toString(soegt), danish().toString(files.size())));
    opdaterKommandoer();
}

void Tfindform::Find(bool ReplaceF) {
    if (m_vagt)
        return;
    opdaterHistorik();
    const QString text = nySoegning();
    if (text.isEmpty())
        return;
    const QString erstatning = m_editErstat->currentText();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto normalCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const DokumentSoegning soegning(text, m_check1->isChecked(), m_check2->isChecked());
    QList<TekstFund> fund;
    int erstattet = 0;
    for (const AabentDokument& aabent : m_host.aabneDokumenter()) {
        if (!aabent.dokument)
            continue;
        QTextDocument& tekst = *aabent.dokument->tekst();
        if (ReplaceF)
            erstattet += soegning.erstat(aabent.navn, tekst, erstatning, fund);
        else
            soegning.find(aabent.navn, tekst, fund);
    }
    m_model->setFund(std::move(fund));
    // Showing a hit selects what now stands there.
    m_soegetekst = ReplaceF ? erstatning : text;
    visAntal(0, false);
    if (erstattet > m_model->rowCount())
        m_countdis->setText(
            QStringLiteral("%1 (der blev erstattet %2 steder)")
                .arg(danish().toString(m_model->rowCount()), danish().toString(erstattet)));
}

void Tfindform::visFremskridt(const QList<TekstFund>& fund, int soegt, int ialt) {
    m_model->tilfoej(fund.mid(m_model->rowCount()));
    m_countdis->setText(QStringLiteral("%1 – søgt i %2 af %3 filer")
                            .arg(danish().toString(m_model->rowCount()), danish().toString(soegt),
                                 danish().toString(ialt)));
}

bool Tfindform::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the search box searches the folder.
    if (watched == m_editFind && event->type() == QEvent::KeyPress &&
        (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
         static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter)) {
        if (m_afindBib->isEnabled())
            m_afindBib->trigger();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfindform::AvisValgteExecute() {
    const int row = valgtRaekke();
    if (row < 0)
        return;
    if (!m_host.visTekstFund(m_model->fund(row), int(m_soegetekst.size()), true)) {
        m_model->fjern(row);
        visAntal(0, false);
    }
}

void Tfindform::AopenAllExecute() {
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_host.visTekstFund(m_model->fund(row), int(m_soegetekst.size()), false)) {
            m_model->fjern(row);
            visAntal(0, false);
            return;
        }
    }
}

void Tfindform::setDirKnapClick() {
    const std::optional<QString> chosen =
        m_host.vaelgMappe(QStringLiteral("Vælg søgebibliotek"), m_host.funk().Grundmappe());
    if (!chosen)
        return;
    setMappe(LogicalPath::normalized(*chosen) + QLatin1Char('\\'));
    m_host.funk().makeStruktur2(*chosen, true);
}

bool Tfindform::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        opdaterKommandoer();
    return QDialog::event(event);
}

void Tfindform::showEvent(QShowEvent* event) {
    if (m_opstart && !event->spontaneous()) {
        m_opstart = false;
        QStringList lines;
        std::optional<int> top, left;
        if (TextFile::read(optionFil(), lines) && lines.size() >= 2) {
            top = FilTal::tal(lines.at(0));
            left = FilTal::tal(lines.at(1));
        }
        if (top && left)
            move(Skaermplads::inden(QRect(QPoint(*left, *top), size())).topLeft());
        else
            move(100, 100);
        setMappe(LogicalPath::normalized(m_host.funk().Grundmappe()) + QLatin1Char('\\'));
        setFilterEntries(m_host.typeliste().filterEntries());
    }
    opdaterKommandoer();
    QDialog::showEvent(event);
}

QString Tfindform::optionFil() const {
    return m_host.mapper().optDir + QStringLiteral("findoptions.txt");
}

void Tfindform::hideEvent(QHideEvent* event) {
    // Closed, not minimized: a search under way ends with the window. A place that cannot
    // be saved is found again at the default place next time.
    if (!event->spontaneous()) {
        if (m_vagt)
            m_vagt->stop();
        (void)TextFile::write(optionFil(), {QString::number(y()), QString::number(x())});
    }
    QDialog::hideEvent(event);
}
