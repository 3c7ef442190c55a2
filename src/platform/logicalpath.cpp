#include "logicalpath.h"

#include <QStringList>

#include <algorithm>

namespace LogicalPath {

QString normalized(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (p.size() > 2 && p.endsWith(QLatin1Char('\\')))
        p.chop(1);
    return p;
}

QString withoutDots(const QString& path) {
    const QString p = normalized(path);
    const QStringList given = p.mid(2).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    const auto dots = [](const QString& part) {
        return part == QLatin1String(".") || part == QLatin1String("..");
    };
    if (!hasDrive(p) || std::none_of(given.cbegin(), given.cend(), dots))
        return path;
    QStringList parts;
    for (const QString& part : given) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part);
    }
    if (parts.isEmpty())
        return p.left(2);
    return p.left(2) + QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
}

bool hasDrive(const QString& path) {
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter() &&
           path.at(0).unicode() < 128;
}

bool isDriveRoot(const QString& path) {
    return hasDrive(path) &&
           (path.size() == 2 || (path.size() == 3 && path.at(2) == QLatin1Char('\\')));
}

QChar driveLetter(const QString& path) {
    return hasDrive(path) ? path.at(0).toUpper() : QChar();
}

QString parent(const QString& path) {
    const QString p = normalized(path);
    if (isDriveRoot(p))
        return {};
    const qsizetype cut = p.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        return {};
    return p.left(cut);
}

QString lastComponent(const QString& path) {
    const QString p = normalized(path);
    if (isDriveRoot(p))
        return p;
    return p.mid(p.lastIndexOf(QLatin1Char('\\')) + 1);
}

QString extension(const QString& path) {
    const QString name = lastComponent(path);
    if (isDriveRoot(name))
        return {};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

QString baseName(const QString& path) {
    const QString name = lastComponent(path);
    return name.left(name.size() - extension(name).size());
}

QString join(const QString& parent, const QString& name) {
    if (parent.endsWith(QLatin1Char('\\')))
        return parent + name;
    return parent + QLatin1Char('\\') + name;
}

bool same(const QString& a, const QString& b) {
    return normalized(a).compare(normalized(b), Qt::CaseInsensitive) == 0;
}

bool isSameOrBelow(const QString& path, const QString& folder) {
    const QString p = normalized(path);
    const QString f = normalized(folder);
    if (p.compare(f, Qt::CaseInsensitive) == 0)
        return true;
    return p.size() > f.size() && p.at(f.size()) == QLatin1Char('\\') &&
           p.left(f.size()).compare(f, Qt::CaseInsensitive) == 0;
}

} // namespace LogicalPath
