#include "filtal.h"

#include <algorithm>

std::optional<int> FilTal::tal(const QString& line, int mindst, int hoejst) {
    bool ok = false;
    const qlonglong value = line.trimmed().toLongLong(&ok, 10);
    if (!ok) {
        // More digits than a 64-bit number holds are still a number, only a large one.
        const QString digits = line.trimmed();
        const bool negative = digits.startsWith(QLatin1Char('-'));
        const QString rest =
            negative || digits.startsWith(QLatin1Char('+')) ? digits.mid(1) : digits;
        if (rest.isEmpty() || !std::all_of(rest.cbegin(), rest.cend(), [](QChar c) {
                return c.isDigit() && c.unicode() < 128;
            }))
            return std::nullopt;
        return negative ? mindst : hoejst;
    }
    return int(std::clamp<qlonglong>(value, mindst, hoejst));
}
