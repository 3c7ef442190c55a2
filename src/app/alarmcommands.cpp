#include "alarmcommands.h"
#include "commandtable.h"
#include "mainform.h"

#include "calendar/aktivealarmer.h"
#include "calendar/alarmform.h"
#include "calendar/kalenderform.h"

#include <QAction>

AlarmCommands::AlarmCommands(Tmainform& window, CommandTable& commands)
    : QObject(&window), w(window), c(commands) {
    m_alarmform.setMaker([this] { return new Talarmform(w); });
    m_aktive = new AktiveAlarmer(
        w, [this]() -> Talarmform& { return *m_alarmform; }, this);
    // The calendar is made when first opened; until then it is not shown either.
    m_kalender.setMaker([this] { return new Tkalenderform(w, *m_aktive); });
    connect(m_aktive, &AktiveAlarmer::captionChanged, this, &AlarmCommands::setCaption);

    c.setRule(QStringLiteral("aOpenKalender"), [this] { return !kalenderVist(); });
    c.setRule(QStringLiteral("aLukKalender"), [this] { return kalenderVist(); });
    c.setEffect(QStringLiteral("aOpenKalender"),
                [this] { m_kalender->visSide(Tkalenderform::SideKalender); });
    c.setEffect(QStringLiteral("aAlarmSe"),
                [this] { m_kalender->visSide(Tkalenderform::SideAlarmer); });
    c.setEffect(QStringLiteral("aAlarmNy"),
                [this] { m_kalender->visSide(Tkalenderform::SideNyAlarm); });
    c.setEffect(QStringLiteral("aLukKalender"), [this] { m_kalender->close(); });
    // The menu item of the count shows the list it counts.
    connect(c(QStringLiteral("mAktiveAlarmer")), &QAction::triggered, this,
            [this] { c(QStringLiteral("aAlarmSe"))->trigger(); });
}

AlarmCommands::~AlarmCommands() = default;

void AlarmCommands::firstShow() {
    m_aktive->hentAlarmer();
}

void AlarmCommands::stop() {
    // An open calendar closes as the user would close it: a changed note is asked about.
    if (kalenderVist())
        m_kalender->close();
    m_aktive->stop();
}

bool AlarmCommands::kalenderVist() const {
    return m_kalender.made() && m_kalender.made()->isVisible();
}

void AlarmCommands::setCaption(const QString& caption) {
    QAction* se = c(QStringLiteral("aAlarmSe"));
    se->setText(caption);
    c(QStringLiteral("mAktiveAlarmer"))->setText(caption);
}
