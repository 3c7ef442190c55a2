#include "rubrik.h"

namespace Rubrik {

QString somTekst(const QString& navn) {
    QString tekst = navn;
    return tekst.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString somTitel(const QString& navn) {
    // A doubled placeholder is shown as one.
    QString titel = navn;
    return titel.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

} // namespace Rubrik
