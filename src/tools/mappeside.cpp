#include "mappeside.h"
#include "sideoverskrift.h"

#include "engine/handlinger.h"
#include "platform/logicalpath.h"
#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

// The largest capacity the box takes: four digits.
constexpr int kStoersteKapacitet = 9999;

} // namespace

MappeSide::MappeSide(MainHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_favorit(edit("EditFavorit")),
      m_kameraBilled(edit("EditKameraBilled")), m_kameraFilm(edit("EditKameraFilm")),
      m_htmlProgram(edit("EditHtmlProgram")),
      m_tekstfiler(
          new QCheckBox(QStringLiteral("Åben tekstfiler i intern editor for redigering"), this)),
      m_gem(dialogKnap("side2Gem", QStringLiteral("Gem"), QString(), this)) {
    setObjectName(QStringLiteral("side2"));
    m_favorit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_favorit));
    m_favorit->setMaxLength(4);
    m_favorit->setFixedWidth(m_favorit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                             16);
    m_tekstfiler->setObjectName(QStringLiteral("CheckBoxTekstfiler"));

    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    int row = 0;
    grid->addWidget(sideOverskrift(QStringLiteral("Favoritmapper"), this), row++, 0, 1, 3);
    auto* favoritRaekke = new QHBoxLayout;
    favoritRaekke->addWidget(m_favorit);
    favoritRaekke->addWidget(new QLabel(QStringLiteral("mapper i favoritlisten"), this), 1);
    grid->addLayout(favoritRaekke, row++, 0, 1, 3);

    grid->addWidget(sideOverskrift(QStringLiteral("Kamera mapper"), this), row++, 0, 1, 3);
    const auto boksRaekke = [&](const QString& label, QLineEdit* box, QPushButton* knap) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(knap, row++, 2);
    };
    QPushButton* billedKnap = vaelgKnap("kameraBilledKnap", m_kameraBilled);
    QPushButton* filmKnap = vaelgKnap("kameraFilmKnap", m_kameraFilm);
    QPushButton* htmlKnap = vaelgKnap("htmlProgramKnap", m_htmlProgram);
    boksRaekke(QStringLiteral("Billedmappe:"), m_kameraBilled, billedKnap);
    boksRaekke(QStringLiteral("Filmappe:"), m_kameraFilm, filmKnap);
    QPushButton* personlige =
        dialogKnap("personligeKnap", QStringLiteral("Personlige mapper"),
                   QStringLiteral("Bestem stier for nogle personlige mapper"), this);
    grid->addWidget(personlige, row++, 1, Qt::AlignLeft);
    boksRaekke(QStringLiteral("Html program"), m_htmlProgram, htmlKnap);

    grid->addWidget(sideOverskrift(QStringLiteral("Tekstfiler"), this), row++, 0, 1, 3);
    grid->addWidget(m_tekstfiler, row++, 0, 1, 3);
    grid->setRowStretch(row++, 1);
    grid->addWidget(m_gem, row, 0, 1, 3, Qt::AlignRight);

    connect(billedKnap, &QPushButton::clicked, this,
            [this] { vaelgKameraMappe(m_kameraBilled, m_host.opt().kameraBilledDir, true); });
    connect(filmKnap, &QPushButton::clicked, this,
            [this] { vaelgKameraMappe(m_kameraFilm, m_host.opt().KameraFilmDir, false); });
    connect(htmlKnap, &QPushButton::clicked, this, &MappeSide::vaelgHtmlProgram);
    connect(personlige, &QPushButton::clicked, this, [this] { m_host.visPersonligeMapper(); });
    connect(m_tekstfiler, &QCheckBox::clicked, this, [this] { m_gem->setEnabled(true); });
    connect(m_gem, &QPushButton::clicked, this, &MappeSide::gem);
}

QLineEdit* MappeSide::edit(const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QLatin1String(name));
    connect(box, &QLineEdit::textChanged, this, [this] { m_gem->setEnabled(true); });
    // Enter in a box is "Gem" of the page, never a button of the window.
    connect(box, &QLineEdit::returnPressed, this, [this] {
        if (m_gem->isEnabled())
            gem();
    });
    return box;
}

QPushButton* MappeSide::vaelgKnap(const char* name, QLineEdit* edit) {
    QPushButton* knap = dialogKnap(name, QString(), QStringLiteral("Vælg mappe"), this);
    knap->setIcon(CentredDialog::programIcon(QStringLiteral("folder")));
    knap->setFixedSize(edit->sizeHint().height() + 8, edit->sizeHint().height());
    return knap;
}

void MappeSide::hent() {
    const MainOptions& opt = m_host.opt();
    m_favorit->setText(QString::number(opt.favoritAntal));
    m_kameraBilled->setText(opt.kameraBilledDir);
    m_kameraFilm->setText(opt.KameraFilmDir);
    m_htmlProgram->setText(opt.HtmlProgram);
    m_tekstfiler->setChecked(opt.openTekstFiler);
    m_gem->setEnabled(false);
}

int MappeSide::kapacitet() {
    const QString text = m_favorit->text().trimmed();
    bool ok = false;
    const int antal = text.toInt(&ok);
    if (text.isEmpty())
        Platform::prompter().message(
            QStringLiteral("Skriv hvor mange mapper favoritlisten skal kunne rumme."),
            MessageKind::Information);
    else if (!ok || antal < 1 || antal > kStoersteKapacitet)
        Platform::prompter().message(
            QStringLiteral("Favoritlisten kan rumme fra 1 til %1 mapper.\n\"%2\" er ikke et "
                           "antal i det område.")
                .arg(kStoersteKapacitet)
                .arg(text),
            MessageKind::Information);
    else
        return antal;
    m_favorit->setFocus();
    m_favorit->selectAll();
    return 0;
}

bool MappeSide::gem() {
    const int antal = kapacitet();
    if (antal == 0)
        return false;
    const QString program = m_htmlProgram->text().trimmed();
    if (!program.isEmpty() && !Platform::files().isFile(program)) {
        Platform::prompter().message(
            QStringLiteral("Html programmet findes ikke:\n%1\nVælg et program der findes, eller "
                           "tøm feltet.")
                .arg(program),
            MessageKind::Information);
        m_htmlProgram->setFocus();
        return false;
    }
    MainOptions& opt = m_host.opt();
    const int favoritter = m_host.favoritter();
    if (antal != opt.favoritAntal && antal < favoritter &&
        !Platform::prompter().question(
            QStringLiteral("Favoritlisten rummer %1 mapper.\nMed plads til %2 bliver de sidste "
                           "%3 fjernet fra listen.\nSkal antallet ændres alligevel?")
                .arg(favoritter)
                .arg(antal)
                .arg(favoritter - antal)))
        return false;
    opt.kameraBilledDir = m_kameraBilled->text();
    opt.KameraFilmDir = m_kameraFilm->text();
    opt.HtmlProgram = program;
    opt.openTekstFiler = m_tekstfiler->isChecked();
    if (antal != opt.favoritAntal)
        m_host.setFavoritKapacitet(antal);
    m_gem->setEnabled(false);
    return true;
}

void MappeSide::vaelgKameraMappe(QLineEdit* edit, const QString& gemt, bool billeder) {
    QString start = gemt;
    if (!start.isEmpty() && !Platform::files().isFolder(start)) {
        Platform::prompter().message(QStringLiteral("Mappen findes ikke længere:\n%1").arg(start),
                                     MessageKind::Information);
        start.clear();
    }
    if (start.isEmpty()) {
        const THandlinger& funk = m_host.funk();
        start = (billeder ? funk.GetMyPictures(false) : funk.GetMyVideo(false)).value_or(QString());
    }
    if (const std::optional<QString> valgt = m_host.vaelgMappe(QStringLiteral("Vælg mappe"), start))
        edit->setText(*valgt);
}

void MappeSide::vaelgHtmlProgram() {
    const QString program = m_host.opt().HtmlProgram;
    QString mappe = QStringLiteral("C:\\");
    QString forvalgt;
    if (!program.isEmpty()) {
        const QString programMappe = LogicalPath::parent(program);
        if (Platform::files().isFolder(programMappe)) {
            mappe = programMappe;
            forvalgt = program;
        } else {
            Platform::prompter().message(
                QStringLiteral("Mappen med html programmet findes ikke længere:\n%1")
                    .arg(programMappe),
                MessageKind::Information);
        }
    }
    if (const std::optional<QString> valgt = m_host.vaelgFil(mappe, false, forvalgt))
        m_htmlProgram->setText(*valgt);
}
