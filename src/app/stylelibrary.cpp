#include "stylelibrary.h"
#include "fusionstyle.h"

#include "platform/installation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <memory>
#include <optional>

namespace {

// Every style the program knows, in the order the style box lists them.
const char* const kStyleNames[] = {
    "AmethystKamri",   "AquaLightSlate",   "CyanDusk", "Diamond",       "EmeraldLightSlate",
    "IcebergClassico", "LavenderClassico", "Light",    "Luna",          "Radiant",
    "SapphireKamri",   "Silver",           "Sky",      "SlateClassico", "SmokeyQuartzKamri",
    "Sterling",        "TurquoiseGray"};

const QString kFusion = QStringLiteral("Fusion");

// Colours a style need not give: each is a mix of two colours known before it (a palette role,
// an earlier entry or a literal), or a plain copy of the first when `towards` is null.
struct Derived {
    const char* key;
    const char* from;
    const char* towards = nullptr;
    double amount = 0.0; // 0 gives `from`, 1 gives `towards`
};

const Derived kDerived[] = {
    // palette roles that should follow the style's own colours
    {"alternateBase", "base", "text", 0.04},
    {"placeholderText", "text", "base", 0.5},
    {"linkVisited", "link", "text", 0.35},
    {"toolTipBase", "base"},
    {"toolTipText", "text"},
    // the shared rules' own colours
    {"bar", "window"},
    {"barEnd", "bar"},
    {"barText", "windowText"},
    {"border", "window", "windowText", 0.3},
    {"frame", "base", "text", 0.45},
    {"hover", "base", "highlight", 0.18},
    {"inactiveHighlight", "base", "highlight", 0.35},
    {"buttonEnd", "button", "#000000", 0.07},
    {"buttonHover", "button", "highlight", 0.15},
    {"pressed", "button", "highlight", 0.35},
    {"barHover", "bar", "highlight", 0.3},
    {"barPressed", "bar", "highlight", 0.5},
    {"barDisabled", "barText", "bar", 0.55},
    {"disabledText", "windowText", "window", 0.55},
    {"groove", "window", "windowText", 0.05},
    {"handle", "window", "windowText", 0.3},
    {"handleHover", "handle", "highlight", 0.5},
};

const int kDefaultRadius = 3;
const int kMaxRadius = 12;

// Header key ("windowText") of every colour role of a palette.
const QList<QPair<QString, QPalette::ColorRole>>& paletteRoles() {
    static const QList<QPair<QString, QPalette::ColorRole>> roles = [] {
        QList<QPair<QString, QPalette::ColorRole>> list;
        const QMetaEnum meta = QMetaEnum::fromType<QPalette::ColorRole>();
        for (int i = 0; i < meta.keyCount(); ++i) {
            const auto role = QPalette::ColorRole(meta.value(i));
            if (role == QPalette::NoRole || role >= QPalette::NColorRoles)
                continue;
            QString key = QString::fromLatin1(meta.key(i));
            key[0] = key[0].toLower();
            list.append({key, role});
        }
        return list;
    }();
    return roles;
}

QColor mix(const QColor& from, const QColor& towards, double amount) {
    const auto channel = [amount](float a, float b) { return a + (b - a) * float(amount); };
    return QColor::fromRgbF(channel(from.redF(), towards.redF()),
                            channel(from.greenF(), towards.greenF()),
                            channel(from.blueF(), towards.blueF()));
}

std::optional<QString> readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// The entries of the "/* palette: key=value; ... */" comment; anything else is ignored.
QHash<QString, QString> headerEntries(const QString& text) {
    static const QRegularExpression header(QStringLiteral(R"(/\*\s*palette\s*:(.*?)\*/)"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QHash<QString, QString> entries;
    const QRegularExpressionMatch match = header.match(text);
    if (!match.hasMatch())
        return entries;
    for (const QString& entry : match.captured(1).split(QLatin1Char(';'))) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals > 0)
            entries.insert(entry.left(equals).trimmed(), entry.mid(equals + 1).trimmed());
    }
    return entries;
}

int radiusOf(const QHash<QString, QString>& entries) {
    QString value = entries.value(QStringLiteral("radius"));
    if (value.endsWith(QLatin1String("px")))
        value.chop(2);
    bool ok = false;
    const int radius = value.toInt(&ok);
    return ok && radius >= 0 && radius <= kMaxRadius ? radius : kDefaultRadius;
}

// Replaces each "@key" of the sheet by its value; unknown keys stay as written.
QString resolved(const QString& sheet, const QHash<QString, QString>& values) {
    static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
    QString out;
    out.reserve(sheet.size());
    qsizetype done = 0;
    for (auto it = token.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        out += QStringView(sheet).mid(done, match.capturedStart() - done);
        const auto value = values.constFind(match.captured(1));
        out += value != values.cend() ? *value : match.captured(0);
        done = match.capturedEnd();
    }
    out += QStringView(sheet).mid(done);
    return out;
}

// The valid colours among the header entries.
QHash<QString, QColor> givenColours(const QHash<QString, QString>& entries) {
    QHash<QString, QColor> given;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QColor colour = QColor::fromString(it.value());
        if (colour.isValid())
            given.insert(it.key(), colour);
    }
    return given;
}

// Every palette role and every derived colour of a style: the given one where there is one.
QHash<QString, QColor> allColours(const QHash<QString, QColor>& given, const QPalette& start) {
    QHash<QString, QColor> colours;
    for (const auto& [key, role] : paletteRoles())
        colours.insert(key, given.value(key, start.color(QPalette::Active, role)));
    const auto colour = [&colours](const char* name) {
        return *name == '#' ? QColor::fromString(QLatin1String(name))
                            : colours.value(QLatin1String(name));
    };
    for (const Derived& d : kDerived) {
        const QString key = QLatin1String(d.key);
        if (given.contains(key))
            colours.insert(key, given.value(key));
        else if (d.towards)
            colours.insert(key, mix(colour(d.from), colour(d.towards), d.amount));
        else
            colours.insert(key, colour(d.from));
    }
    return colours;
}

// The palette of a style's colours, its disabled text dimmed.
QPalette paletteOf(const QHash<QString, QColor>& colours, QPalette palette) {
    for (const auto& [key, role] : paletteRoles())
        palette.setColor(role, colours.value(key));
    const QColor disabled = colours.value(QStringLiteral("disabledText"));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

// What the "@key"s of a style's sheet stand for: its colours, its corner radius, the style
// folder and the shade of the drawn marks that shows on its boxes.
QHash<QString, QString> sheetValues(const QHash<QString, QColor>& colours, int radius,
                                    const QString& folder) {
    QHash<QString, QString> values;
    for (auto it = colours.cbegin(); it != colours.cend(); ++it)
        values.insert(it.key(), it.value().name());
    values.insert(QStringLiteral("radius"), QStringLiteral("%1px").arg(radius));
    values.insert(QStringLiteral("folder"), QDir(folder).absolutePath());
    const bool lightText = colours.value(QStringLiteral("text")).lightness() >
                           colours.value(QStringLiteral("base")).lightness();
    values.insert(QStringLiteral("marks"),
                  lightText ? QStringLiteral("light") : QStringLiteral("dark"));
    return values;
}

// The styles are drawn on Fusion, set once: an application sheet set since wraps it. The
// program sets it before the application is made, which then makes no style of its own.
void useFusion() {
    static bool installed = false;
    if (installed)
        return;
    if (!dynamic_cast<FusionStyle*>(QApplication::style()))
        QApplication::setStyle(new FusionStyle);
    installed = true;
}

// Removing the application sheet unpolishes only the widgets that were polished. One made
// since (not yet shown) stays marked as styled by a sheet, and the next sheet would then
// cache its rules without noticing its deletion, to crash on the following change.
void forgetSheet() {
    for (QWidget* widget : QApplication::allWidgets()) {
        bool ownSheet = false;
        for (const QWidget* w = widget; w && !ownSheet; w = w->parentWidget())
            ownSheet = !w->styleSheet().isEmpty();
        if (!ownSheet)
            widget->setAttribute(Qt::WA_StyleSheet, false);
    }
}

} // namespace

StyleLibrary::StyleLibrary() {
    const QString data = Installation::dataFolder();
    if (data.isEmpty())
        return;
    m_folder = data + QStringLiteral("/Styles/");
    for (const char* name : kStyleNames) {
        const QFileInfo file(m_folder + QLatin1String(name) + QStringLiteral(".qss"));
        if (file.isFile() && file.isReadable())
            m_styles.append({QLatin1String(name), {}, {}, false});
    }
}

bool StyleLibrary::resolve(Style& style) const {
    if (style.resolved)
        return true;
    const std::optional<QString> own = readText(m_folder + style.name + QStringLiteral(".qss"));
    if (!own)
        return false;
    if (!m_common)
        m_common = readText(m_folder + QStringLiteral("common.qss")).value_or(QString());
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(kFusion));
    const QPalette standard = fusion ? fusion->standardPalette() : QPalette();
    const QHash<QString, QString> entries = headerEntries(*own);
    const QHash<QString, QColor> given = givenColours(entries);

    // Light, mid, dark and shadow follow the button colour unless the header names them.
    const QPalette start(given.value(QStringLiteral("button"), standard.color(QPalette::Button)),
                         given.value(QStringLiteral("window"), standard.color(QPalette::Window)));
    const QHash<QString, QColor> colours = allColours(given, start);
    const QHash<QString, QString> values = sheetValues(colours, radiusOf(entries), m_folder);
    style.palette = paletteOf(colours, start);
    style.sheet = resolved(*m_common + QLatin1Char('\n') + *own, values);
    style.resolved = true;
    return true;
}

QStringList StyleLibrary::names() const {
    QStringList list;
    for (const Style& style : m_styles)
        list.append(style.name);
    return list;
}

bool StyleLibrary::contains(const QString& name) const {
    return indexOf(name) >= 0;
}

qsizetype StyleLibrary::indexOf(const QString& name) const {
    for (qsizetype i = 0; i < m_styles.size(); ++i) {
        if (m_styles.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool StyleLibrary::apply(const QString& name) {
    const qsizetype index = indexOf(name);
    if (index < 0 || !resolve(m_styles[index]))
        return false;
    const Style* style = &m_styles.at(index);
    useFusion();
    QApplication::setPalette(style->palette);
    qApp->setStyleSheet(style->sheet);
    m_current = style->name;
    return true;
}

void StyleLibrary::applyBuiltIn() {
    qApp->setStyleSheet(QString());
    forgetSheet();
    useFusion();
    QApplication::setPalette(QApplication::style()->standardPalette());
    m_current.clear();
}
