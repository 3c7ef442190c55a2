#include "musikformen.h"
#include "musikboxtegner.h"
#include "valgboks.h"

#include "engine/handlinger.h"
#include "platform/platform.h"
#include "shared/centreddialog.h"
#include "shared/datafolders.h"
#include "shared/lazyiconengine.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"
#include "shared/vinduesplads.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

QToolButton* afspillerKnap(QWidget* parent, const char* name, QStyle::StandardPixmap ikon,
                           const QString& hint) {
    auto* knap = new QToolButton(parent);
    knap->setObjectName(QLatin1String(name));
    // The style's pictures are read when the window first shows.
    knap->setIcon(LazyIconEngine::icon([knap = QPointer<QWidget>(knap), ikon] {
        return (knap ? knap->style() : QApplication::style())->standardIcon(ikon);
    }));
    knap->setIconSize(QSize(20, 20));
    knap->setToolTip(hint);
    return knap;
}

QLabel* tidLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(TMedielister::getSpilletid(0), parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

Tmusikformen::Tmusikformen(MainHost& host)
    : QDialog(host.hovedvindue(), Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      m_host(host) {
    setObjectName(QStringLiteral("musikformen"));
    setWindowTitle(QStringLiteral("Musik"));
    setMinimumSize(590, 272);

    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* info = new QToolButton(m_toolBar);
    info->setObjectName(QStringLiteral("spmMusikInfo"));
    info->setIcon(CentredDialog::programIcon(QStringLiteral("cmd-aInformation")));
    info->setToolTip(QStringLiteral("Information"));
    m_toolBar->addWidget(info);
    connect(info, &QToolButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Musikafspiller"), false); });

    QToolButton* play =
        afspillerKnap(this, "PlayButton", QStyle::SP_MediaPlay, QStringLiteral("Afspil"));
    QToolButton* pauseKnap =
        afspillerKnap(this, "PauseButton", QStyle::SP_MediaPause, QStringLiteral("Pause"));
    QToolButton* stopKnap =
        afspillerKnap(this, "StopButton", QStyle::SP_MediaStop, QStringLiteral("Stop"));
    connect(play, &QToolButton::clicked, this, &Tmusikformen::spil);
    connect(pauseKnap, &QToolButton::clicked, this, &Tmusikformen::pause);
    connect(stopKnap, &QToolButton::clicked, this, &Tmusikformen::stop);

    m_labelPos = tidLabel(this, "LabelPos");
    m_labelMusikTid = tidLabel(this, "LabelMusikTid");
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("musikProgressbar"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 1);
    m_progress->setValue(0);

    MainOptions& opt = m_host.opt();
    m_spilAlle = new Valgboks(QStringLiteral("Spil alle"), "SpilAlle", opt.spilAlleChecked, this);
    m_spilGentag =
        new Valgboks(QStringLiteral("Gentag"), "spilGentag", opt.spilGentagChecked, this);
    auto* openMappe = new QToolButton(this);
    openMappe->setObjectName(QStringLiteral("openMappeButton"));
    openMappe->setIcon(CentredDialog::programIcon(QStringLiteral("folder-music")));
    openMappe->setToolTip(
        QStringLiteral("Åben mappen med valgte musikstykke i sekundærstrukturen"));
    connect(openMappe, &QToolButton::clicked, this, &Tmusikformen::aabnMappe);

    m_lydBar = new QSlider(Qt::Horizontal, this);
    m_lydBar->setObjectName(QStringLiteral("lydBar"));
    m_lydBar->setToolTip(QStringLiteral("Lydstyrke"));
    m_lydBar->setRange(0, 1000);
    m_lydBar->setSingleStep(50);
    m_lydBar->setPageStep(100);
    m_lydBar->setValue(qBound(0, opt.lydBarPosition, 1000));
    m_host.funk().setMusikVolume(m_lydBar->value() / 1000.0);
    connect(m_lydBar, &QSlider::valueChanged, this, &Tmusikformen::lydstyrke);

    m_musikbox = new QListWidget(this);
    m_musikbox->setObjectName(QStringLiteral("Musikbox"));
    m_musikbox->setToolTip(QStringLiteral("Musikliste"));
    m_musikbox->setFrameShape(QFrame::NoFrame);
    m_musikbox->setItemDelegate(new MusikboxTegner(m_musikbox));
    m_musikbox->setUniformItemSizes(true);
    m_musikbox->setBackgroundRole(QPalette::Window);
    m_musikbox->viewport()->setBackgroundRole(QPalette::Window);
    connect(m_musikbox, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_host.funk().setPlayFilename(m_musikbox->row(item));
    });
    // A double click or Enter on a row plays it.
    connect(m_musikbox, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_host.funk().setPlayFilename(m_musikbox->row(item));
        if (!m_host.funk().musikFil().isEmpty())
            spil();
    });

    auto* hjaelp = new QLabel(
        QStringLiteral("Vælg musikfiler, mp3-filer, i sekundærstrukturen og tryk 'Tilføj valgte' "
                       "for at indføre dem i listen. Husk at gemme for at kunne anvende listen "
                       "igen."),
        this);
    hjaelp->setWordWrap(true);
    auto* luk = new QPushButton(QStringLiteral("Luk"), this);
    luk->setObjectName(QStringLiteral("ButtonLuk"));
    luk->setAutoDefault(false);
    connect(luk, &QPushButton::clicked, this, &QWidget::close);

    auto* knapper = new QHBoxLayout;
    knapper->addWidget(play);
    knapper->addWidget(pauseKnap);
    knapper->addWidget(stopKnap);
    knapper->addStretch();
    auto* tider = new QHBoxLayout;
    tider->addWidget(m_labelPos);
    tider->addStretch();
    tider->addWidget(m_labelMusikTid);
    auto* valg = new QHBoxLayout;
    valg->addWidget(m_spilAlle);
    valg->addWidget(m_spilGentag);
    valg->addStretch();
    valg->addWidget(openMappe);
    auto* venstre = new QVBoxLayout;
    venstre->addLayout(knapper);
    venstre->addLayout(tider);
    venstre->addWidget(m_progress);
    venstre->addLayout(valg);
    venstre->addWidget(m_lydBar);
    venstre->addStretch();
    auto* midte = new QHBoxLayout;
    midte->addLayout(venstre);
    midte->addWidget(m_musikbox, 1);
    auto* bund = new QHBoxLayout;
    bund->addWidget(hjaelp, 1);
    bund->addWidget(luk, 0, Qt::AlignBottom);
    auto* kolonne = new QVBoxLayout(this);
    kolonne->setMenuBar(m_toolBar);
    kolonne->addLayout(midte, 1);
    kolonne->addLayout(bund);

    m_playTimer = new QTimer(this);
    m_playTimer->setObjectName(QStringLiteral("playTimer"));
    m_playTimer->setInterval(1000);
    connect(m_playTimer, &QTimer::timeout, this, &Tmusikformen::tick);

    THandlinger& funk = m_host.funk();
    connect(&funk, &TMedielister::musiklisteAendret, this, &Tmusikformen::opdaterListe);
    connect(&funk, &TMedielister::musikIndlaest, this, &Tmusikformen::indlaest);
    connect(&funk, &TMedielister::playTimerAendret, this, [this](bool koerer) {
        if (koerer)
            m_playTimer->start();
        else
            m_playTimer->stop();
    });
    connect(&funk, &TMedielister::musikLaengde, this, &Tmusikformen::visLaengde);
    opdaterListe();

    // The saved size; the minimum size holds, so the first start's 0 gives the smallest.
    resize(opt.MusikWidth, opt.MusikHeight);
    Vinduesplads::hent(*this, pladsfil());
}

void Tmusikformen::visKommandoer(const QList<QAction*>& kommandoer) {
    m_toolBar->addSeparator();
    for (QAction* kommando : kommandoer) {
        // A tool button shows the icon text, which Qt makes from the caption without its
        // "..." and trailing blanks; the buttons show the captions whole.
        kommando->setIconText(kommando->text());
        m_toolBar->addAction(kommando);
    }
    m_toolBar->addSeparator();
}

int Tmusikformen::valgtRaekke() const {
    const QList<QListWidgetItem*> valgte = m_musikbox->selectedItems();
    return valgte.isEmpty() ? -1 : m_musikbox->row(valgte.first());
}

QString Tmusikformen::pladsfil() const {
    return m_host.mapper().optDir + QStringLiteral("musikafspiller.txt");
}

void Tmusikformen::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_host.opt().MusikWidth = width();
    m_host.opt().MusikHeight = height();
}

void Tmusikformen::done(int result) {
    // The piece that plays goes on; only the move to the next one waits for the window.
    m_playTimer->stop();
    // A place that cannot be saved costs only the place: nothing to trouble the user with.
    (void)Vinduesplads::gem(*this, pladsfil());
    QDialog::done(result);
}

bool Tmusikformen::harMusik() {
    if (!m_host.funk().musikFil().isEmpty())
        return true;
    Platform::prompter().message(QStringLiteral("Vælg musik til afspilning!"),
                                 MessageKind::Information);
    return false;
}

void Tmusikformen::spil() {
    THandlinger& funk = m_host.funk();
    if (funk.musikFil().isEmpty() && funk.mIndex() >= 0) {
        // A first entry that is gone has been told of already.
        funk.setPlayFilename(0);
        if (funk.musikFil().isEmpty())
            return;
    }
    if (!harMusik())
        return;
    m_playTimer->start();
    funk.musikPlayer().play();
}

void Tmusikformen::pause() {
    if (!harMusik())
        return;
    m_playTimer->stop();
    m_host.funk().musikPlayer().pause();
}

void Tmusikformen::stop() {
    if (!harMusik())
        return;
    MediaPlayer& player = m_host.funk().musikPlayer();
    m_playTimer->stop();
    player.stop();
    player.setPosition(0);
    m_progress->setValue(0);
    m_labelPos->setText(TMedielister::getSpilletid(player.length()));
}

void Tmusikformen::tick() {
    THandlinger& funk = m_host.funk();
    const MediaPlayer& player = funk.musikPlayer();
    if (player.state() == MediaPlayer::State::Stopped) {
        if (m_spilAlle->isChecked()) {
            funk.playAll(m_spilGentag->isChecked());
        } else {
            m_labelPos->setText(TMedielister::getSpilletid(0));
            m_progress->setValue(0);
            m_playTimer->stop();
        }
        return;
    }
    m_progress->setValue(int(qMin<qint64>(player.position(), m_progress->maximum())));
    m_labelPos->setText(funk.getResttid());
}

void Tmusikformen::opdaterListe() {
    const int valgt = valgtRaekke();
    const int foer = m_musikbox->count();
    m_musikbox->clear();
    m_musikbox->addItems(m_host.funk().musikTitler());
    // Entries added keep the selection; after a removal no row is selected.
    if (valgt >= 0 && m_musikbox->count() >= foer)
        m_musikbox->setCurrentRow(valgt);
}

void Tmusikformen::indlaest(int listeNo) {
    if (listeNo < 0 || listeNo >= m_musikbox->count()) {
        m_musikbox->clearSelection();
        m_musikbox->setCurrentRow(-1);
    } else {
        m_musikbox->setCurrentRow(listeNo);
    }
    THandlinger& funk = m_host.funk();
    visLaengde(funk.musikFil().isEmpty() ? 0 : funk.musikPlayer().length());
}

void Tmusikformen::visLaengde(qint64 laengde) {
    m_labelMusikTid->setText(TMedielister::getSpilletid(laengde));
    m_labelPos->setText(m_host.funk().getResttid());
    m_progress->setMaximum(int(qBound(qint64(1), laengde, qint64(INT_MAX))));
    m_progress->setValue(0);
}

void Tmusikformen::lydstyrke(int position) {
    m_host.funk().setMusikVolume(position / 1000.0);
    m_host.Info(QStringLiteral("Lydstyrke: %1%").arg(position / 10));
    m_host.opt().lydBarPosition = position;
}

void Tmusikformen::aabnMappe() {
    if (valgtRaekke() < 0) {
        Platform::prompter().message(QStringLiteral("Der er ikke valgt et musikstykke!"),
                                     MessageKind::Information);
        return;
    }
    THandlinger& funk = m_host.funk();
    if (!funk.playerMappe.isEmpty() && Platform::files().isFolder(funk.playerMappe))
        funk.makeStruktur2(funk.playerMappe, true);
}
