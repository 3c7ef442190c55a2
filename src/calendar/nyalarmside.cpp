#include "nyalarmside.h"
#include "aktivealarmer.h"
#include "felter.h"
#include "kalender.h"

#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"
#include "shared/fejlgrund.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Felter;

TNyAlarmSide::TNyAlarmSide(MainHost& host, AktiveAlarmer& aktive, QWidget* parent)
    : QWidget(parent), m_host(host), m_aktive(aktive), m_player(Platform::newMediaPlayer()) {
    setObjectName(QStringLiteral("side3"));
    QWidget* side = this;
    auto* typeBox = named(new QGroupBox(QStringLiteral("Alarm type"), side), "alarmtypeValg");
    m_alarmtypeValg = new QButtonGroup(this);
    auto* typer = new QHBoxLayout(typeBox);
    const char* typeNavne[] = {"Daglig", "Dato", "Gentaget"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QLatin1String(typeNavne[i]), typeBox);
        radio->setObjectName(QStringLiteral("alarmtype%1").arg(i));
        m_alarmtypeValg->addButton(radio, i);
        typer->addWidget(radio);
    }
    m_alarmtypeValg->button(0)->setChecked(true);

    m_editYear = talboks(4, {}, "EditYear", side);
    m_editMonth = talboks(2, {}, "EditMonth", side);
    m_editDay = talboks(2, {}, "EditDay", side);
    QGroupBox* datoBox = gruppe(QStringLiteral("Dato"),
                                {{QStringLiteral("År"), m_editYear},
                                 {QStringLiteral("Måned"), m_editMonth},
                                 {QStringLiteral("Dag"), m_editDay}},
                                side);
    m_editTime = talboks(2, {}, "EditTime", side);
    m_editMinut = talboks(2, {}, "EditMinut", side);
    auto* dagsDato =
        knap(QStringLiteral("Nu"), QStringLiteral("Dags dato og klokken"), "sbDagsDato", side);
    QGroupBox* klokBox = gruppe(QStringLiteral("Klokken"),
                                {{QStringLiteral("Time"), m_editTime},
                                 {QStringLiteral("Minut"), m_editMinut},
                                 {QString(), dagsDato}},
                                side);
    m_cbLydfiler = named(new QComboBox(side), "cbLydfiler");
    m_cbLydfiler->addItems(Alarmer::lydnavne());
    m_cbLydfiler->setMaxVisibleItems(13);
    auto* spil = knap(QStringLiteral("▶"), QStringLiteral("Test alarmen"), "sbSide4Play", side);
    spil->setFixedWidth(32);
    // The repetitions with their arrows, 1-16.
    auto* gentagelse = new QWidget(side);
    m_editGentagelse = talboks(2, {}, "EditGentagelse", gentagelse);
    m_editGentagelse->setText(QStringLiteral("1"));
    auto* op = named(new QToolButton(gentagelse), "UpDownOp");
    op->setArrowType(Qt::UpArrow);
    auto* ned = named(new QToolButton(gentagelse), "UpDownNed");
    ned->setArrowType(Qt::DownArrow);
    auto* pile = new QHBoxLayout(gentagelse);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(2);
    pile->addWidget(m_editGentagelse);
    pile->addWidget(op);
    pile->addWidget(ned);
    // The row may be wider than the three: the arrows stay beside their box.
    pile->addStretch(1);
    QGroupBox* lydBox = gruppe(QStringLiteral("Alarmlyd"),
                               {{QStringLiteral("Lydfil"), m_cbLydfiler},
                                {QString(), spil},
                                {QStringLiteral("Gentagelse"), gentagelse}},
                               side);

    m_editOverskrift = named(new QLineEdit(side), "EditOverskrift");
    m_editOverskrift->setMaxLength(Alarmer::MaxOverskrift);
    m_alarmMemo = named(new QPlainTextEdit(side), "alarmMemo");
    m_sbGemAlarm = knap(QStringLiteral("Gem"), {}, "sbGemAlarm", side);
    auto* ny = knap(QStringLiteral("Ny"), {}, "sbNyAlarm", side);
    auto* info = knap(QStringLiteral("Information"), QStringLiteral("Information om alarmer"),
                      "sbInfoalarm", side);

    auto* layout = new QVBoxLayout(side);
    layout->addWidget(typeBox);
    auto* raekke = new QHBoxLayout;
    raekke->addWidget(datoBox);
    raekke->addWidget(klokBox);
    raekke->addWidget(lydBox, 1);
    layout->addLayout(raekke);
    layout->addWidget(new QLabel(QStringLiteral("Overskrift"), side));
    layout->addWidget(m_editOverskrift);
    layout->addWidget(new QLabel(QStringLiteral("Tekst"), side));
    layout->addWidget(m_alarmMemo, 1);
    auto* knapper = new QHBoxLayout;
    knapper->addWidget(m_sbGemAlarm);
    knapper->addWidget(ny);
    knapper->addStretch(1);
    knapper->addWidget(info);
    layout->addLayout(knapper);

    connect(m_alarmtypeValg, &QButtonGroup::idClicked, this, &TNyAlarmSide::vaelgType);
    for (QLineEdit* e : {m_editYear, m_editMonth, m_editDay, m_editTime, m_editMinut,
                         m_editGentagelse, m_editOverskrift})
        connect(e, &QLineEdit::textChanged, this, &TNyAlarmSide::ret);
    connect(m_alarmMemo, &QPlainTextEdit::textChanged, this, &TNyAlarmSide::ret);
    connect(m_cbLydfiler, &QComboBox::currentIndexChanged, this, [this](int index) {
        // The user's choice is remembered; an alarm taken in for editing is not a choice.
        if (index >= 0 && !m_udfylder)
            m_host.opt().alarmLydIndex = index;
        ret();
    });
    auto trin = [this](int delta) {
        const int n = qBound(1, tal(m_editGentagelse).value_or(1) + delta, Alarmer::MaxGentagelse);
        m_editGentagelse->setText(QString::number(n));
    };
    connect(op, &QToolButton::clicked, this, [trin] { trin(1); });
    connect(ned, &QToolButton::clicked, this, [trin] { trin(-1); });
    connect(spil, &QPushButton::clicked, this, &TNyAlarmSide::spilLyd);
    connect(m_sbGemAlarm, &QPushButton::clicked, this, &TNyAlarmSide::gemAlarm);
    connect(ny, &QPushButton::clicked, this, &TNyAlarmSide::nyAlarm);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Alarmer"), false); });
    // The current date and time into the boxes the type uses.
    connect(dagsDato, &QPushButton::clicked, this, [this] {
        const QDateTime nu = Platform::clock().localNow();
        if (m_editDay->isEnabled()) {
            m_editDay->setText(QString::number(nu.date().day()));
            m_editMonth->setText(QString::number(nu.date().month()));
        }
        if (m_editYear->isEnabled())
            m_editYear->setText(QString::number(nu.date().year()));
        m_editTime->setText(QString::number(nu.time().hour()));
        m_editMinut->setText(QString::number(nu.time().minute()));
    });
    connect(m_player.get(), &MediaPlayer::failed, this,
            [this](const QString& message) { m_host.Info(message); });
}

TNyAlarmSide::~TNyAlarmSide() = default;

void TNyAlarmSide::forbered(const QFont& font) {
    {
        const QSignalBlocker quiet(m_cbLydfiler);
        const int lyd = m_host.opt().alarmLydIndex;
        m_cbLydfiler->setCurrentIndex(lyd >= 0 && lyd < m_cbLydfiler->count() ? lyd : 0);
    }
    m_alarmMemo->setFont(font);
    vaelgType(TAlarmRecord::Daglig);
    m_sbGemAlarm->setEnabled(false);
}

void TNyAlarmSide::rediger(const TAlarmRecord& a, const QStringList& tekst) {
    m_alarmtypeValg->button(qMin<int>(a.alarmtype, 2))->setChecked(true);
    vaelgType(a.alarmtype);
    m_udfylder = true;
    m_editYear->setText(a.aarS);
    m_editMonth->setText(a.maanedS);
    m_editDay->setText(a.dagS);
    m_editTime->setText(a.timeS);
    m_editMinut->setText(a.minutS);
    m_cbLydfiler->setCurrentIndex(a.alarmfil);
    m_editGentagelse->setText(QString::number(a.gentagelse));
    m_editOverskrift->setText(a.overskrift);
    m_alarmMemo->setPlainText(tekst.join(QLatin1Char('\n')));
    m_udfylder = false;
    m_redigeret = a.navn;
    m_sbGemAlarm->setEnabled(false);
}

void TNyAlarmSide::glem(const QString& navn) {
    if (m_redigeret == navn)
        m_redigeret.reset();
}

void TNyAlarmSide::hideEvent(QHideEvent* event) {
    // A sound being tried stops with the page.
    m_player->stop();
    QWidget::hideEvent(event);
}

void TNyAlarmSide::ret() {
    if (!m_udfylder)
        m_sbGemAlarm->setEnabled(true);
}

void TNyAlarmSide::vaelgType(int type) {
    const QDateTime nu = Platform::clock().localNow();
    m_udfylder = true;
    m_editYear->setEnabled(type == TAlarmRecord::Dato);
    m_editMonth->setEnabled(type != TAlarmRecord::Daglig);
    m_editDay->setEnabled(type != TAlarmRecord::Daglig);
    if (type == TAlarmRecord::Daglig) {
        m_editYear->setText(QStringLiteral("0000"));
        m_editMonth->setText(QStringLiteral("00"));
        m_editDay->setText(QStringLiteral("00"));
    } else {
        m_editYear->setText(type == TAlarmRecord::Gentaget ? Alarmer::GentagetAar
                                                           : QString::number(nu.date().year()));
        m_editMonth->setText(QString::number(nu.date().month()));
        m_editDay->setText(QString::number(nu.date().day()));
    }
    m_editTime->setText(QString::number(nu.time().hour()));
    m_editMinut->setText(QString::number(nu.time().minute()));
    m_udfylder = false;
    m_sbGemAlarm->setEnabled(true);
}

void TNyAlarmSide::nyAlarm() {
    m_udfylder = true;
    m_editOverskrift->clear();
    m_alarmMemo->clear();
    m_udfylder = false;
    m_redigeret.reset();
    vaelgType(m_alarmtypeValg->checkedId());
    m_sbGemAlarm->setEnabled(false);
}

// The checks of "Gem" in their order; the first that fails shows its message and false.
// A box that holds no number fails as its value would.
bool TNyAlarmSide::kontrollerAlarm(TAlarmRecord& r) {
    const int type = m_alarmtypeValg->checkedId();
    r.alarmtype = quint8(type);
    m_udfylder = true;
    if (type == TAlarmRecord::Gentaget)
        m_editYear->setText(Alarmer::GentagetAar);
    m_udfylder = false;
    if (type == TAlarmRecord::Daglig) {
        m_udfylder = true;
        m_editYear->setText(QStringLiteral("0000"));
        m_editMonth->setText(QStringLiteral("00"));
        m_editDay->setText(QStringLiteral("00"));
        m_udfylder = false;
    } else {
        const auto aar = tal(m_editYear);
        if (m_editYear->text().trimmed().size() < 4 || !aar || *aar < 1) {
            melding(QStringLiteral("År er forkert.\nDer skal anføres 4 cifre."));
            return false;
        }
        const auto maaned = tal(m_editMonth);
        if (!maaned || *maaned < 1 || *maaned > 12) {
            melding(QStringLiteral(
                "Måned er forkert.\nVærdien skal være mellem 1 og 12 begge medregnet."));
            return false;
        }
        const auto dag = tal(m_editDay);
        if (!dag || *dag < 1 || *dag > 31) {
            melding(QStringLiteral(
                "Dag er forkert.\nVærdien skal være mellem 1 og 31 begge medregnet."));
            return false;
        }
        // The date itself: a "Dato" alarm's day must exist in its year, a "Gentaget" alarm's
        // in some year (29 February sounds in leap years).
        const int laengde =
            QDate(type == TAlarmRecord::Dato ? *aar : 2016, *maaned, 1).daysInMonth();
        if (*dag > laengde) {
            melding(type == TAlarmRecord::Dato
                        ? QStringLiteral("Dag er forkert.\n%1 %2 har kun %3 dage.")
                              .arg(TKalender::maanedNavn(*maaned).mid(1))
                              .arg(*aar)
                              .arg(laengde)
                        : QStringLiteral("Dag er forkert.\n%1 har højst %2 dage.")
                              .arg(TKalender::maanedNavn(*maaned).mid(1))
                              .arg(laengde));
            return false;
        }
        r.aar = quint16(*aar);
        r.maaned = quint16(*maaned);
        r.dag = quint16(*dag);
    }
    r.aarS = m_editYear->text().trimmed();
    const auto time = tal(m_editTime);
    if (!time || *time > 23) {
        melding(
            QStringLiteral("Time er forkert.\nVærdien skal være mellem 0 og 23 begge "
                           "medregnet.\nMidnat hører til den nye dag, altså \nTime: 0 Minut: 0"));
        return false;
    }
    const auto minut = tal(m_editMinut);
    if (!minut || *minut > 59) {
        melding(
            QStringLiteral("Minut er forkert.\nVærdien skal være mellem 0 og 59 begge medregnet."));
        return false;
    }
    r.time = quint16(*time);
    r.minut = quint16(*minut);
    r.overskrift = m_editOverskrift->text().left(Alarmer::MaxOverskrift);
    if (r.overskrift.trimmed().isEmpty())
        r.overskrift = QStringLiteral("Ingen overskrift");
    const auto gentagelse = tal(m_editGentagelse);
    if (!gentagelse || *gentagelse < 1 || *gentagelse > Alarmer::MaxGentagelse) {
        melding(QStringLiteral(
            "Gentagelse er forkert.\nVærdien skal være mellem 1 og 16 begge medregnet."));
        return false;
    }
    r.gentagelse = quint8(*gentagelse);
    r.alarmfil = qMax(0, m_cbLydfiler->currentIndex());
    r.navn = Alarmer::navn(r.aarS, r.maaned, r.dag, r.time, r.minut);
    return true;
}

void TNyAlarmSide::gemAlarm() {
    m_sbGemAlarm->setEnabled(false);
    TAlarmRecord r;
    const DataFolders& folders = m_host.mapper();
    bool gemt = false;
    if (kontrollerAlarm(r)) {
        const QString definition = Alarmer::definitionsfil(folders, r.navn);
        const bool samme = m_redigeret == r.navn;
        if (samme || !Platform::files().exists(definition) ||
            Platform::prompter().question(QStringLiteral("Alarmen eksisterer allerede.\nSkal "
                                                         "filerne overskrives?\n\n..Alarmer/") +
                                          r.navn + QStringLiteral("\n..Alarmtekster/") + r.navn)) {
            if (m_alarmMemo->toPlainText().isEmpty()) {
                m_udfylder = true;
                m_alarmMemo->setPlainText(QStringLiteral("Ingen tekst."));
                m_udfylder = false;
            }
            // The text first: a definition never stands without its text.
            const QString tekstfil = Alarmer::tekstfil(folders, r.navn);
            FileResult written =
                TextFile::write(tekstfil, m_alarmMemo->toPlainText().split(QLatin1Char('\n')));
            const QString& fejlet = written ? definition : tekstfil;
            if (written)
                written = TextFile::write(definition, Alarmer::linjer(r, folders));
            if (!written) {
                Platform::prompter().message(
                    Fejlgrund::ikkeGemt(QStringLiteral("Alarmen kunne ikke gemmes."), fejlet,
                                        written.error()),
                    MessageKind::Error);
            } else {
                gemt = true;
                // An edited alarm whose date or time changed is replaced, never doubled;
                // the editor goes on editing it under its new name until "Ny".
                if (m_redigeret) {
                    if (!samme)
                        if (const FileResult removed = Alarmer::slet(folders, *m_redigeret);
                            !removed)
                            Platform::prompter().message(
                                QStringLiteral("Den gamle alarm kunne ikke slettes.\n") +
                                    Fejlgrund::sletning(removed.error()),
                                MessageKind::Error);
                    m_redigeret = r.navn;
                }
            }
        }
    }
    m_aktive.hentAlarmer();
    if (gemt)
        emit this->gemt();
}

void TNyAlarmSide::spilLyd() {
    m_player->stop();
    m_player->open(Alarmer::lydfil(m_host.mapper(), m_cbLydfiler->currentIndex()));
    m_player->setLoops(1);
    m_player->play();
}
