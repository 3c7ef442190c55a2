#include "desktopentry.h"

#include <QUrl>

namespace {

// Undoes the escapes of a string value: \s, \n, \t, \r and \\.
QString unescaped(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += next;
        }
    }
    return out;
}

QString escaped(const QString& value) {
    QString out = value;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    out.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    out.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    out.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return out;
}

// One word of the command line with its quoting undone, and whether it was quoted: a field
// code inside quotes is no field code.
struct Word {
    QString text;
    bool quoted = false;
};

std::optional<QList<Word>> split(const QString& line) {
    QList<Word> words;
    Word word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"')) {
            inWord = true;
            word.quoted = true;
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt;
                const QChar q = line.at(i);
                if (q == QLatin1Char('"'))
                    break;
                if (q == QLatin1Char('\\') && i + 1 < line.size())
                    word.text += line.at(++i);
                else
                    word.text += q;
            }
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words.append(std::exchange(word, Word{}));
            inWord = false;
        } else {
            inWord = true;
            word.text += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const QByteArray& bytes) {
    DesktopEntry entry;
    bool inGroup = false;
    bool found = false;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView raw : QStringView(text).split(QLatin1Char('\n'))) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            found = found || inGroup;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inGroup || eq < 0)
            continue;
        // Localised keys ("Name[da]") are left to the desktop: the plain one names the entry.
        const QStringView key = line.left(eq).trimmed();
        const QString value = unescaped(line.mid(eq + 1).trimmed().toString());
        if (key == QLatin1String("Type"))
            entry.type = value;
        else if (key == QLatin1String("Name"))
            entry.name = value;
        else if (key == QLatin1String("Icon"))
            entry.icon = value;
        else if (key == QLatin1String("Exec"))
            entry.exec = value;
        else if (key == QLatin1String("Path"))
            entry.path = value;
        else if (key == QLatin1String("URL"))
            entry.url = value;
        else if (key == QLatin1String("Terminal"))
            entry.terminal = value == QLatin1String("true");
    }
    if (!found)
        return std::nullopt;
    return entry;
}

bool DesktopEntry::isEntryName(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

std::optional<QStringList> DesktopEntry::arguments(const QStringList& hostFiles,
                                                   const QString& entryFile) const {
    const std::optional<QList<Word>> words = split(exec);
    if (!words || words->isEmpty())
        return std::nullopt;
    QStringList urls;
    for (const QString& file : hostFiles)
        urls << QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    QStringList out;
    for (const Word& word : *words) {
        if (word.quoted) {
            out << QString(word.text).replace(QStringLiteral("%%"), QStringLiteral("%"));
            continue;
        }
        const QString& w = word.text;
        if (w == QLatin1String("%f") || w == QLatin1String("%F")) {
            out << hostFiles;
            continue;
        }
        if (w == QLatin1String("%u") || w == QLatin1String("%U")) {
            out << urls;
            continue;
        }
        if (w == QLatin1String("%i")) {
            if (!icon.isEmpty())
                out << QStringLiteral("--icon") << icon;
            continue;
        }
        // Codes inside a word: the first file for %f and %u, the rest as they read.
        QString expanded;
        bool dropped = false;
        for (qsizetype i = 0; i < w.size(); ++i) {
            if (w.at(i) != QLatin1Char('%') || i + 1 == w.size()) {
                expanded += w.at(i);
                continue;
            }
            switch (w.at(++i).unicode()) {
            case '%':
                expanded += QLatin1Char('%');
                break;
            case 'f':
            case 'F':
                expanded += hostFiles.value(0);
                break;
            case 'u':
            case 'U':
                expanded += urls.value(0);
                break;
            case 'c':
                expanded += name;
                break;
            case 'k':
                expanded += entryFile;
                break;
            default:
                dropped = true; // deprecated codes and %i inside a word stand for nothing
            }
        }
        if (!expanded.isEmpty() || !dropped)
            out << expanded;
    }
    if (out.isEmpty() || out.first().isEmpty())
        return std::nullopt;
    return out;
}

QString DesktopEntry::quoted(const QString& word) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`%=");
    bool plain = !word.isEmpty();
    for (const QChar c : word)
        if (reserved.contains(c))
            plain = false;
    if (plain)
        return word;
    QString out = QStringLiteral("\"");
    for (const QChar c : word) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            out += QLatin1Char('\\');
        // A "%" in a path must not read as a field code.
        out += c;
        if (c == QLatin1Char('%'))
            out += QLatin1Char('%');
    }
    return out + QLatin1Char('"');
}

QByteArray DesktopEntry::application(const QString& name, const QString& exec,
                                     const QString& icon) {
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + escaped(name) +
                   QStringLiteral("\nExec=") + escaped(exec) + QLatin1Char('\n');
    if (!icon.isEmpty())
        text += QStringLiteral("Icon=") + escaped(icon) + QLatin1Char('\n');
    return text.toUtf8();
}
