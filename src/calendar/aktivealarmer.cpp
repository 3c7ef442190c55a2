#include "aktivealarmer.h"
#include "alarmform.h"

#include "platform/platform.h"
#include "shared/fejlgrund.h"
#include "shared/mainhost.h"

#include <algorithm>

AktiveAlarmer::AktiveAlarmer(MainHost& host, std::function<Talarmform&()> vindue, QObject* parent)
    : QObject(parent), m_host(host), m_vindue(std::move(vindue)),
      m_player(Platform::newMediaPlayer()) {
    m_alarmTimer.setObjectName(QStringLiteral("alarmTimer"));
    m_alarmTimer.setInterval(1000);
    connect(&m_alarmTimer, &QTimer::timeout, this, &AktiveAlarmer::alarmTimerTimer);
    // No audio device, a missing or unreadable sound: said in the status bar, never a stop.
    connect(m_player.get(), &MediaPlayer::failed, this,
            [this](const QString& message) { m_host.Info(message); });
}

AktiveAlarmer::~AktiveAlarmer() = default;

void AktiveAlarmer::hentAlarmer() {
    m_alarmTimer.stop();
    const QDateTime nu = Platform::clock().localNow();
    byg(nu.date(), QTime(nu.time().hour(), nu.time().minute()));
    m_alarmTimer.start();
    setCaption(antalCaption());
    emit listeAendret();
}

void AktiveAlarmer::byg(QDate dato, QTime fra) {
    m_dato = dato;
    m_alarm.clear();
    for (const TAlarmRecord& alarm : Alarmer::laesAlle(m_host.mapper()))
        if (alarm.gaelder(dato) && alarm.klokken() >= fra)
            m_alarm << alarm;
    // In the order they sound; alarms of one minute by name.
    std::stable_sort(
        m_alarm.begin(), m_alarm.end(),
        [](const TAlarmRecord& a, const TAlarmRecord& b) { return a.klokken() < b.klokken(); });
}

void AktiveAlarmer::alarmTimerTimer() {
    const QDateTime nu = Platform::clock().localNow();
    affyrForfaldne(nu);
    if (nu.date() != m_dato) {
        // Past midnight the new day is loaded from its start; a clock set back to an
        // earlier day starts from the current minute.
        const bool frem = nu.date() > m_dato;
        byg(nu.date(), frem ? QTime(0, 0) : QTime(nu.time().hour(), nu.time().minute()));
        setCaption(antalCaption());
        emit nyDag(nu.date());
        emit listeAendret();
        affyrForfaldne(nu);
    }
}

void AktiveAlarmer::affyrForfaldne(const QDateTime& nu) {
    QList<TAlarmRecord> forfaldne;
    for (auto it = m_alarm.begin(); it != m_alarm.end();) {
        if (QDateTime(m_dato, it->klokken()) <= nu) {
            forfaldne << *it;
            it = m_alarm.erase(it);
        } else {
            ++it;
        }
    }
    if (forfaldne.isEmpty())
        return;
    setCaption(m_alarm.isEmpty() ? QStringLiteral("Ingen alarmer") : antalCaption());
    for (const TAlarmRecord& alarm : std::as_const(forfaldne))
        affyr(alarm);
    emit listeAendret();
}

void AktiveAlarmer::affyr(const TAlarmRecord& alarm) {
    const DataFolders& folders = m_host.mapper();
    if (m_vindue().showAlarm(alarm.overskrift, Alarmer::tekstfil(folders, alarm.navn))) {
        m_player->stop();
        m_player->open(Alarmer::lydfil(folders, alarm.alarmfil));
        m_player->setLoops(alarm.gentagelse);
        m_player->play();
    }
    if (alarm.alarmtype == TAlarmRecord::Dato) {
        const FileResult removed = Alarmer::slet(folders, alarm.navn);
        if (!removed)
            Platform::prompter().message(QStringLiteral("Alarmen %1 kunne ikke slettes.\n%2")
                                             .arg(alarm.navn, Fejlgrund::sletning(removed.error())),
                                         MessageKind::Error);
    }
}

void AktiveAlarmer::stop() {
    m_alarmTimer.stop();
    m_alarm.clear();
    m_player->stop();
}

QString AktiveAlarmer::antalCaption() const {
    const int n = int(m_alarm.size());
    return QString::number(n) +
           (n == 1 ? QStringLiteral(" aktiv alarm") : QStringLiteral(" aktive alarmer"));
}

void AktiveAlarmer::setCaption(const QString& caption) {
    m_caption = caption;
    emit captionChanged(caption);
}
