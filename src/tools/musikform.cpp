#include "musikform.h"
#include "valgboks.h"

#include "engine/handlinger.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/centreddialog.h"
#include "shared/datafolders.h"
#include "shared/fejlgrund.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/vinduesplads.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace {

QAction* kommando(QObject* parent, const char* name, const QString& text, const QString& hint) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint.isEmpty() ? text : hint);
    action->setStatusTip(hint);
    return action;
}

QToolButton* knap(QWidget* parent, QAction* action) {
    auto* b = new QToolButton(parent);
    b->setObjectName(action->objectName() + QStringLiteral("Knap"));
    b->setDefaultAction(action);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return b;
}

// The list's plain name: the last part of what was typed, without its extension, so that
// nothing is ever written outside the music list folder.
QString listeNavnAf(const QString& tekst) {
    QString navn = tekst.trimmed();
    navn.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList dele = navn.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    navn = dele.isEmpty() ? QString() : dele.last();
    return LogicalPath::extension(navn).isEmpty() ? navn : LogicalPath::baseName(navn);
}

} // namespace

Tmusikform::Tmusikform(MainHost& host)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                      Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint),
      m_host(host) {
    setObjectName(QStringLiteral("musikform"));
    setWindowTitle(QStringLiteral("Musiklister"));

    m_aGem = kommando(this, "aGem", QStringLiteral("Gem aktuelle musikliste"),
                      QStringLiteral("Vælg et specifikt navn"));
    m_aHent = kommando(this, "aHent", QStringLiteral("Hent valgte musikliste"),
                       QStringLiteral("Afspil musiklistens musikstykker"));
    m_aSlet = kommando(this, "aSlet", QStringLiteral("Slet valgte musikliste"), {});
    connect(m_aGem, &QAction::triggered, this, &Tmusikform::gem);
    connect(m_aHent, &QAction::triggered, this, &Tmusikform::hent);
    connect(m_aSlet, &QAction::triggered, this, &Tmusikform::slet);

    m_musikliste = new QListWidget(this);
    m_musikliste->setObjectName(QStringLiteral("musikliste"));
    m_musikliste->setSortingEnabled(false);
    connect(m_musikliste, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_editHent->setText(item->text()); });
    connect(m_musikliste, &QListWidget::itemActivated, this, &Tmusikform::hent);
    connect(m_musikliste, &QListWidget::itemSelectionChanged, this, &Tmusikform::opdaterKommandoer);
    auto* opdaterKnap = new QToolButton(this);
    opdaterKnap->setObjectName(QStringLiteral("opdaterKnap"));
    opdaterKnap->setIcon(CentredDialog::programIcon(QStringLiteral("cmd-aOpdaterAll")));
    opdaterKnap->setToolTip(QStringLiteral("Opdater musiklisterne"));
    connect(opdaterKnap, &QToolButton::clicked, this, &Tmusikform::opdater);

    m_editGem = new QLineEdit(this);
    m_editGem->setObjectName(QStringLiteral("EditGem"));
    connect(m_editGem, &QLineEdit::textChanged, this, &Tmusikform::opdaterKommandoer);
    connect(m_editGem, &QLineEdit::returnPressed, m_aGem, &QAction::trigger);
    m_editHent = new QLineEdit(this);
    m_editHent->setObjectName(QStringLiteral("EditHent"));
    m_editHent->setReadOnly(true);
    connect(m_editHent, &QLineEdit::textChanged, this, &Tmusikform::opdaterKommandoer);
    connect(m_editHent, &QLineEdit::returnPressed, m_aHent, &QAction::trigger);

    MainOptions& opt = m_host.opt();
    m_spilStraks = new Valgboks(QStringLiteral("Spil straks efter valg"), "spilStraks",
                                opt.spilStraksChecked, this);
    m_lukStraks = new Valgboks(QStringLiteral("Luk boksen efter valg"), "lukStraks",
                               opt.lukStraksChecked, this);
    auto* billede = new QLabel(this);
    billede->setPixmap(
        CentredDialog::programIcon(QStringLiteral("cmd-aMusikafspiller")).pixmap(48));
    auto* luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("ButtonLuk"));
    luk->setToolTip(QStringLiteral("Luk boksen"));
    luk->setAutoDefault(false);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);

    auto* venstre = new QVBoxLayout;
    venstre->addWidget(new QLabel(QStringLiteral("Musiklistefiler"), this));
    venstre->addWidget(m_musikliste, 1);
    auto* listeKnapper = new QHBoxLayout;
    listeKnapper->addWidget(knap(this, m_aSlet), 1);
    listeKnapper->addWidget(opdaterKnap);
    venstre->addLayout(listeKnapper);
    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(new QLabel(QStringLiteral("Listenavn"), this));
    hoejre->addWidget(m_editGem);
    hoejre->addWidget(knap(this, m_aGem));
    hoejre->addSpacing(12);
    hoejre->addWidget(new QLabel(QStringLiteral("Listenavn"), this));
    hoejre->addWidget(m_editHent);
    hoejre->addWidget(knap(this, m_aHent));
    hoejre->addSpacing(12);
    hoejre->addWidget(m_spilStraks);
    hoejre->addWidget(m_lukStraks);
    hoejre->addStretch();
    auto* bund = new QHBoxLayout;
    bund->addWidget(billede);
    bund->addStretch();
    bund->addWidget(luk, 0, Qt::AlignBottom);
    hoejre->addLayout(bund);
    auto* raekke = new QHBoxLayout(this);
    raekke->addLayout(venstre, 1);
    raekke->addLayout(hoejre, 1);
    setFixedSize(470, 330);

    connect(&m_host.funk(), &TMedielister::musiklisteAendret, this, &Tmusikform::opdaterKommandoer);
    laesListe();
    Vinduesplads::hent(*this, pladsfil());
}

QString Tmusikform::pladsfil() const {
    return m_host.mapper().optDir + QStringLiteral("musikunit.txt");
}

void Tmusikform::done(int result) {
    // A place that cannot be saved costs only the place: nothing to trouble the user with.
    (void)Vinduesplads::gem(*this, pladsfil());
    QDialog::done(result);
}

void Tmusikform::laesListe() {
    m_musikliste->clear();
    QList<FileInfo> entries;
    if (Platform::files().list(m_host.mapper().musikListeDir, entries)) {
        QStringList navne;
        for (const FileInfo& entry : entries)
            if (entry.isFile() && entry.mappable &&
                entry.name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
                navne << entry.name;
        navne.sort(Qt::CaseInsensitive);
        m_musikliste->addItems(navne);
    }
    opdaterKommandoer();
}

void Tmusikform::opdater() {
    m_editHent->clear();
    listenavn.clear();
    laesListe();
}

QString Tmusikform::valgtFil() const {
    const QList<QListWidgetItem*> valgte = m_musikliste->selectedItems();
    return valgte.isEmpty() ? QString() : m_host.mapper().musikListeDir + valgte.first()->text();
}

void Tmusikform::opdaterKommandoer() {
    const bool valgt = !m_musikliste->selectedItems().isEmpty();
    m_aGem->setEnabled(m_host.funk().mIndex() >= 0 && !m_editGem->text().isEmpty());
    m_aHent->setEnabled(valgt && !m_editHent->text().isEmpty());
    m_aSlet->setEnabled(valgt);
}

void Tmusikform::gem() {
    opdaterKommandoer();
    if (!m_aGem->isEnabled())
        return;
    const QString navn = listeNavnAf(m_editGem->text());
    if (!THandlinger::gyldigtNavn(navn)) {
        Platform::prompter().message(
            QStringLiteral("\"%1\" kan ikke bruges som navn på en musikliste.\nEt navn må ikke "
                           "indeholde tegnene : * ? \" < > | eller styretegn.")
                .arg(m_editGem->text()),
            MessageKind::Information);
        return;
    }
    const QString path = m_host.mapper().musikListeDir + navn + QStringLiteral(".txt");
    if (Platform::files().exists(path) &&
        !Platform::prompter().question(
            QStringLiteral("Skal filen\n%1\noverskrives?").arg(LogicalPath::lastComponent(path)))) {
        listenavn.clear();
        return;
    }
    THandlinger& funk = m_host.funk();
    QStringList lines;
    for (int i = 0; i <= funk.mIndex(); ++i)
        lines << funk.getPlayFilename(i);
    if (const FileResult written = TextFile::write(path, lines); !written) {
        Platform::prompter().message(
            Fejlgrund::ikkeGemt(QStringLiteral("Musiklisten %1 kunne ikke gemmes.")
                                    .arg(LogicalPath::lastComponent(path)),
                                path, written.error()),
            MessageKind::Error);
        return;
    }
    listenavn = navn;
    laesListe();
    const QList<QListWidgetItem*> gemt =
        m_musikliste->findItems(LogicalPath::lastComponent(path), Qt::MatchFixedString);
    if (!gemt.isEmpty())
        m_musikliste->setCurrentItem(gemt.first());
}

void Tmusikform::hent() {
    const QString path = valgtFil();
    QStringList lines;
    if (path.isEmpty() || !Platform::files().exists(path)) {
        Platform::prompter().message(QStringLiteral("Filen eksisterer ikke.\nVælg en ny liste."),
                                     MessageKind::Information);
        opdater();
        return;
    }
    if (!TextFile::read(path, lines)) {
        Platform::prompter().message(QStringLiteral("Musiklisten %1 kunne ikke læses.")
                                         .arg(LogicalPath::lastComponent(path)),
                                     MessageKind::Error);
        return;
    }
    lines.removeIf([](const QString& line) { return line.trimmed().isEmpty(); });
    THandlinger& funk = m_host.funk();
    funk.clearMusikliste();
    funk.makeMusikListeSL(lines, m_spilStraks->isChecked());
    listenavn = LogicalPath::baseName(path);
    if (m_lukStraks->isChecked())
        close();
}

void Tmusikform::slet() {
    const QString path = valgtFil();
    if (path.isEmpty() || !Platform::files().exists(path))
        return;
    if (!Platform::prompter().question(QStringLiteral("Skal filen\n%1\nslettes til papirkurven?")
                                           .arg(LogicalPath::lastComponent(path))))
        return;
    THandlinger& funk = m_host.funk();
    if (!funk.sletFil(path, true))
        Platform::prompter().message(QStringLiteral("Musiklisten %1 kunne ikke slettes.")
                                         .arg(LogicalPath::lastComponent(path)),
                                     MessageKind::Error);
    laesListe();
    if (LogicalPath::same(funk.Grundmappe(), m_host.mapper().musikListeDir))
        funk.makeStruktur2(funk.Grundmappe(), false);
}
