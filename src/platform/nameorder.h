#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The order in which the program lists names: case is ignored, and æ, ø and å come after z
// in that order, as a Danish user expects (ä and ö go with æ and ø). Everything else keeps
// the order of its code points. A key is computed once per name; keys compare with <.
namespace NameOrder {

// Appends the key of `name` to `out`: one code unit for each of the folded name's.
void appendKey(const QString& name, std::u16string& out);
std::u16string key(const QString& name);

// Sorts items by the names `nameOf` gives, in that order; names equal but for case keep a
// fixed order by the exact names. The keys of all names share one buffer, and items are
// moved, not copied, into place within the list.
template <typename T, typename NameOf> void sortBy(QList<T>& items, NameOf nameOf) {
    // A key's first eight units are held in the key itself, so that most comparisons never
    // look into the shared buffer.
    struct Key {
        uint64_t head[2];
        uint32_t start;
        uint32_t length;
        qsizetype item;
    };
    std::u16string buffer;
    buffer.reserve(size_t(items.size()) * 16);
    std::vector<Key> keys;
    keys.reserve(size_t(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i) {
        const size_t start = buffer.size();
        appendKey(nameOf(items.at(i)), buffer);
        Key k{{0, 0}, uint32_t(start), uint32_t(buffer.size() - start), i};
        // No unit of a key is 0, so the zeros after a short key sort it first.
        for (uint32_t u = 0; u < qMin<uint32_t>(k.length, 8); ++u)
            k.head[u / 4] |= uint64_t(buffer[start + u]) << (48 - 16 * (u % 4));
        keys.push_back(k);
    }
    const auto rest = [&buffer](const Key& k) {
        return std::u16string_view(buffer.data() + k.start, k.length).substr(8);
    };
    std::sort(keys.begin(), keys.end(), [&](const Key& a, const Key& b) {
        if (a.head[0] != b.head[0])
            return a.head[0] < b.head[0];
        if (a.head[1] != b.head[1])
            return a.head[1] < b.head[1];
        // Equal heads are keys of the same first eight units, both longer or both the same.
        if (a.length > 8 && b.length > 8)
            if (const int c = rest(a).compare(rest(b)); c != 0)
                return c < 0;
        return nameOf(items.at(a.item)) < nameOf(items.at(b.item));
    });
    // Each cycle of the order is followed once: place p takes the item of keys[p], which is
    // then marked as in place.
    T* const data = items.data();
    for (qsizetype start = 0; start < qsizetype(keys.size()); ++start) {
        if (keys[start].item == start)
            continue;
        T first = std::move(data[start]);
        qsizetype at = start;
        for (;;) {
            const qsizetype from = keys[at].item;
            keys[at].item = at;
            if (from == start) {
                data[at] = std::move(first);
                break;
            }
            data[at] = std::move(data[from]);
            at = from;
        }
    }
}

inline void sort(QStringList& names) {
    sortBy(names, [](const QString& name) -> const QString& { return name; });
}

} // namespace NameOrder
