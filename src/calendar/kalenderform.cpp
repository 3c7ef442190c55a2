#include "kalenderform.h"
#include "aktivealarmer.h"
#include "datoforskel.h"
#include "felter.h"
#include "kalender.h"
#include "nyalarmside.h"

#include "dates/almenx.h"
#include "engine/handlinger.h"
#include "platform/platform.h"
#include "platform/textfile.h"
#include "shared/datafolders.h"
#include "shared/fejlgrund.h"
#include "shared/filtal.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/skaermplads.h"

#include <QAction>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString kort(QDate dato) {
    return dato.toString(QStringLiteral("dd-MM-yyyy"));
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

} // namespace

using namespace Felter;

Tkalenderform::Tkalenderform(MainHost& host, AktiveAlarmer& aktive)
    : QDialog(host.hovedvindue(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_host(host), m_aktive(aktive) {
    setObjectName(QStringLiteral("kalenderform"));
    setWindowTitle(QStringLiteral("Kalender og alarmer"));
    setModal(false);
    m_bog = named(new QTabWidget(this), "Bog");
    m_bog->addTab(byggKalenderSide(), QStringLiteral("Kalender"));
    m_bog->addTab(byggAlarmSide(), QStringLiteral("Alarmer"));
    m_nyAlarm = new TNyAlarmSide(m_host, m_aktive, m_bog);
    m_bog->addTab(m_nyAlarm, QStringLiteral("Ny alarm"));
    m_bog->addTab(byggForskelSide(), QStringLiteral("Datoforskelle"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bog);
    // A fixed dialog border: the size the pages need.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&m_aktive, &AktiveAlarmer::nyDag, this, [this] { opdaterIdag(); });
    // The list of the mode shown follows the alarms as they are saved, fire and go.
    connect(m_nyAlarm, &TNyAlarmSide::gemt, this, &Tkalenderform::opdaterAlarmListe);
    connect(&m_aktive, &AktiveAlarmer::listeAendret, this, &Tkalenderform::opdaterAlarmListe);

    optFilnavnKalender = m_host.mapper().optDir + QStringLiteral("kalender.txt");
    QStringList lines;
    if (Platform::files().exists(optFilnavnKalender) && TextFile::read(optFilnavnKalender, lines) &&
        lines.size() >= 2) {
        const std::optional<int> top = FilTal::tal(lines.at(0));
        const std::optional<int> left = FilTal::tal(lines.at(1));
        // A damaged file leaves the window where the system puts it.
        if (top && left)
            move(Skaermplads::inden(QRect(QPoint(*left, *top), size())).topLeft());
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
    const QFont font(m_host.opt().fontNameDocument, qMax(1, m_host.opt().fontSizeDocument));
    m_notatMemo->setFont(font);
    m_nyAlarm->forbered(font);
    loadDagensAlarmer();
}

void Tkalenderform::opdaterIdag() {
    const QString idag = QStringLiteral("I dag: ") + kort(Platform::clock().localNow().date());
    for (KalenderGruppe& g : m_kal)
        g.idag->setText(idag);
}

void Tkalenderform::closeEvent(QCloseEvent* event) {
    gemAendretNotat();
    // A place that cannot be saved costs only the place: nothing to trouble the user with.
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
    if (Platform::files().list(vist, entries, ListDetail::Names, ListOrder::AsStored))
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
    // A folder that cannot be made fails the write below, which is reported.
    (void)Platform::files().makeFolder(m_host.mapper().brugerNotatMappe);
    const FileResult written =
        TextFile::write(path, m_notatMemo->toPlainText().split(QLatin1Char('\n')));
    if (!written) {
        Platform::prompter().message(
            Fejlgrund::ikkeGemt(QStringLiteral("Notatet kunne ikke gemmes."), path,
                                written.error()),
            MessageKind::Error);
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
            Platform::prompter().message(QStringLiteral("Notatet kunne ikke slettes.\n") + path +
                                             QLatin1Char('\n') +
                                             Fejlgrund::sletning(removed.error()),
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
                Platform::prompter().message(
                    QStringLiteral("Mappen %1 kunne ikke oprettes.\n%2")
                        .arg(mapper.at(i), Fejlgrund::oprettelse(made.error())),
                    MessageKind::Error);
                return;
            }
    if (Platform::files().exists(mapper.at(2))) {
        melding(QStringLiteral("Mappen eksisterer allerede."));
        return;
    }
    if (const FileResult made = Platform::files().makeFolder(mapper.at(2)); !made) {
        Platform::prompter().message(QStringLiteral("Mappen %1 kunne ikke oprettes.\n%2")
                                         .arg(mapper.at(2), Fejlgrund::oprettelse(made.error())),
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

void Tkalenderform::opdaterAlarmListe() {
    if (m_alleMode)
        visAlle();
    else
        loadDagensAlarmer();
}

void Tkalenderform::visListe(const QList<TAlarmRecord>& alarms) {
    // The selected alarm stays selected when it is still listed.
    const int valgt = m_alarmBox->selectionModel()->hasSelection() ? m_alarmBox->currentRow() : -1;
    const QString valgtNavn =
        valgt >= 0 && valgt < m_alarmX.size() ? m_alarmX.at(valgt).navn : QString();
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
        if (!valgtNavn.isEmpty() && a.navn == valgtNavn)
            m_alarmBox->selectRow(row);
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
        Platform::prompter().message(QStringLiteral("Alarmen kunne ikke slettes.\n") +
                                         Fejlgrund::sletning(removed.error()),
                                     MessageKind::Error);
    m_nyAlarm->glem(alarm.navn);
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
    m_nyAlarm->rediger(a, tekst);
    m_bog->setCurrentIndex(SideNyAlarm);
}
