#pragma once

#include "alarmdata.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class MainHost;
class MediaPlayer;
class Talarmform;

// The main window's list of today's alarms that are still to come, and the one-second
// timer that sounds them.
//
// Each tick reads the clock and fires, once each, every alarm of the list whose minute has
// begun since it was loaded: an alarm is never missed because a minute had no tick (the
// computer asleep, a busy moment). When the clock's date has changed the list is rebuilt
// for the new day from its midnight, so alarms keep working past midnight. The timer runs
// from the first load until stop(), also while the list is empty, to see the date change.
//
// Firing shows the alarm window and plays the sound the alarm's number of times through
// the platform's player, without waiting for it; a "Dato" alarm then loses both its files.
class AktiveAlarmer : public QObject {
    Q_OBJECT

public:
    // `vindue` gives the alarm window when an alarm fires, so that it need not exist before.
    AktiveAlarmer(MainHost& host, std::function<Talarmform&()> vindue, QObject* parent = nullptr);
    ~AktiveAlarmer() override;

    // hentAlarmer: the list for today from the current minute on; starts the timer.
    void hentAlarmer();
    // alarmTimerTimer: one tick.
    void alarmTimerTimer();
    // Closing the main window: the timer stops, the list and the sound end.
    void stop();

    const QList<TAlarmRecord>& alarm() const { return m_alarm; }
    // The date the list was built for.
    QDate dato() const { return m_dato; }
    // "1 aktiv alarm", "n aktive alarmer" or "Ingen alarmer".
    const QString& caption() const { return m_caption; }
    const QTimer& alarmTimer() const { return m_alarmTimer; }
    MediaPlayer& player() { return *m_player; }

signals:
    void captionChanged(const QString& caption);
    // The list changed: loaded, an alarm fired or a new day began.
    void listeAendret();
    // The clock passed midnight (or was set to another day) and the list was rebuilt.
    void nyDag(QDate dato);

private:
    void byg(QDate dato, QTime fra);
    void affyrForfaldne(const QDateTime& nu);
    void affyr(const TAlarmRecord& alarm);
    void setCaption(const QString& caption);
    QString antalCaption() const;

    MainHost& m_host;
    std::function<Talarmform&()> m_vindue;
    QList<TAlarmRecord> m_alarm;
    QDate m_dato;
    QString m_caption = QStringLiteral("0 aktive alarmer");
    QTimer m_alarmTimer;
    std::unique_ptr<MediaPlayer> m_player;
};
