#include "almenx.h"

#include "platform/logicalpath.h"
#include "platform/platform.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();
// Years a date-time can hold.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
// Julian day of 30 December 1899, day 0 of the program's day numbers.
constexpr qint64 kDayZero = 2415019;

// Rows in the order Dansk, Engelsk, Tysk.
constexpr int kSprogCount = 3;
constexpr QStringView kMaaneder[kSprogCount][12] = {
    {u"Januar", u"Februar", u"Marts", u"April", u"Maj", u"Juni", u"Juli", u"August", u"September",
     u"Oktober", u"November", u"December"},
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
     u"October", u"November", u"December"},
    {u"Januar", u"Februar", u"Marz", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
     u"Oktober", u"November", u"Dezember"}};
// Sunday first.
constexpr QStringView kDage[kSprogCount][7] = {
    {u"Søndag", u"Mandag", u"Tirsdag", u"Onsdag", u"Torsdag", u"Fredag", u"Lørdag"},
    {u"Sunday", u"Monday", u"Thuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"},
    {u"Sontag", u"Montag", u"Dienstag", u"Mitwoch", u"Donnerstag", u"Frietag", u"Samtag"}};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

template <typename Keep> QString keepOnly(const QString& s, Keep keep) {
    QString r;
    r.reserve(s.size());
    for (QChar c : s)
        if (keep(c))
            r += c;
    return r;
}

QString digitsOf(const QString& s) {
    return keepOnly(s, isDigit);
}

// The digits read as one number, held at the largest int.
int readDigits(const QString& digits) {
    qint64 value = 0;
    for (QChar c : digits) {
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMaxInt)
            return kMaxInt;
    }
    return int(value);
}

QString number(int v) {
    return QString::number(v);
}

QString pad2(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

// Raises a-z only; every other character stays as it is.
QString raiseAscii(const QString& s) {
    QString r = s;
    for (QChar& c : r)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return r;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

TSystemTid toSystemTid(const QDateTime& dt) {
    const QDate d = dt.date();
    const QTime t = dt.time();
    TSystemTid r;
    r.wYear = quint16(d.year());
    r.wMonth = quint16(d.month());
    r.wDayOfWeek = quint16(d.dayOfWeek() % 7);
    r.wDay = quint16(d.day());
    r.wHour = quint16(t.hour());
    r.wMinute = quint16(t.minute());
    r.wSecond = quint16(t.second());
    r.wMilliseconds = quint16(t.msec());
    return r;
}

// Where the file name of a path begins: after its last "\" or ":".
qsizetype nameStart(const QString& path) {
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u':')) + 1;
}

// The first "." of the file name, or -1.
qsizetype extensionDot(const QString& path) {
    return path.indexOf(u'.', nameStart(path));
}

// "*" stands for any run of characters and "?" for one; case is ignored.
bool wildcardMatch(QStringView name, QStringView pattern) {
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == u'?' || pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++n;
            ++p;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

// As on the program's home platform, a pattern ending in ".*" also takes names without a
// dot, so "*.*" matches every file.
bool matchesPattern(const QString& name, const QString& pattern) {
    if (wildcardMatch(name, pattern))
        return true;
    return pattern.endsWith(QLatin1String(".*")) && !name.contains(u'.') &&
           wildcardMatch(name, QStringView(pattern).chopped(2));
}

// A real folder: links to folders are not entered.
bool isRealFolder(const QString& path) {
    const auto info = Platform::files().info(path);
    return info && info->isFolder();
}

int clampToInt(qint64 v) {
    return int(std::clamp<qint64>(v, std::numeric_limits<int>::min(), kMaxInt));
}

QRect rectFromCoords(qint64 left, qint64 top, qint64 right, qint64 bottom) {
    return QRect(QPoint(clampToInt(left), clampToInt(top)),
                 QPoint(clampToInt(right), clampToInt(bottom)));
}

double roundHalfEven(double x) {
    if (std::abs(x - std::trunc(x)) == 0.5)
        return 2.0 * std::round(x / 2.0);
    return std::round(x);
}

} // namespace

TAlmenX::TAlmenX(TSprog sprog, QObject* parent) : QObject(parent), FSprog(sprog) {}

const TSystemTid& TAlmenX::readClock() {
    return split(Platform::clock().localNow());
}

const TSystemTid& TAlmenX::split(const QDateTime& dt) {
    FSystemTid = toSystemTid(dt);
    return FSystemTid;
}

// --- Clock texts -----------------------------------------------------------------------

QString TAlmenX::AAr() {
    return number(readClock().wYear);
}

QString TAlmenX::Maaned() {
    return GetMaaned(quint8(readClock().wMonth));
}

QString TAlmenX::Dag() {
    return GetDag(quint8(readClock().wDayOfWeek));
}

QString TAlmenX::Time() {
    return number(readClock().wHour);
}

QString TAlmenX::Minut() {
    return number(readClock().wMinute);
}

QString TAlmenX::Sekund() {
    return number(readClock().wSecond);
}

QString TAlmenX::MilliSekund() {
    return number(readClock().wMilliseconds);
}

QString TAlmenX::Klokken() {
    const TSystemTid& t = readClock();
    return QStringLiteral("Klokken ") + number(t.wHour) + u':' + number(t.wMinute);
}

QString TAlmenX::Dato() {
    const TSystemTid& t = readClock();
    return pad2(t.wDay) + u' ' + pad2(t.wMonth) + u' ' + number(t.wYear);
}

QString TAlmenX::DagIMaaned() {
    return number(readClock().wDay);
}

QString TAlmenX::MaanedIAar() {
    return number(readClock().wMonth);
}

QString TAlmenX::DagDato() {
    const TSystemTid& t = readClock();
    return GetDag(quint8(t.wDayOfWeek)) + u' ' + number(t.wDay) + u' ' +
           GetMaaned(quint8(t.wMonth)) + u' ' + number(t.wYear);
}

QString TAlmenX::Tid() {
    const TSystemTid& t = readClock();
    return pad2(t.wHour) + u'.' + pad2(t.wMinute);
}

QString TAlmenX::MaskDD() {
    const TSystemTid& t = readClock();
    return pad2(t.wDay) + u'.' + pad2(t.wMonth) + u'.' + number(t.wYear);
}

QString TAlmenX::GetDateStempel() {
    const TSystemTid& t = readClock();
    return number(t.wYear) + u'-' + pad2(t.wMonth) + u'-' + pad2(t.wDay) + u'_' + pad2(t.wHour) +
           u'-' + pad2(t.wMinute);
}

int TAlmenX::GetYear() {
    return readClock().wYear;
}

quint8 TAlmenX::GetMonth() {
    return quint8(readClock().wMonth);
}

quint8 TAlmenX::GetDate() {
    return quint8(readClock().wDay);
}

// --- Names and their numbers ------------------------------------------------------------

QString TAlmenX::GetMaaned(quint8 Maaned) const {
    if (Maaned < 1 || Maaned > 12)
        return {};
    return kMaaneder[int(FSprog)][Maaned - 1].toString();
}

QString TAlmenX::GetDag(quint8 Dag) const {
    if (Dag > 7)
        return {};
    return kDage[int(FSprog)][Dag % 7].toString();
}

QString TAlmenX::GetDato(quint8 Dato) {
    return Dato == 0 ? QString() : number(Dato);
}

QString TAlmenX::GetAar(int Aar) {
    return Aar == 0 ? QString() : number(Aar);
}

quint8 TAlmenX::GetDagByte(const QString& Dag) {
    const QString raised = raiseAscii(Dag);
    for (const auto& names : kDage)
        for (quint8 day = 1; day <= 7; ++day)
            if (raised == names[day % 7].toString().toUpper())
                return day;
    return 8;
}

quint8 TAlmenX::GetMaanedByte(const QString& Maaned) {
    const QString raised = raiseAscii(Maaned);
    for (const auto& names : kMaaneder)
        for (quint8 month = 1; month <= 12; ++month)
            if (raised == names[month - 1].toString().toUpper())
                return month;
    return 0;
}

// --- Calendar arithmetic ----------------------------------------------------------------

bool TAlmenX::EksisterDato(int Dag, int Maaned, int Aar) {
    return Dag >= 1 && Dag <= AntalDageIMaaned(Aar, Maaned);
}

int TAlmenX::AntalDageIMaaned(int Aar, int Maaned) {
    switch (Maaned) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return isLeapYear(Aar) ? 29 : 28;
    default:
        return 0;
    }
}

std::optional<int> TAlmenX::AntalDage(int Dag, int Maaned, int Aar) {
    if (Aar < kFirstYear || Aar > kLastYear || !EksisterDato(Dag, Maaned, Aar))
        return std::nullopt;
    return int(QDate(Aar, Maaned, Dag).toJulianDay() - kDayZero);
}

quint16 TAlmenX::GetWeekDay(const QDateTime& dt) {
    if (!dt.isValid())
        return 8;
    return split(dt).wDayOfWeek;
}

quint16 TAlmenX::GetUgeDag(const QDateTime& dt) {
    const quint16 day = GetWeekDay(dt);
    return day == 0 ? 7 : day;
}

QString TAlmenX::GetDayInWeek(const QDateTime& dt) {
    return GetDag(quint8(GetWeekDay(dt)));
}

QString TAlmenX::DayInWeekAnyDate(int Dag, int Maaned, int Aar) {
    if (!AntalDage(Dag, Maaned, Aar))
        return {};
    return GetDayInWeek(QDateTime(QDate(Aar, Maaned, Dag), QTime(0, 0), QTimeZone::utc()));
}

int TAlmenX::GetWeek(int Dag, int Maaned, int Aar) {
    if (Maaned < 1 || Maaned > 12 || Aar < kFirstYear || Aar > kLastYear)
        return -1;
    const int firstMonday = 1 + (8 - QDate(Aar, 1, 1).dayOfWeek()) % 7;
    qint64 dayOfYear = Dag;
    for (int m = 1; m < Maaned; ++m)
        dayOfYear += AntalDageIMaaned(Aar, m);
    const qint64 x = dayOfYear - firstMonday + 1;
    return x <= 0 ? 0 : int((x + 6) / 7);
}

// --- Cleaning typed numbers -------------------------------------------------------------

QString TAlmenX::GetAZ(const QString& EditS) {
    return keepOnly(EditS, [](QChar c) { return isAsciiLetter(c) || isDigit(c); });
}

QString TAlmenX::GetPosTal(const QString& EditS) {
    const QString digits = digitsOf(EditS);
    qsizetype first = 0;
    while (first < digits.size() && digits[first] == u'0')
        ++first;
    return first == digits.size() ? QStringLiteral("0") : digits.mid(first);
}

QString TAlmenX::Get16Tal(const QString& EditS) {
    if (EditS.isEmpty())
        return QStringLiteral("#");
    const QString marked = EditS[0] < u'#' ? u'#' + EditS : EditS;
    return keepOnly(marked, [](QChar c) {
        return c == u'#' || isDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
    });
}

int TAlmenX::EditInteger(const QString& EditS) {
    const int value = EditPosInteger(EditS);
    return EditS.startsWith(u'-') ? -value : value;
}

bool TAlmenX::ErrorInteger(const QString& EditS) {
    return std::any_of(EditS.begin(), EditS.end(),
                       [](QChar c) { return !isDigit(c) && c != u'-'; });
}

bool TAlmenX::ErrorPosInteger(const QString& EditS) {
    return std::any_of(EditS.begin(), EditS.end(), [](QChar c) { return !isDigit(c); });
}

int TAlmenX::EditPosInteger(const QString& EditS) {
    return readDigits(digitsOf(EditS));
}

quint8 TAlmenX::EditByte(const QString& EditS) {
    return quint8(std::min(EditPosInteger(EditS), 255));
}

double TAlmenX::EditFloat(const QString& EditS) {
    bool negative = false;
    bool first = true;
    bool separator = false;
    QString whole;
    QString fraction;
    for (QChar c : EditS) {
        const bool isSeparator = c == u',' || c == u'.';
        if (!isDigit(c) && !isSeparator && c != u'-')
            continue;
        if (first)
            negative = c == u'-';
        first = false;
        if (isDigit(c))
            (separator ? fraction : whole) += c;
        else if (isSeparator)
            separator = true;
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return 0;
    QString text = whole.isEmpty() ? QStringLiteral("0") : whole;
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    const double value = text.toDouble(); // always the C notation
    return negative ? -value : value;
}

QString TAlmenX::Floatkon(const QString& S) {
    return keepOnly(S, [](QChar c) { return isDigit(c) || c == u','; });
}

QString TAlmenX::Decimal2Kon(const QString& S, bool empty) {
    if (S.isEmpty())
        return empty ? QString() : QStringLiteral("0,00");
    if (S == QLatin1String(","))
        return QStringLiteral("0,00");
    const qsizetype last = S.size() - 1;
    QString t;
    bool commaSeen = false;
    int decimals = 0;
    for (qsizetype i = 0; i <= last; ++i) {
        const QChar c = S[i];
        if (c == u',') {
            if (i == 0)
                t += u'0';
            t += c;
            if (i == last)
                return t + QLatin1String("00");
            commaSeen = true;
            continue;
        }
        t += c;
        if (!commaSeen)
            continue;
        ++decimals;
        if (decimals == 1 && i == last)
            return t + u'0';
        if (decimals == 2)
            return t;
    }
    return t + QLatin1String(",00");
}

QString TAlmenX::IntegerKon(const QString& S) {
    const QString digits = digitsOf(S);
    const bool zero = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
    return zero ? QString() : digits;
}

QString TAlmenX::TelefonKon(const QString& S) {
    return keepOnly(S, [](QChar c) { return isDigit(c) || c == u' '; });
}

int TAlmenX::AntalTal(const QString& S) {
    return int(std::count_if(S.begin(), S.end(), isDigit));
}

// --- Date masks -------------------------------------------------------------------------

bool TAlmenX::DatoMaskKon(const QString& S) {
    if (S.size() != 10)
        return false;
    for (int pos : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!isDigit(S[pos]))
            return false;
    return EksisterDato(S.mid(0, 2).toInt(), S.mid(3, 2).toInt(), S.mid(6, 4).toInt());
}

bool TAlmenX::DBdatoKontrol(const QString& S) {
    if (S.isEmpty())
        return true;
    return AntalTal(S) == 8 && S.count(u'-') == 2;
}

bool TAlmenX::DBdatoKon(QLineEdit& Edi) {
    const QString text = Edi.text();
    if (text.isEmpty())
        return true;
    const bool misplaced =
        (text.size() >= 3 && text[2] != u'-') || (text.size() >= 6 && text[5] != u'-');
    const QString cleaned =
        misplaced ? QString() : keepOnly(text, [](QChar c) { return isDigit(c) || c == u'-'; });
    Edi.setText(cleaned);
    Edi.setCursorPosition(int(cleaned.size()));
    return !misplaced && cleaned.size() == text.size();
}

// --- File names and folders -------------------------------------------------------------

QString TAlmenX::SetExt(const QString& Ext, const QString& FNavn) {
    return NoExt(FNavn) + u'.' + Ext;
}

QString TAlmenX::GetExt(const QString& FNavn) {
    const qsizetype dot = extensionDot(FNavn);
    return dot < 0 ? QString() : FNavn.mid(dot + 1);
}

QString TAlmenX::NoExt(const QString& FNavn) {
    const qsizetype dot = extensionDot(FNavn);
    return dot < 0 ? FNavn : FNavn.left(dot);
}

QString TAlmenX::FilCaption(const QString& FNavn) {
    return NoExt(FNavn.mid(nameStart(FNavn)));
}

QString TAlmenX::FilenameControl(const QString& S) {
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    QString r = S;
    for (QChar& c : r)
        if (forbidden.contains(c))
            c = u'_';
    return r;
}

void TAlmenX::ReplaceChar(QString& S, QChar repCh, QChar withCh) {
    S.replace(repCh, withCh);
}

QString TAlmenX::GetBibliotek(const QString& FNavn) {
    const FileSystem& fs = Platform::files();
    QString path = FNavn;
    if (path.endsWith(u'\\'))
        path.chop(1);
    // A folder whose name holds a dot is still the folder itself.
    if (!fs.isFolder(path) && !LogicalPath::extension(path).isEmpty())
        path = LogicalPath::parent(path);
    if (path.isEmpty() || !fs.isFolder(path))
        return {};
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

bool TAlmenX::SendToRecycleBin(const QString& AFileName) {
    const auto info = Platform::files().info(AFileName);
    if (!info || info->isFolder())
        return false;
    return Platform::recycleBin().moveToTrash(AFileName).ok();
}

bool TAlmenX::DeleteFiles(const QString& Bib, const QString& Ext, bool MedBib) {
    FileSystem& fs = Platform::files();
    const QString folder = LogicalPath::normalized(Bib);
    QList<FileInfo> entries;
    if (!isRealFolder(folder) || !fs.list(folder, entries))
        return false;
    bool all = true;
    for (const FileInfo& entry : entries) {
        if (entry.isFolder() || !matchesPattern(entry.name, Ext))
            continue;
        const bool removed =
            entry.mappable && fs.removeFile(LogicalPath::join(folder, entry.name)).ok();
        all = all && removed;
    }
    if (MedBib) {
        const bool removed = fs.removeFolder(folder).ok();
        all = all && removed;
    }
    return all;
}

int TAlmenX::CountFiles(const QString& Bib) {
    QList<FileInfo> entries;
    if (!Platform::files().list(LogicalPath::normalized(Bib), entries))
        return 0;
    return int(std::count_if(entries.begin(), entries.end(),
                             [](const FileInfo& e) { return !e.isFolder(); }));
}

bool TAlmenX::DeleteDir(const QString& Dir) {
    FileSystem& fs = Platform::files();
    const QString dir = LogicalPath::normalized(Dir);
    if (!isRealFolder(dir))
        return false;

    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (gui)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([gui] {
        if (gui)
            QGuiApplication::restoreOverrideCursor();
    });

    QList<FileInfo> entries;
    if (!fs.list(dir, entries))
        return false;
    bool all = true;
    for (const FileInfo& entry : entries) {
        if (!entry.isFolder())
            continue;
        const bool removed =
            entry.mappable && fs.removeTree(LogicalPath::join(dir, entry.name)).ok();
        all = all && removed;
    }
    return all;
}

// --- Colours and rectangles -------------------------------------------------------------

void TAlmenX::HentRGB(TColor F, quint8& R, quint8& G, quint8& B) {
    if (F == clNone)
        return;
    R = quint8(F & 0xFF);
    G = quint8((F >> 8) & 0xFF);
    B = quint8((F >> 16) & 0xFF);
}

QString TAlmenX::GetHtmlFarve(TColor col) {
    quint8 r = 0, g = 0, b = 0;
    HentRGB(col, r, g, b);
    return QStringLiteral("#%1%2%3")
        .arg(r, 2, 16, QLatin1Char('0'))
        .arg(g, 2, 16, QLatin1Char('0'))
        .arg(b, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QRect TAlmenX::MoveRect(const QRect& R, int FlytX, int FlytY) {
    return rectFromCoords(qint64(R.left()) + FlytX, qint64(R.top()) + FlytY,
                          qint64(R.right()) + FlytX, qint64(R.bottom()) + FlytY);
}

QRect TAlmenX::ZoomRect(const QRect& R, int Zoom, double Regu) {
    const qint64 width = qint64(R.right()) - R.left();
    const qint64 height = qint64(R.bottom()) - R.top();
    // Without a usable ratio the height stays as it is.
    qint64 a = 0;
    if (Regu > 0 && std::isfinite(Regu)) {
        const double grow = roundHalfEven(((double(width) + 2.0 * Zoom) / Regu - height) / 2);
        a = qint64(std::clamp(grow, -double(kMaxInt), double(kMaxInt)));
    }
    return rectFromCoords(qint64(R.left()) - Zoom, qint64(R.top()) - a, qint64(R.right()) + Zoom,
                          qint64(R.bottom()) + a);
}

// --- Clock ------------------------------------------------------------------------------

bool TAlmenX::SetTime(quint16 T, quint16 M, quint16 S) {
    const QTime time(T, M, S);
    QDateTime target = Platform::clock().localNow();
    target.setTime(time);
    if (!time.isValid() || !target.isValid()) {
        Platform::prompter().message(
            QStringLiteral("Klokkeslættet %1.%2.%3 findes ikke.").arg(pad2(T), pad2(M), pad2(S)),
            MessageKind::Error);
        return false;
    }
    split(target);
    const FileResult result = Platform::clock().setSystemTime(target);
    if (!result) {
        QString text = QStringLiteral("Computerens ur kunne ikke stilles.");
        if (result.error() == FileError::AccessDenied)
            text += QStringLiteral("\nDet kræver administratorrettigheder.");
        Platform::prompter().message(text, MessageKind::Error);
        return false;
    }
    return true;
}
