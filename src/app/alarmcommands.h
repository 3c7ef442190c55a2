#pragma once

#include "shared/lazywindow.h"

#include <QObject>

class AktiveAlarmer;
class CommandTable;
class Talarmform;
class Tkalenderform;
class Tmainform;

// The main window's calendar and alarms: the calendar and alarm windows, the list of today's
// active alarms with its timer, the commands "Kalenderen", "Se alarmer", "Ny alarm" and
// "Luk kalender", and the captions of "Se alarmer" and of the menu item of active alarms.
class AlarmCommands : public QObject {
    Q_OBJECT

public:
    AlarmCommands(Tmainform& window, CommandTable& commands);
    ~AlarmCommands() override;

    // First show: loads today's alarms and starts the timer.
    void firstShow();
    // Closing: the timer stops and the list is let go.
    void stop();

    // The calendar window, made the first time it is asked for.
    Tkalenderform* kalenderform() { return m_kalender.get(); }
    // The alarm window, made the first time an alarm fires or it is asked for.
    Talarmform* alarmform() { return m_alarmform.get(); }
    AktiveAlarmer& aktive() const { return *m_aktive; }

private:
    void setCaption(const QString& caption);
    bool kalenderVist() const;

    Tmainform& w;
    CommandTable& c;
    LazyWindow<Talarmform> m_alarmform;
    AktiveAlarmer* m_aktive = nullptr;
    LazyWindow<Tkalenderform> m_kalender;
};
