#include "nameorder.h"

namespace NameOrder {

std::u32string key(const QString& name) {
    // Code units from '{' upwards move up by three to make room for æ, ø and å right after z.
    constexpr char32_t kAfterZ = U'z' + 1;
    const QString folded = name.toCaseFolded();
    std::u32string k;
    k.reserve(size_t(folded.size()));
    for (const QChar c : folded) {
        switch (c.unicode()) {
        case u'æ':
        case u'ä':
            k.push_back(kAfterZ);
            break;
        case u'ø':
        case u'ö':
            k.push_back(kAfterZ + 1);
            break;
        case u'å':
            k.push_back(kAfterZ + 2);
            break;
        default:
            k.push_back(c.unicode() < kAfterZ ? char32_t(c.unicode()) : char32_t(c.unicode()) + 3);
        }
    }
    return k;
}

} // namespace NameOrder
