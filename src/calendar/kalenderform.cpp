#include "kalenderform.h"
#include "aktivealarmer.h"
#include "datoforskel.h"
#include "kalender.h"

#include "dates/almenx.h"
#include "engine/handlinger.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString kort(QDate dato) {
    return dato.toString(QStringLiteral("dd-MM-yyyy"));
}

template <class T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <class T> T* named(T* widget, const char* name) {
    return named(widget, QString::fromLatin1(name));
}

QPushButton* knap(const QString& text, const QString& hint, const QString& name, QWidget* parent) {
    auto* b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(false);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    return b;
}

// A titled box of fields side by side, each under its label (none over a button).
QGroupBox* felter(const QString& title, const QList<QPair<QString, QWidget*>>& columns,
                  QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < columns.size(); ++c) {
        if (!columns.at(c).first.isEmpty())
            grid->addWidget(new QLabel(columns.at(c).first, box), 0, c);
        grid->addWidget(columns.at(c).second, 1, c);
    }
    return box;
}

QLineEdit* talboks(int cifre, const QString& hint, const QString& name, QWidget* parent) {
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(cifre);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(cifre * 11 + 16);
    if (!hint.isEmpty())
        e->setToolTip(hint);
    return e;
}

// A whole number of the box, nullopt for text that is none.
std::optional<int> tal(const QLineEdit* box) {
    const QString t = box->text().trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (const QChar c : t)
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
    return t.toInt();
}

QIcon typeIkon(int type) {
    const QColor colours[] = {QColor(0x2e, 0x7d, 0x32), QColor(0x15, 0x65, 0xc0),
                              QColor(0xc6, 0x28, 0x28)};
    const char* letters[] = {"D", "1", "G"};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colours[type]);
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QLatin1String(letters[type]));
    return QIcon(pixmap);
}

void melding(const QString& text) {
    Platform::prompter().message(text, MessageKind::Information);
}

} // namespace

Tkalenderform::Tkalenderform(MainHost& host, AktiveAlarmer& aktive)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_host(host), m_aktive(aktive), m_player(Platform::newMediaPlayer()) {
    setObjectName(QStringLiteral("kalenderform"));
    setWindowTitle(QStringLiteral("Kalender og alarmer"));
    setModal(false);
    m_bog = named(new QTabWidget(this), "Bog");
    m_bog->addTab(byggKalenderSide(), QStringLiteral("Kalender"));
    m_bog->addTab(byggAlarmSide(), QStringLiteral("Alarmer"));
    m_bog->addTab(byggNyAlarmSide(), QStringLiteral("Ny alarm"));
    m_bog->addTab(byggForskelSide(), QStringLiteral("Datoforskelle"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bog);
    // A fixed dialog border: the size the pages need.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&m_aktive, &AktiveAlarmer::nyDag, this, [this] { opdaterIdag(); });
    connect(m_player.get(), &MediaPlayer::failed, this,
            [this](const QString& message) { m_host.Info(message); });

    optFilnavnKalender = m_host.mapper().optDir + QStringLiteral("kalender.txt");
    QStringList lines;
    if (Platform::files().exists(optFilnavnKalender) && TextFile::read(optFilnavnKalender, lines) &&
        lines.size() >= 2) {
        bool topOk = false, leftOk = false;
        const int top = lines.at(0).trimmed().toInt(&topOk);
        const int left = lines.at(1).trimmed().toInt(&leftOk);
        // A damaged file leaves the window where the system puts it.
        if (topOk && leftOk)
            move(left, top);
    }
}

Tkalenderform::~Tkalenderform() = default;

// ---- building the pages ----

QWidget* Tkalenderform::byggKalenderGruppe(int n, QWidget* parent) {
    // "dayEdit" on the calendar page, "day1Edit" and "day2Edit" on "Datoforskelle".
    const QString suffix = n == 0 ? QString() : QString::number(n);
    auto name = [&suffix](const char* stem, const char* tail) {
        return QLatin1String(stem) + suffix + QLatin1String(tail);
    };
    auto* box = new QWidget(parent);
    KalenderGruppe& g = m_kal[n];
    g.kalender = new TKalender(box);
    g.kalender->setObjectName(n == 0 ? QStringLiteral("kalender")
                                     : QStringLiteral("kalender%1").arg(n));
    g.kalender->setMinimumSize(300, 210);
    g.dag = talboks(2, QStringLiteral("Dag"), name("day", "Edit"), box);
    g.maaned = talboks(2, QStringLiteral("Måned"), name("month", "Edit"), box);
    g.aar = talboks(4, QStringLiteral("År"), name("year", "Edit"), box);
    auto* opdater =
        knap(QStringLiteral("Opdater"), QStringLiteral("Opdater kalenderen til indførte dato"),
             name("opdater", "Knap"), box);
    auto* mPrev = knap(QStringLiteral("<"), QStringLiteral("Foregående måned"), {}, box);
    auto* mNext = knap(QStringLiteral(">"), QStringLiteral("Næste måned"), {}, box);
    auto* yPrev = knap(QStringLiteral("<"), QStringLiteral("Foregående år"), {}, box);
    auto* yNext = knap(QStringLiteral(">"), QStringLiteral("Næste år"), {}, box);
    const char* navne[] = {"mPrev", "mNext", "yPrev", "yNext"};
    QPushButton* pile[] = {mPrev, mNext, yPrev, yNext};
    for (int i = 0; i < 4; ++i) {
        pile[i]->setObjectName(QLatin1String(navne[i]) + suffix);
        pile[i]->setFixedWidth(28);
    }
    g.idag = knap(QStringLiteral("I dag: "), QStringLiteral("Opdater kalenderen til indførte dato"),
                  name("dato", "Label"), box);

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(g.kalender, 1);
    auto* skridt = new QHBoxLayout;
    skridt->addWidget(new QLabel(QStringLiteral("Måned"), box));
    skridt->addWidget(mPrev);
    skridt->addWidget(mNext);
    skridt->addStretch(1);
    skridt->addWidget(new QLabel(QStringLiteral("År"), box));
    skridt->addWidget(yPrev);
    skridt->addWidget(yNext);
    layout->addLayout(skridt);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(g.dag);
    boxes->addWidget(new QLabel(QStringLiteral("-"), box));
    boxes->addWidget(g.maaned);
    boxes->addWidget(new QLabel(QStringLiteral("-"), box));
    boxes->addWidget(g.aar);
    boxes->addWidget(opdater);
    boxes->addStretch(1);
    layout->addLayout(boxes);
    layout->addWidget(g.idag);

    connect(g.kalender, &TKalender::change, this, [this, n] {
        const QDate d = m_kal[n].kalender->dato();
        m_kal[n].dag->setText(QString::number(d.day()));
        m_kal[n].maaned->setText(QString::number(d.month()));
        m_kal[n].aar->setText(QString::number(d.year()));
        if (n == 0)
            kalenderChange();
    });
    connect(opdater, &QPushButton::clicked, this, [this, n] { opdaterKalender(n); });
    for (QLineEdit* e : {g.dag, g.maaned, g.aar})
        connect(e, &QLineEdit::returnPressed, this, [this, n] { opdaterKalender(n); });
    connect(mPrev, &QPushButton::clicked, g.kalender, &TKalender::forrigeMaaned);
    connect(mNext, &QPushButton::clicked, g.kalender, &TKalender::naesteMaaned);
    connect(yPrev, &QPushButton::clicked, g.kalender, &TKalender::forrigeAar);
    connect(yNext, &QPushButton::clicked, g.kalender, &TKalender::naesteAar);
    connect(g.idag, &QPushButton::clicked, this,
            [this, n] { m_kal[n].kalender->setDato(Platform::clock().localNow().date()); });
    return box;
}

QWidget* Tkalenderform::byggKalenderSide() {
    auto* side = named(new QWidget, "side1");
    QWidget* gruppe = byggKalenderGruppe(0, side);
    m_datoLabel = m_kal[0].idag;
    auto* opret =
        knap(QStringLiteral("Opret mappe for valgte dato"),
             QStringLiteral("Opret mappe til datorelaterede filer"), "ButtonOpretMappe", side);
    m_labelAntalMapper = named(new QLabel(QStringLiteral("Mapper: "), side), "LabelAntalMapper");
    m_labelAntalFiler = named(new QLabel(QStringLiteral("Dokumenter: "), side), "LabelAntalFiler");

    m_notatMemo = named(new QPlainTextEdit(side), "notatMemo");
    m_notatMemo->setMinimumWidth(280);
    m_memoGem = named(new QAction(QStringLiteral("Gem"), this), "aMemoGem");
    m_memoSlet = named(new QAction(QStringLiteral("Slet"), this), "aMemoSlet");
    m_memoGem->setEnabled(false);
    m_memoSlet->setEnabled(false);
    auto* gemKnap = named(new QToolButton(side), "gemNotatKnap");
    gemKnap->setDefaultAction(m_memoGem);
    auto* sletKnap = named(new QToolButton(side), "sletNotatKnap");
    sletKnap->setDefaultAction(m_memoSlet);
    auto* notatmappe = knap(QStringLiteral("Notatmappe"), QStringLiteral("Åben notatmappen"),
                            "visNotatmappe", side);
    auto* info = knap(QStringLiteral("Information"), QStringLiteral("Information om kalender"),
                      "spmKalender", side);

    auto* layout = new QHBoxLayout(side);
    auto* venstre = new QVBoxLayout;
    venstre->addWidget(gruppe, 1);
    venstre->addWidget(opret);
    auto* antal = new QHBoxLayout;
    antal->addWidget(m_labelAntalMapper);
    antal->addWidget(m_labelAntalFiler);
    venstre->addLayout(antal);
    layout->addLayout(venstre);
    auto* hoejre = new QVBoxLayout;
    hoejre->addWidget(new QLabel(QStringLiteral("Dagens notater"), side));
    hoejre->addWidget(m_notatMemo, 1);
    auto* knapper = new QHBoxLayout;
    knapper->addWidget(gemKnap);
    knapper->addWidget(sletKnap);
    knapper->addWidget(notatmappe);
    knapper->addStretch(1);
    knapper->addWidget(info);
    hoejre->addLayout(knapper);
    layout->addLayout(hoejre, 1);

    connect(m_notatMemo, &QPlainTextEdit::modificationChanged, m_memoGem, &QAction::setEnabled);
    connect(m_memoGem, &QAction::triggered, this, [this] { gemNotat(m_notatDato); });
    connect(m_memoSlet, &QAction::triggered, this, &Tkalenderform::sletNotat);
    connect(opret, &QPushButton::clicked, this, &Tkalenderform::ButtonOpretMappeClick);
    connect(notatmappe, &QPushButton::clicked, this, &Tkalenderform::visNotatmappeClick);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Kalender"), false); });
    return side;
}

QWidget* Tkalenderform::byggAlarmSide() {
    auto* side = named(new QWidget, "side2");
    m_labelOverskrift =
        named(new QLabel(QStringLiteral("Aktive alarmer"), side), "LabelOverskrift");
    QFont bold = m_labelOverskrift->font();
    bold.setBold(true);
    m_labelOverskrift->setFont(bold);
    m_alarmBox = named(new QTableWidget(0, 4, side), "alarmBox");
    m_alarmBox->setHorizontalHeaderLabels({QStringLiteral("*"), QStringLiteral("Dato"),
                                           QStringLiteral("Klokken"),
                                           QStringLiteral("Overskrift")});
    m_alarmBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_alarmBox->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_alarmBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_alarmBox->setShowGrid(true);
    m_alarmBox->verticalHeader()->hide();
    m_alarmBox->setColumnWidth(0, 28);
    m_alarmBox->setColumnWidth(1, 100);
    m_alarmBox->setColumnWidth(2, 70);
    m_alarmBox->horizontalHeader()->setStretchLastSection(true);
    m_alarmBox->setMinimumSize(560, 300);
    m_visAktive = knap(QStringLiteral("Vis aktive"), {}, "sbUdskrivAktive", side);
    m_visAlle = knap(QStringLiteral("Vis alle     "), {}, "sbUdskrivAlle", side);
    m_slet = knap(QStringLiteral("Slet       "), QStringLiteral("Slet valgte alarm"),
                  "sbSletValgte", side);
    m_rediger = knap(QStringLiteral("Rediger "), QStringLiteral("Rediger valgte alarm"),
                     "sbRedigerValgte", side);
    auto* info = knap(QStringLiteral("Information"), QStringLiteral("Information om alarmer"),
                      "sbAlarmInfo", side);
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(m_labelOverskrift);
    layout->addWidget(m_alarmBox, 1);
    auto* knapper = new QHBoxLayout;
    for (QPushButton* b : {m_visAktive, m_visAlle, m_slet, m_rediger})
        knapper->addWidget(b);
    knapper->addStretch(1);
    knapper->addWidget(info);
    layout->addLayout(knapper);
    connect(m_visAktive, &QPushButton::clicked, this, &Tkalenderform::loadDagensAlarmer);
    connect(m_visAlle, &QPushButton::clicked, this, &Tkalenderform::visAlle);
    connect(m_slet, &QPushButton::clicked, this, &Tkalenderform::sletAlarm);
    connect(m_rediger, &QPushButton::clicked, this, &Tkalenderform::redigerAlarm);
    connect(m_alarmBox, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_alleMode)
            redigerAlarm();
    });
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Alarmer"), false); });
    m_slet->setEnabled(false);
    m_rediger->setEnabled(false);
    m_visAktive->setEnabled(false);
    return side;
}

QWidget* Tkalenderform::byggNyAlarmSide() {
    auto* side = named(new QWidget, "side3");
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
    QGroupBox* datoBox = felter(QStringLiteral("Dato"),
                                {{QStringLiteral("År"), m_editYear},
                                 {QStringLiteral("Måned"), m_editMonth},
                                 {QStringLiteral("Dag"), m_editDay}},
                                side);
    m_editTime = talboks(2, {}, "EditTime", side);
    m_editMinut = talboks(2, {}, "EditMinut", side);
    auto* dagsDato =
        knap(QStringLiteral("Nu"), QStringLiteral("Dags dato og klokken"), "sbDagsDato", side);
    QGroupBox* klokBox = felter(QStringLiteral("Klokken"),
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
    QGroupBox* lydBox = felter(QStringLiteral("Alarmlyd"),
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

    connect(m_alarmtypeValg, &QButtonGroup::idClicked, this, &Tkalenderform::vaelgType);
    for (QLineEdit* e : {m_editYear, m_editMonth, m_editDay, m_editTime, m_editMinut,
                         m_editGentagelse, m_editOverskrift})
        connect(e, &QLineEdit::textChanged, this, &Tkalenderform::ret);
    connect(m_alarmMemo, &QPlainTextEdit::textChanged, this, &Tkalenderform::ret);
    connect(m_cbLydfiler, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0)
            m_host.opt().alarmLydIndex = index;
        ret();
    });
    auto trin = [this](int delta) {
        const int n = qBound(1, tal(m_editGentagelse).value_or(1) + delta, Alarmer::MaxGentagelse);
        m_editGentagelse->setText(QString::number(n));
    };
    connect(op, &QToolButton::clicked, this, [trin] { trin(1); });
    connect(ned, &QToolButton::clicked, this, [trin] { trin(-1); });
    connect(spil, &QPushButton::clicked, this, &Tkalenderform::spilLyd);
    connect(m_sbGemAlarm, &QPushButton::clicked, this, &Tkalenderform::gemAlarm);
    connect(ny, &QPushButton::clicked, this, &Tkalenderform::nyAlarm);
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
    return side;
}

QWidget* Tkalenderform::byggForskelSide() {
    auto* side = named(new QWidget, "side4");
    auto* layout = new QVBoxLayout(side);
    layout->addWidget(new QLabel(QStringLiteral("Vælg datoer"), side));
    auto* kalendere = new QHBoxLayout;
    kalendere->addWidget(byggKalenderGruppe(1, side));
    kalendere->addSpacing(12);
    kalendere->addWidget(byggKalenderGruppe(2, side));
    layout->addLayout(kalendere, 1);
    auto* beregnKnap =
        knap(QStringLiteral("Beregn"), QStringLiteral("Beregn forskellen mellem de to datoer"),
             "beregnKnap", side);
    m_edit1 = named(new QLineEdit(side), "Edit1");
    m_edit1->setReadOnly(true);
    m_edit2 = named(new QLineEdit(side), "Edit2");
    m_edit2->setReadOnly(true);
    auto* info = knap(QStringLiteral("Information"), QStringLiteral("Information om kalender"),
                      "spmDatoerKnap", side);
    auto* resultat = new QGridLayout;
    resultat->addWidget(new QLabel(QStringLiteral("Forskel (år, måneder samt dage)"), side), 0, 1);
    resultat->addWidget(new QLabel(QStringLiteral("Forskel (dage ialt)"), side), 0, 2);
    resultat->addWidget(beregnKnap, 1, 0);
    resultat->addWidget(m_edit1, 1, 1);
    resultat->addWidget(m_edit2, 1, 2);
    resultat->addWidget(info, 1, 3);
    resultat->setColumnStretch(1, 2);
    resultat->setColumnStretch(2, 1);
    layout->addLayout(resultat);
    connect(beregnKnap, &QPushButton::clicked, this, &Tkalenderform::beregn);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Kalender"), false); });
    return side;
}

// ---- showing and closing ----

void Tkalenderform::visSide(Side side) {
    m_bog->setCurrentIndex(side);
    show();
    raise();
    activateWindow();
    if (side == SideKalender)
        setMappe();
}

void Tkalenderform::showEvent(QShowEvent* event) {
    if (opstart)
        forberedFoersteVisning();
    opdaterIdag();
    QDialog::showEvent(event);
}

void Tkalenderform::forberedFoersteVisning() {
    opstart = false;
    for (KalenderGruppe& g : m_kal)
        g.kalender->setDato(Platform::clock().localNow().date());
    {
        const QSignalBlocker quiet(m_cbLydfiler);
        const int lyd = m_host.opt().alarmLydIndex;
        m_cbLydfiler->setCurrentIndex(lyd >= 0 && lyd < m_cbLydfiler->count() ? lyd : 0);
    }
    const QFont font(m_host.opt().fontNameDocument, qMax(1, m_host.opt().fontSizeDocument));
    m_notatMemo->setFont(font);
    m_alarmMemo->setFont(font);
    vaelgType(TAlarmRecord::Daglig);
    m_sbGemAlarm->setEnabled(false);
    loadDagensAlarmer();
}

void Tkalenderform::opdaterIdag() {
    const QString idag = QStringLiteral("I dag: ") + kort(Platform::clock().localNow().date());
    for (KalenderGruppe& g : m_kal)
        g.idag->setText(idag);
}

void Tkalenderform::closeEvent(QCloseEvent* event) {
    gemAendretNotat();
    m_player->stop();
    (void)TextFile::write(optFilnavnKalender, {QString::number(y()), QString::number(x())});
    QDialog::closeEvent(event);
}

// ---- page "Kalender" ----

QString Tkalenderform::notatfil(QDate dato) const {
    return m_host.mapper().brugerNotatMappe + QLatin1Char('\\') + kort(dato) +
           QStringLiteral(".txt");
}

QStringList Tkalenderform::datomapper(QDate dato) const {
    const QString y =
        m_host.mapper().brugerKalenderMappe + QLatin1Char('\\') + QString::number(dato.year());
    const QString m = y + QLatin1Char('\\') +
                      QStringLiteral("%1").arg(dato.month(), 2, 10, QLatin1Char('0')) +
                      TKalender::maanedNavn(dato.month());
    const QString d = m + QLatin1Char('\\') +
                      QStringLiteral("%1").arg(dato.day(), 2, 10, QLatin1Char('0')) +
                      TKalender::ugedagNavn(dato);
    return {y, m, d};
}

void Tkalenderform::setMappe() {
    const QStringList mapper = datomapper(kalender()->dato());
    QString vist = m_host.mapper().brugerKalenderMappe;
    for (const QString& mappe : mapper) {
        if (!Platform::files().isFolder(mappe))
            break;
        vist = mappe;
    }
    m_host.funk().makeStruktur2(vist, false);
    QList<FileInfo> entries;
    int folders = 0, files = 0;
    if (Platform::files().listNames(vist, entries))
        for (const FileInfo& e : std::as_const(entries)) {
            if (e.hidden)
                continue;
            if (e.isFolder() || e.linkTarget == EntryKind::Folder)
                ++folders;
            else
                ++files;
        }
    m_labelAntalMapper->setText(QStringLiteral("Mapper: ") + QString::number(folders));
    m_labelAntalFiler->setText(QStringLiteral("Dokumenter: ") + QString::number(files));
}

void Tkalenderform::kalenderChange() {
    setMappe();
    gemAendretNotat();
    m_notatDato = kalender()->dato();
    const QString path = notatfil(m_notatDato);
    QStringList lines;
    if (Platform::files().exists(path) && TextFile::read(path, lines)) {
        m_notatMemo->setPlainText(lines.join(QLatin1Char('\n')));
        m_memoFilename = path;
    } else {
        m_notatMemo->clear();
        m_memoFilename.clear();
    }
    m_notatMemo->document()->setModified(false);
    m_memoGem->setEnabled(false);
    m_memoSlet->setEnabled(!m_memoFilename.isEmpty());
}

bool Tkalenderform::gemAendretNotat() {
    if (!m_notatMemo->document()->isModified() || !m_notatDato.isValid())
        return true;
    const bool gem = Platform::prompter().question(
        QStringLiteral("Notatet for %1 er ikke gemt.\nSkal det gemmes?").arg(kort(m_notatDato)));
    if (!gem) {
        m_notatMemo->document()->setModified(false);
        return true;
    }
    return gemNotat(m_notatDato);
}

bool Tkalenderform::gemNotat(QDate dato) {
    if (!dato.isValid())
        return false;
    const QString path = notatfil(dato);
    (void)Platform::files().makeFolder(m_host.mapper().brugerNotatMappe);
    const FileResult written =
        TextFile::write(path, m_notatMemo->toPlainText().split(QLatin1Char('\n')));
    if (!written) {
        Platform::prompter().message(
            QStringLiteral("Notatet kunne ikke gemmes.\n") + written.detail(), MessageKind::Error);
        return false;
    }
    m_notatMemo->document()->setModified(false);
    if (dato == m_notatDato) {
        m_memoFilename = path;
        m_memoSlet->setEnabled(true);
    }
    return true;
}

void Tkalenderform::sletNotat() {
    const QString path = notatfil(m_notatDato);
    if (Platform::files().exists(path)) {
        const FileResult removed = Platform::files().removeFile(path);
        if (!removed) {
            Platform::prompter().message(QStringLiteral("Notatet kunne ikke slettes.\n") +
                                             removed.detail(),
                                         MessageKind::Error);
            return;
        }
    }
    m_notatMemo->clear();
    m_notatMemo->document()->setModified(false);
    m_memoFilename.clear();
    m_memoSlet->setEnabled(false);
}

void Tkalenderform::ButtonOpretMappeClick() {
    const QStringList mapper = datomapper(kalender()->dato());
    for (int i = 0; i < 2; ++i)
        if (!Platform::files().isFolder(mapper.at(i)))
            if (const FileResult made = Platform::files().makeFolder(mapper.at(i)); !made) {
                Platform::prompter().message(QStringLiteral("Mappen %1 kunne ikke oprettes.\n%2")
                                                 .arg(mapper.at(i), made.detail()),
                                             MessageKind::Error);
                return;
            }
    if (Platform::files().exists(mapper.at(2))) {
        melding(QStringLiteral("Mappen eksisterer allerede."));
        return;
    }
    if (const FileResult made = Platform::files().makeFolder(mapper.at(2)); !made) {
        Platform::prompter().message(
            QStringLiteral("Mappen %1 kunne ikke oprettes.\n%2").arg(mapper.at(2), made.detail()),
            MessageKind::Error);
        return;
    }
    m_host.funk().makeStruktur2(mapper.at(2), false);
}

void Tkalenderform::visNotatmappeClick() {
    const QString mappe = m_host.mapper().brugerNotatMappe;
    if (!Platform::files().makeFolder(mappe) || !Platform::files().isFolder(mappe)) {
        melding(QStringLiteral("Der opstod en fejl.\nVigtige mapper er muligvist blevet slettet."));
        return;
    }
    m_host.funk().makeStruktur2(mappe, false);
    // The main window's file area, wherever it lies.
    if (QWidget* main = m_host.hovedvindue())
        if (auto* right = main->findChild<QWidget*>(QStringLiteral("PanelRight")))
            right->show();
}

// Moves calendar n to the date typed into its three boxes. Each box is first cleaned to a
// whole number; 0 (an empty box) keeps that part of the calendar's date. The whole typed
// date is then taken in one step, or refused with the reason.
void Tkalenderform::opdaterKalender(int n) {
    KalenderGruppe& g = m_kal[n];
    int dele[3];
    QLineEdit* boxes[] = {g.dag, g.maaned, g.aar};
    for (int i = 0; i < 3; ++i) {
        dele[i] = TAlmenX::EditInteger(boxes[i]->text());
        boxes[i]->setText(QString::number(dele[i]));
    }
    const QDate nu = g.kalender->dato();
    const int aar = dele[2] > 0 ? dele[2] : nu.year();
    const int maaned = dele[1] > 0 ? dele[1] : nu.month();
    const int dag = dele[0] > 0 ? dele[0] : nu.day();
    if (aar > 9999) {
        melding(
            QStringLiteral("År er forkert.\nVærdien skal være mellem 1 og 9999 begge medregnet."));
        return;
    }
    if (maaned > 12) {
        melding(
            QStringLiteral("Måned er forkert.\nVærdien skal være mellem 1 og 12 begge medregnet."));
        return;
    }
    const int laengde = QDate(aar, maaned, 1).daysInMonth();
    if (dag > laengde) {
        melding(QStringLiteral("Dag er forkert.\n%1 %2 har kun %3 dage.")
                    .arg(TKalender::maanedNavn(maaned).mid(1))
                    .arg(aar)
                    .arg(laengde));
        return;
    }
    g.kalender->setDato(QDate(aar, maaned, dag));
}

// ---- page "Datoforskelle" ----

void Tkalenderform::beregn() {
    m_edit1->clear();
    m_edit2->clear();
    const Datoforskel f = Datoforskel::mellem(m_kal[1].kalender->dato(), m_kal[2].kalender->dato());
    m_edit1->setText(f.tekst());
    m_edit2->setText(f.ialtTekst());
}

// ---- page "Alarmer" ----

void Tkalenderform::visListe(const QList<TAlarmRecord>& alarms) {
    m_alarmX = alarms;
    m_alarmBox->clearContents();
    m_alarmBox->setRowCount(int(alarms.size()));
    for (int row = 0; row < alarms.size(); ++row) {
        const TAlarmRecord& a = alarms.at(row);
        auto* ikon = new QTableWidgetItem(typeIkon(qMin<int>(a.alarmtype, 2)), QString());
        m_alarmBox->setItem(row, 0, ikon);
        m_alarmBox->setItem(row, 1, new QTableWidgetItem(a.datoTekst()));
        m_alarmBox->setItem(row, 2, new QTableWidgetItem(a.klokkenTekst()));
        m_alarmBox->setItem(row, 3, new QTableWidgetItem(a.overskrift));
    }
    m_visAktive->setEnabled(m_alleMode);
    m_visAlle->setEnabled(!m_alleMode);
    m_slet->setEnabled(m_alleMode);
    m_rediger->setEnabled(m_alleMode);
}

void Tkalenderform::loadDagensAlarmer() {
    m_alleMode = false;
    m_labelOverskrift->setText(QStringLiteral("Aktive alarmer"));
    visListe(m_aktive.alarm());
}

void Tkalenderform::visAlle() {
    m_alleMode = true;
    m_labelOverskrift->setText(QStringLiteral("Alle alarmer"));
    visListe(Alarmer::laesAlle(m_host.mapper()));
}

// The selected row's alarm; without one, "Vælg alarm, der skal <handling>." and nullopt.
std::optional<TAlarmRecord> Tkalenderform::valgtAlarm(const QString& handling) const {
    const int row = m_alarmBox->currentRow();
    if (row < 0 || row >= m_alarmX.size() || !m_alarmBox->selectionModel()->hasSelection()) {
        melding(QStringLiteral("Vælg alarm, der skal %1.").arg(handling));
        return std::nullopt;
    }
    return m_alarmX.at(row);
}

void Tkalenderform::sletAlarm() {
    const std::optional<TAlarmRecord> valgt = valgtAlarm(QStringLiteral("slettes"));
    if (!valgt)
        return;
    const TAlarmRecord& alarm = *valgt;
    if (!Platform::prompter().question(
            QStringLiteral("Skal alarmen\n%1\nslettes?").arg(alarm.overskrift)))
        return;
    const FileResult removed = Alarmer::slet(m_host.mapper(), alarm.navn);
    if (!removed)
        Platform::prompter().message(
            QStringLiteral("Alarmen kunne ikke slettes.\n") + removed.detail(), MessageKind::Error);
    if (m_redigeret == alarm.navn)
        m_redigeret.reset();
    m_aktive.hentAlarmer();
    visAlle();
}

void Tkalenderform::redigerAlarm() {
    const std::optional<TAlarmRecord> valgt = valgtAlarm(QStringLiteral("redigeres"));
    if (!valgt)
        return;
    const TAlarmRecord& a = *valgt;
    QStringList tekst;
    if (!Platform::files().exists(Alarmer::definitionsfil(m_host.mapper(), a.navn)) ||
        !TextFile::read(Alarmer::tekstfil(m_host.mapper(), a.navn), tekst)) {
        melding(QStringLiteral("Der mangler en eller flere filer.\nSlet alarmen og opret en ny."));
        return;
    }
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
    m_bog->setCurrentIndex(SideNyAlarm);
    m_sbGemAlarm->setEnabled(false);
}

// ---- page "Ny alarm" ----

void Tkalenderform::ret() {
    if (!m_udfylder)
        m_sbGemAlarm->setEnabled(true);
}

void Tkalenderform::vaelgType(int type) {
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

void Tkalenderform::nyAlarm() {
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
bool Tkalenderform::kontrollerAlarm(TAlarmRecord& r) {
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

void Tkalenderform::gemAlarm() {
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
            FileResult written =
                TextFile::write(Alarmer::tekstfil(folders, r.navn),
                                m_alarmMemo->toPlainText().split(QLatin1Char('\n')));
            if (written)
                written = TextFile::write(definition, Alarmer::linjer(r, folders));
            if (!written) {
                Platform::prompter().message(QStringLiteral("Alarmen kunne ikke gemmes.\n") +
                                                 written.detail(),
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
                                    removed.detail(),
                                MessageKind::Error);
                    m_redigeret = r.navn;
                }
            }
        }
    }
    m_aktive.hentAlarmer();
    if (gemt) {
        if (m_alleMode)
            visAlle();
        else
            loadDagensAlarmer();
    }
}

void Tkalenderform::spilLyd() {
    m_player->stop();
    m_player->open(Alarmer::lydfil(m_host.mapper(), m_cbLydfiler->currentIndex()));
    m_player->setLoops(1);
    m_player->play();
}
