#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// The order in which the program lists names: case is ignored, and æ, ø and å come after z
// in that order, as a Danish user expects (ä and ö go with æ and ø). Everything else keeps
// the order of its code points. A key is computed once per name; keys compare with <.
namespace NameOrder {

std::u32string key(const QString& name);

// Sorts items by the names `nameOf` gives, in that order; names equal but for case keep a
// fixed order by the exact names. Items are moved, not copied, into place.
template <typename T, typename NameOf> void sortBy(QList<T>& items, NameOf nameOf) {
    std::vector<std::pair<std::u32string, qsizetype>> keys;
    keys.reserve(size_t(items.size()));
    for (qsizetype i = 0; i < items.size(); ++i)
        keys.emplace_back(key(nameOf(items.at(i))), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return nameOf(items.at(a.second)) < nameOf(items.at(b.second));
    });
    QList<T> sorted;
    sorted.reserve(items.size());
    for (const auto& [k, i] : keys)
        sorted.append(std::move(items[i]));
    items = std::move(sorted);
}

inline void sort(QStringList& names) {
    sortBy(names, [](const QString& name) -> const QString& { return name; });
}

} // namespace NameOrder
