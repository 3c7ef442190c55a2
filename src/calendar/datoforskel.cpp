#include "datoforskel.h"

Datoforskel Datoforskel::mellem(QDate a, QDate b) {
    if (b < a)
        std::swap(a, b);
    Datoforskel f;
    int months = (b.year() - a.year()) * 12 + (b.month() - a.month());
    // QDate::addMonths keeps the day where the month has it and takes the month's last day
    // where it has not.
    if (a.addMonths(months) > b)
        --months;
    f.aar = months / 12;
    f.maaneder = months % 12;
    f.dage = int(a.addMonths(months).daysTo(b));
    f.dageIalt = a.daysTo(b);
    return f;
}

QString Datoforskel::tekst() const {
    return QString::number(aar) + QStringLiteral(" år, ") + QString::number(maaneder) +
           (maaneder == 1 ? QStringLiteral(" måned samt ") : QStringLiteral(" måneder samt ")) +
           QString::number(dage) + (dage == 1 ? QStringLiteral(" dag.") : QStringLiteral(" dage."));
}

QString Datoforskel::ialtTekst() const {
    return QString::number(dageIalt) + QStringLiteral(" dage ialt.");
}
