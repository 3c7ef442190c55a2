#include "nameorder.h"

namespace NameOrder {

namespace {

// A folded name holds no capital A-Z, so the units from '[' to 'z' can move down by three,
// which frees the three places right after z for æ, ø and å; every other unit keeps its
// place. The keys then order as the code points do, but for those three letters.
char16_t keyOf(char16_t folded) {
    switch (folded) {
    case u'æ':
    case u'ä':
        return u'z' - 2;
    case u'ø':
    case u'ö':
        return u'z' - 1;
    case u'å':
        return u'z';
    default:
        return folded >= u'[' && folded <= u'z' ? char16_t(folded - 3) : folded;
    }
}

} // namespace

void appendKey(const QString& name, std::u16string& out) {
    const qsizetype size = name.size();
    const char16_t* units = reinterpret_cast<const char16_t*>(name.constData());
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = units[i];
        if (c < 0x80) {
            out.push_back(keyOf(c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c));
            continue;
        }
        // The rest of the name as Qt folds it: a few letters fold to more than one unit.
        const QString folded = QStringView(units + i, size - i).toString().toCaseFolded();
        for (const QChar f : folded)
            out.push_back(keyOf(f.unicode()));
        return;
    }
}

std::u16string key(const QString& name) {
    std::u16string k;
    k.reserve(size_t(name.size()));
    appendKey(name, k);
    return k;
}

} // namespace NameOrder
