#include "mappestrukturform.h"
#include "openmappeform.h"

#include "engine/handlinger.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/markoerliste.h"
#include "shared/vinduesgeometri.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor Mintgroen(192, 220, 192);
const QColor Himmelblaa(166, 202, 240);

bool erEnter(const QKeyEvent* event) {
    return (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
           (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

QString som(const char* tekst) {
    return QString::fromUtf8(tekst);
}

} // namespace

Tmappestrukturform::Tmappestrukturform(MainHost& host, QAction& rediger, QAction& visStruktur,
                                       std::function<Topenmappeform&()> mappeDialog)
    : QDialog(host.hovedvindue()), m_host(host),
      m_optFilnavn(host.mapper().optDir + QStringLiteral("mappestruktur.txt")),
      m_mappeDialog(std::move(mappeDialog)), m_visStruktur(visStruktur),
      m_strukturListeMapper(new MarkoerListe(MarkoerListe::Form::Cirkel, Mintgroen, this)),
      m_strukturMappeListe(new MarkoerListe(MarkoerListe::Form::Firkant, Himmelblaa, this)),
      m_strukturListe(new MarkoerListe(MarkoerListe::Form::Cirkel, Mintgroen, this)),
      m_editGem(new QLineEdit(this)) {
    setObjectName(QStringLiteral("mappestrukturform"));
    setWindowTitle(QStringLiteral("Mappestruktur"));
    auto* column = new QVBoxLayout(this);

    // The structure being composed.
    auto* ny = new QGroupBox(QStringLiteral("Ny struktur"), this);
    auto* nyGrid = new QGridLayout(ny);
    nyGrid->addWidget(new QLabel(QStringLiteral("Mapper"), ny), 0, 0);
    m_strukturListeMapper->setObjectName(QStringLiteral("strukturListeMapper"));
    m_strukturListeMapper->setToolTip(som("Indførte strukturer"));
    nyGrid->addWidget(m_strukturListeMapper, 1, 0, 1, 3);
    auto* nyKnapper = new QVBoxLayout;
    m_fjern = knap("FjernMappeKnap", "Fjern mappe", "Fjern valgte mappe fra strukturen");
    QPushButton* insert = knap("insertMappeKnap", "Indfør mappe", "Indfør ny mappe i strukturen");
    m_op = knap("opKnap", "OP", "Flyt valgte element op");
    m_ned = knap("nedKnap", "Ned", "Flyt valgte element ned");
    for (QPushButton* button : {insert, m_fjern, m_op, m_ned})
        nyKnapper->addWidget(button);
    nyKnapper->addStretch();
    nyGrid->addLayout(nyKnapper, 1, 3);
    nyGrid->addWidget(new QLabel(QStringLiteral("Strukturnavn"), ny), 2, 0);
    m_editGem->setObjectName(QStringLiteral("EditGem"));
    nyGrid->addWidget(m_editGem, 2, 1);
    m_gem = knap("gemKnap", "Gem strukturen", "Gem strukturen med valgte navn");
    nyGrid->addWidget(m_gem, 2, 2);
    m_klargoer = knap("sbNyMappestruktur", "Klargør til ny struktur",
                      "Klargør til helt ny struktur: Husk at gemme først, hvis noget er "
                      "forandret!");
    nyGrid->addWidget(m_klargoer, 2, 3);
    nyGrid->setColumnStretch(1, 1);
    nyGrid->setRowStretch(1, 1);
    column->addWidget(ny, 5);

    // The saved structures and the folders of the chosen one.
    auto* gemte = new QGroupBox(QStringLiteral("Gemte strukturer"), this);
    auto* gemteGrid = new QGridLayout(gemte);
    gemteGrid->addWidget(new QLabel(QStringLiteral("Mapper"), gemte), 0, 0);
    m_strukturMappeListe->setObjectName(QStringLiteral("strukturMappeListe"));
    m_strukturMappeListe->setToolTip(som("Indførte mapper"));
    gemteGrid->addWidget(m_strukturMappeListe, 1, 0);
    gemteGrid->addWidget(new QLabel(QStringLiteral("Strukturer"), gemte), 2, 0);
    m_strukturListe->setObjectName(QStringLiteral("strukturListe"));
    m_strukturListe->setToolTip(som("Indførte strukturer"));
    gemteGrid->addWidget(m_strukturListe, 3, 0);
    auto* gemteKnapper = new QVBoxLayout;
    gemteKnapper->addWidget(knap("redigerKnap", rediger));
    gemteKnapper->addWidget(knap("visStrukturKnap", visStruktur));
    QPushButton* visMappeKnap =
        knap("visMappeKnap", "Vis mappe", "Vis mappen hvor strukturfilerne ligger");
    QPushButton* opdater = knap("opdaterKnap", "Opdater", "Genindlæs mappestrukturer");
    m_slet = knap("sletKnap", "Slet valgte", "Slet valgte struktur");
    for (QPushButton* button : {visMappeKnap, opdater, m_slet})
        gemteKnapper->addWidget(button);
    gemteKnapper->addStretch();
    gemteGrid->addLayout(gemteKnapper, 3, 1);
    gemteGrid->setRowStretch(1, 2);
    gemteGrid->setRowStretch(3, 3);
    gemteGrid->setColumnStretch(0, 1);
    column->addWidget(gemte, 6);

    auto* fod = new QHBoxLayout;
    QPushButton* info =
        knap("sbStrukturInfo", "Information     ", "Information angående struktursiden");
    fod->addWidget(info);
    fod->addStretch();
    QPushButton* luk = knap("ButtonLuk", "Luk", "");
    fod->addWidget(luk);
    column->addLayout(fod);

    connect(insert, &QPushButton::clicked, this, &Tmappestrukturform::insertMappe);
    connect(m_fjern, &QPushButton::clicked, this, &Tmappestrukturform::fjernMappe);
    connect(m_op, &QPushButton::clicked, this, [this] { flyt(-1); });
    connect(m_ned, &QPushButton::clicked, this, [this] { flyt(1); });
    connect(m_gem, &QPushButton::clicked, this, &Tmappestrukturform::gem);
    connect(m_klargoer, &QPushButton::clicked, this, &Tmappestrukturform::klargoer);
    connect(m_slet, &QPushButton::clicked, this, &Tmappestrukturform::sletValgte);
    connect(visMappeKnap, &QPushButton::clicked, this,
            [this] { visMappe(LogicalPath::normalized(m_host.mapper().mappestrukturDir)); });
    connect(opdater, &QPushButton::clicked, this, [this] {
        if (maaMisteRedigering(QStringLiteral("opdateres")))
            loadMappeStruktur();
    });
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Strukturer"), false); });
    connect(luk, &QPushButton::clicked, this, &QDialog::close);
    connect(m_editGem, &QLineEdit::textEdited, this, [this] {
        if (m_strukturListeMapper->count() > 0)
            setRedigeret(true);
    });
    connect(m_editGem, &QLineEdit::textChanged, this, &Tmappestrukturform::opdaterKnapper);
    connect(m_strukturListeMapper, &QListWidget::itemSelectionChanged, this,
            &Tmappestrukturform::opdaterKnapper);
    connect(m_strukturListe, &QListWidget::itemSelectionChanged, this,
            &Tmappestrukturform::vaelgStruktur);
    connect(m_strukturListe, &QListWidget::itemDoubleClicked, &visStruktur, &QAction::trigger);
    connect(m_strukturMappeListe, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { visMappe(item->text()); });
    for (QWidget* watched :
         {static_cast<QWidget*>(m_strukturListeMapper), static_cast<QWidget*>(m_strukturListe),
          static_cast<QWidget*>(m_strukturMappeListe), static_cast<QWidget*>(m_editGem)})
        watched->installEventFilter(this);

    resize(614, 607);
    setMinimumSize(614, 607);
    VinduesGeometri::placer(*this, m_optFilnavn, *host.hovedvindue());
    opdaterKnapper();
}

QPushButton* Tmappestrukturform::knap(const char* name, const char* text, const char* hint) {
    return dialogKnap(name, som(text), som(hint), this);
}

QPushButton* Tmappestrukturform::knap(const char* name, QAction& action) {
    QPushButton* button = dialogKnap(name, action.text(), action.statusTip(), this);
    const auto follow = [button, &action] {
        button->setText(action.text());
        button->setEnabled(action.isEnabled());
    };
    follow();
    connect(&action, &QAction::changed, button, follow);
    connect(button, &QPushButton::clicked, &action, &QAction::trigger);
    return button;
}

QString Tmappestrukturform::strukturnavn(const QString& tekst) {
    QString navn = tekst;
    const qsizetype skel =
        std::max({navn.lastIndexOf(QLatin1Char('\\')), navn.lastIndexOf(QLatin1Char('/')),
                  navn.lastIndexOf(QLatin1Char(':'))});
    navn = navn.mid(skel + 1);
    if (const qsizetype punktum = navn.lastIndexOf(QLatin1Char('.')); punktum >= 0)
        navn.truncate(punktum);
    navn = navn.trimmed();
    // "." and ".." name folders, not files.
    if (navn.count(QLatin1Char('.')) == navn.size())
        return {};
    // Names Windows refuses would make a file the structure could never be read from there.
    static const QString forbudte = QStringLiteral("<>\"|?*");
    for (const QChar c : std::as_const(navn))
        if (c.unicode() < 32 || forbudte.contains(c))
            return {};
    return navn;
}

void Tmappestrukturform::loadMappeStruktur() {
    m_strukturMappeListe->clear();
    m_strukturListe->clear();
    m_strukturListeMapper->clear();
    m_editGem->clear();
    // What was composed is gone with the lists.
    m_redigeret = false;
    const QString mappe = m_host.mapper().mappestrukturDir;
    if (Platform::files().isFolder(mappe)) {
        QList<FileInfo> entries;
        if (Platform::files().list(mappe, entries, ListDetail::Names, ListOrder::ByName)) {
            for (const FileInfo& entry : std::as_const(entries))
                if (entry.mappable && !entry.isFolder() &&
                    entry.name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
                    m_strukturListe->addItem(entry.name);
        } else {
            Platform::prompter().message(
                QStringLiteral("Der opstod en fejl i forbiondelse med\nindlæsningen af "
                               "mappestrukturfiler."),
                MessageKind::Information);
        }
    }
    opdaterKnapper();
}

QStringList Tmappestrukturform::valgteMapper() const {
    return m_strukturMappeListe->tekster();
}

bool Tmappestrukturform::harValgtStruktur() const {
    return m_strukturListe->harValgt();
}

void Tmappestrukturform::redigerValgte() {
    const int valgt = m_strukturListe->valgtRaekke();
    if (valgt < 0 || !maaMisteRedigering(QStringLiteral("redigeres")))
        return;
    m_strukturListeMapper->setTekster(m_strukturMappeListe->tekster());
    m_editGem->setText(LogicalPath::baseName(m_strukturListe->item(valgt)->text()));
    setRedigeret(false);
}

void Tmappestrukturform::setRedigeret(bool redigeret) {
    m_redigeret = redigeret;
    opdaterKnapper();
}

void Tmappestrukturform::opdaterKnapper() {
    const int valgt = m_strukturListeMapper->valgtRaekke();
    const int antal = m_strukturListeMapper->count();
    m_fjern->setEnabled(valgt >= 0);
    m_op->setEnabled(valgt > 0);
    m_ned->setEnabled(valgt >= 0 && valgt < antal - 1);
    m_gem->setEnabled(m_redigeret && !m_editGem->text().isEmpty());
    m_klargoer->setEnabled(!m_editGem->text().isEmpty() || antal > 0);
    m_slet->setEnabled(m_strukturListe->harValgt());
}

bool Tmappestrukturform::maaMisteRedigering(const QString& handling) {
    return !m_redigeret ||
           Platform::prompter().question(QStringLiteral("Der er rediget i strukturen!\n"
                                                        "Ændringerne vil gå tabt.\n"
                                                        "Skal der %1 alligevel?")
                                             .arg(handling));
}

void Tmappestrukturform::indfoerMappe(const QString& folder) {
    m_strukturListeMapper->addItem(folder);
    setRedigeret(true);
}

void Tmappestrukturform::insertMappe() {
    Topenmappeform& dialog = m_mappeDialog();
    dialog.FonSelectMappe = [this](const QString& folder) { indfoerMappe(folder); };
    dialog.initDirectory(dialog.Mappenavn.isEmpty() ? m_host.funk().Grundmappe() : dialog.Mappenavn,
                         {});
    if (dialog.exec() == QDialog::Accepted && !dialog.Mappenavn.isEmpty())
        indfoerMappe(dialog.Mappenavn);
}

void Tmappestrukturform::fjernMappe() {
    const int valgt = m_strukturListeMapper->valgtRaekke();
    if (valgt < 0)
        return;
    delete m_strukturListeMapper->takeItem(valgt);
    m_strukturListeMapper->vaelg(qMin(valgt, m_strukturListeMapper->count() - 1));
    setRedigeret(true);
}

void Tmappestrukturform::flyt(int retning) {
    const int valgt = m_strukturListeMapper->valgtRaekke();
    const int til = valgt + retning;
    if (valgt < 0 || til < 0 || til >= m_strukturListeMapper->count())
        return;
    m_strukturListeMapper->insertItem(til, m_strukturListeMapper->takeItem(valgt));
    m_strukturListeMapper->vaelg(til);
    setRedigeret(true);
}

void Tmappestrukturform::gem() {
    if (!m_gem->isEnabled())
        return;
    const QString navn = strukturnavn(m_editGem->text());
    if (navn.isEmpty()) {
        Platform::prompter().message(
            QStringLiteral("Navnet \"%1\" kan ikke bruges som navn på en struktur.")
                .arg(m_editGem->text()),
            MessageKind::Information);
        m_editGem->setFocus();
        return;
    }
    const QString mappe = m_host.mapper().mappestrukturDir;
    const QString filnavn = navn + QStringLiteral(".txt");
    const QString fil = mappe + filnavn;
    if (Platform::files().exists(fil) &&
        !Platform::prompter().question(QStringLiteral("Skal filen\n%1\noverskrives?").arg(filnavn)))
        return;
    if (!Platform::files().makeFolder(mappe) ||
        !TextFile::write(fil, m_strukturListeMapper->tekster())) {
        Platform::prompter().message(
            QStringLiteral("Strukturen kunne ikke gemmes som %1.").arg(filnavn),
            MessageKind::Error);
        return;
    }
    loadMappeStruktur();
    // The saved structure stands chosen, ready to be shown.
    const QList<QListWidgetItem*> gemt = m_strukturListe->findItems(filnavn, Qt::MatchFixedString);
    if (!gemt.isEmpty())
        m_strukturListe->vaelg(m_strukturListe->row(gemt.first()));
}

void Tmappestrukturform::klargoer() {
    if (!maaMisteRedigering(QStringLiteral("klargøres")))
        return;
    m_editGem->clear();
    m_strukturListeMapper->clear();
    setRedigeret(false);
}

void Tmappestrukturform::sletValgte() {
    const int valgt = m_strukturListe->valgtRaekke();
    if (valgt < 0)
        return;
    const QString navn = m_strukturListe->item(valgt)->text();
    QString spoergsmaal = QStringLiteral("Skal filen\n%1\nslettes permanent?").arg(navn);
    // The lists are read again afterwards, which empties the structure being composed.
    if (m_redigeret)
        spoergsmaal += QStringLiteral("\n\nDer er rediget i strukturen!\nÆndringerne vil gå tabt.");
    if (!Platform::prompter().question(spoergsmaal))
        return;
    const QString fil = m_host.mapper().mappestrukturDir + navn;
    if (!Platform::files().exists(fil) || Platform::files().isFolder(fil)) {
        Platform::prompter().message(QStringLiteral("Filen blev ikke fundet"),
                                     MessageKind::Information);
        return;
    }
    if (!Platform::files().removeFile(fil)) {
        Platform::prompter().message(QStringLiteral("Filen %1 kunne ikke slettes.").arg(navn),
                                     MessageKind::Error);
        return;
    }
    loadMappeStruktur();
}

void Tmappestrukturform::vaelgStruktur() {
    m_strukturMappeListe->clear();
    const int valgt = m_strukturListe->valgtRaekke();
    if (valgt >= 0) {
        const QString fil = m_host.mapper().mappestrukturDir + m_strukturListe->item(valgt)->text();
        QStringList lines;
        if (!Platform::files().exists(fil)) {
            Platform::prompter().message(QStringLiteral("Filen blev ikke fundet"),
                                         MessageKind::Information);
        } else if (TextFile::read(fil, lines)) {
            // A damaged file gives the folders it holds; empty lines name none.
            lines.removeAll(QString());
            m_strukturMappeListe->setTekster(lines);
        }
    }
    opdaterKnapper();
}

void Tmappestrukturform::visMappe(const QString& folder) {
    if (!Platform::files().isFolder(folder)) {
        Platform::prompter().message(QStringLiteral("Mappen blev ikke fundet."),
                                     MessageKind::Information);
        return;
    }
    THandlinger& funk = m_host.funk();
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(folder, true);
}

bool Tmappestrukturform::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_strukturListeMapper && key->key() == Qt::Key_Delete) {
        fjernMappe();
        return true;
    }
    if (!erEnter(key))
        return QDialog::eventFilter(watched, event);
    if (watched == m_editGem)
        gem();
    else if (watched == m_strukturListe && m_strukturListe->harValgt())
        m_visStruktur.trigger();
    else if (watched == m_strukturMappeListe && m_strukturMappeListe->currentItem())
        visMappe(m_strukturMappeListe->currentItem()->text());
    return true;
}

void Tmappestrukturform::done(int result) {
    VinduesGeometri::gem(*this, m_optFilnavn, true);
    QDialog::done(result);
}
