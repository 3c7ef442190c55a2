#include "infobrowser.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

namespace {

const QString kSkema = QStringLiteral("ravnsti");

// No page, picture or style sheet of a topic comes near this.
constexpr qint64 kStoersteFil = 32 * 1024 * 1024;

} // namespace

InfoBrowser::InfoBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // Ctrl+A and Ctrl+C copy a page's text as well as the mouse does.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
}

void InfoBrowser::setMapper(const QString& emnemappe, const QString& infomappe) {
    m_emnemappe = emnemappe;
    m_infomappe = infomappe;
}

bool InfoBrowser::erUnder(const QString& sti, const QString& mappe) {
    return !mappe.isEmpty() && !LogicalPath::same(sti, mappe) &&
           LogicalPath::isSameOrBelow(LogicalPath::withoutDots(sti), mappe);
}

bool InfoBrowser::iMappe(const QString& sti, const QString& mappe) {
    const FileSystem& files = Platform::files();
    return erUnder(sti, mappe) && files.isFile(sti) && files.leadsInside(sti, mappe);
}

InfoBrowser::Side InfoBrowser::find(const QString& navn, QString& sti) const {
    QString relativ = navn.trimmed();
    relativ.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (relativ.isEmpty() || m_infomappe.isEmpty() || LogicalPath::hasDrive(relativ) ||
        relativ.startsWith(QLatin1Char('\\')))
        return Side::Udenfor;
    sti = LogicalPath::withoutDots(LogicalPath::join(m_infomappe, relativ));
    return tjek(sti);
}

InfoBrowser::Side InfoBrowser::tjek(const QString& sti) const {
    if (!erUnder(sti, m_infomappe))
        return Side::Udenfor;
    if (!Platform::files().isFile(sti))
        return Side::Mangler;
    return iMappe(sti, m_infomappe) ? Side::Fundet : Side::Udenfor;
}

QString InfoBrowser::sidenavn(const QString& sti) const {
    if (!erUnder(sti, m_infomappe))
        return {};
    return LogicalPath::withoutDots(sti).mid(LogicalPath::normalized(m_infomappe).size() + 1);
}

bool InfoBrowser::visSide(const QString& sti, const QString& anker) {
    QUrl adresse = url(sti);
    if (!anker.isEmpty())
        adresse.setFragment(anker);
    // The same page again is read again, as a changed file should show.
    if (source().adjusted(QUrl::RemoveFragment) == url(sti)) {
        reload();
        if (!anker.isEmpty())
            scrollToAnchor(anker);
    } else {
        setSource(adresse);
    }
    clearHistory(); // the viewer keeps its own list of the pages visited
    if (document()->isEmpty()) {
        tom();
        return false;
    }
    m_side = LogicalPath::withoutDots(LogicalPath::normalized(sti));
    return true;
}

void InfoBrowser::tom() {
    m_side.clear();
    clear();
}

QUrl InfoBrowser::url(const QString& sti) {
    QUrl adresse;
    adresse.setScheme(kSkema);
    QString sti2 = LogicalPath::normalized(sti);
    sti2.replace(QLatin1Char('\\'), QLatin1Char('/'));
    adresse.setPath(QLatin1Char('/') + sti2);
    return adresse;
}

std::optional<QString> InfoBrowser::sti(const QUrl& url) {
    if (url.scheme() != kSkema)
        return std::nullopt;
    QString sti = url.path();
    if (sti.startsWith(QLatin1Char('/')))
        sti.remove(0, 1);
    if (!LogicalPath::hasDrive(sti))
        return std::nullopt;
    return LogicalPath::withoutDots(LogicalPath::normalized(sti));
}

QVariant InfoBrowser::loadResource(int type, const QUrl& name) {
    const QUrl fuld = name.isRelative() ? source().resolved(name) : name;
    const std::optional<QString> fil = sti(fuld);
    if (!fil)
        return {};
    const QString& mappe = type == QTextDocument::HtmlResource ? m_infomappe : m_emnemappe;
    if (!iMappe(*fil, mappe))
        return {};
    QByteArray bytes;
    if (!Platform::files().readFile(*fil, bytes, kStoersteFil))
        return {};
    return bytes;
}
