#pragma once

#include <QDate>
#include <QString>

// The difference between two dates as the page "Datoforskelle" shows it.
//
// The rule: from the earlier date, count first the whole years, then the whole months and
// then the remaining days to the later date. Years and months are added together, as one
// count of months, to the earlier date, and a day that the month reached lacks becomes that
// month's last day (31 January + 1 month = 28 or 29 February); the count is the largest
// that does not pass the later date, and the days are what is left. So 31-01 to 28-02 is
// 0 years, 1 month and 0 days, and 29-02-2016 to 28-02-2017 is 1 year, 0 months and 0
// days. The total is the exact number of days between the dates. The order of the two
// dates does not matter.
struct Datoforskel {
    int aar = 0;
    int maaneder = 0;
    int dage = 0;
    qint64 dageIalt = 0;

    static Datoforskel mellem(QDate a, QDate b);

    // "2 år, 1 måned samt 1 dag." / "0 år, 0 måneder samt 5 dage."
    QString tekst() const;
    // "365 dage ialt."
    QString ialtTekst() const;
};
