#include "dates/almenx.h"
#include "harness/testenvironment.h"
#include "platform/platform.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

using Sprog = TAlmenX::TSprog;

namespace {

// A clock that lets the time be set and remembers what it was given.
class AcceptingClock : public Clock {
public:
    QDateTime localNow() const override { return QDateTime(QDate(2014, 3, 5), QTime(9, 5)); }
    QDateTime utcNow() const override { return localNow().toUTC(); }
    FileResult setSystemTime(const QDateTime& time) override {
        received = time;
        return {};
    }
    QDateTime received;
};

bool hostExists(const QString& path) {
    return QFileInfo::exists(path);
}

} // namespace

class TestAlmenX : public QObject {
    Q_OBJECT

private slots:
    void namesInEachLanguage();
    void namesBackToNumbers();
    void clockTexts();
    void datesExistInTheGregorianCalendar();
    void dayNumbersAndWeekdays();
    void weekNumbersBeginOnTheFirstMonday();
    void integerCleaning();
    void decimalCleaning();
    void dateMasks();
    void fileNames();
    void coloursAndRectangles();
    void setTimeRefusedIsReported();
    void setTimeUsesTodayAtLocalTime();
    void folderName();
    void deleteFilesReportsFailures();
    void countFilesCountsNoFolders();
    void deleteDirNeverFollowsLinks();
    void recycleBin();
};

void TestAlmenX::namesInEachLanguage() {
    TestEnvironment env;
    TAlmenX pf(Sprog::Dansk);
    QCOMPARE(pf.GetDag(0), QStringLiteral("Søndag"));
    QCOMPARE(pf.GetDag(7), QStringLiteral("Søndag"));
    QCOMPARE(pf.GetDag(6), QStringLiteral("Lørdag"));
    QCOMPARE(pf.GetDag(8), QString());
    QCOMPARE(pf.GetMaaned(3), QStringLiteral("Marts"));
    QCOMPARE(pf.GetMaaned(0), QString());
    QCOMPARE(pf.GetMaaned(13), QString());
    QVERIFY(pf.setProperty("Sprog", QVariant::fromValue(Sprog::Tysk)));
    QCOMPARE(pf.GetDag(3), QStringLiteral("Mitwoch"));
    QCOMPARE(pf.GetMaaned(3), QStringLiteral("Marz"));
    pf.SetSprog(Sprog::Engelsk);
    QCOMPARE(pf.GetDag(2), QStringLiteral("Thuesday"));
    QCOMPARE(pf.GetMaaned(12), QStringLiteral("December"));
}

void TestAlmenX::namesBackToNumbers() {
    TestEnvironment env;
    QCOMPARE(TAlmenX::GetDagByte(QStringLiteral("mandag")), quint8(1));
    QCOMPARE(TAlmenX::GetDagByte(QStringLiteral("Thuesday")), quint8(2));
    QCOMPARE(TAlmenX::GetDagByte(QStringLiteral("LØRDAG")), quint8(6));
    QCOMPARE(TAlmenX::GetDagByte(QStringLiteral("lørdag")), quint8(8)); // "ø" is not raised
    QCOMPARE(TAlmenX::GetDagByte(QStringLiteral("sontag")), quint8(7));
    QCOMPARE(TAlmenX::GetDagByte(QString()), quint8(8));
    QCOMPARE(TAlmenX::GetMaanedByte(QStringLiteral("dezember")), quint8(12));
    QCOMPARE(TAlmenX::GetMaanedByte(QStringLiteral("MARTS")), quint8(3));
    QCOMPARE(TAlmenX::GetMaanedByte(QStringLiteral("mai")), quint8(5));
    QCOMPARE(TAlmenX::GetMaanedByte(QString()), quint8(0));
}

void TestAlmenX::clockTexts() {
    TestEnvironment env; // the clock stands at 2014-03-05 09:05:00
    TAlmenX pf(Sprog::Dansk);
    QCOMPARE(pf.Klokken(), QStringLiteral("Klokken 9:5"));
    QCOMPARE(pf.Tid(), QStringLiteral("09.05"));
    QCOMPARE(pf.GetDateStempel(), QStringLiteral("2014-03-05_09-05"));
    QCOMPARE(pf.Dato(), QStringLiteral("05 03 2014"));
    QCOMPARE(pf.MaskDD(), QStringLiteral("05.03.2014"));
    QCOMPARE(pf.DagDato(), QStringLiteral("Onsdag 5 Marts 2014"));
    QCOMPARE(pf.SystemTid(), (TSystemTid{2014, 3, 3, 5, 9, 5, 0, 0}));

    env.clock().set(QDateTime(QDate(2013, 10, 30), QTime(23, 59, 7, 42)));
    QCOMPARE(pf.DagDato(), QStringLiteral("Onsdag 30 Oktober 2013"));
    QCOMPARE(pf.Sekund(), QStringLiteral("7"));
    QCOMPARE(pf.MilliSekund(), QStringLiteral("42"));
    QCOMPARE(pf.GetYear(), 2013);
    QCOMPARE(pf.GetMonth(), quint8(10));
    QCOMPARE(pf.GetDate(), quint8(30));
    pf.SetSprog(Sprog::Tysk);
    QCOMPARE(pf.Dag() + u' ' + pf.Maaned(), QStringLiteral("Mitwoch Oktober"));
}

void TestAlmenX::datesExistInTheGregorianCalendar() {
    TestEnvironment env;
    QVERIFY(!TAlmenX::EksisterDato(29, 2, 2100));
    QVERIFY(!TAlmenX::EksisterDato(29, 2, 1900));
    QVERIFY(TAlmenX::EksisterDato(29, 2, 2000));
    QVERIFY(TAlmenX::EksisterDato(29, 2, 2024));
    QVERIFY(!TAlmenX::EksisterDato(31, 4, 2024));
    QVERIFY(!TAlmenX::EksisterDato(0, 1, 2024));
    QVERIFY(!TAlmenX::EksisterDato(1, 13, 2024));
    QCOMPARE(TAlmenX::AntalDageIMaaned(2100, 2), 28);
    QCOMPARE(TAlmenX::AntalDageIMaaned(2000, 2), 29);
    QCOMPARE(TAlmenX::AntalDageIMaaned(2000, 0), 0);
}

void TestAlmenX::dayNumbersAndWeekdays() {
    TestEnvironment env;
    TAlmenX pf(Sprog::Dansk);
    QCOMPARE(TAlmenX::AntalDage(1, 1, 1900).value_or(-1), 2);
    QCOMPARE(TAlmenX::AntalDage(30, 12, 1899).value_or(-1), 0);
    QCOMPARE(TAlmenX::AntalDage(5, 3, 2014).value_or(-1), 41703);
    QVERIFY(!TAlmenX::AntalDage(29, 2, 2100));
    QVERIFY(!TAlmenX::AntalDage(1, 1, 10000));

    const QDateTime sunday(QDate(2017, 1, 1), QTime(12, 0));
    QCOMPARE(pf.GetWeekDay(sunday), quint16(0));
    QCOMPARE(pf.GetUgeDag(sunday), quint16(7));
    QCOMPARE(pf.SystemTid().wYear, quint16(2017)); // split into the record
    QCOMPARE(pf.GetDayInWeek(sunday), QStringLiteral("Søndag"));
    QCOMPARE(pf.GetUgeDag(QDateTime()), quint16(8));
    QCOMPARE(pf.GetDayInWeek(QDateTime()), QString());
    QCOMPARE(pf.DayInWeekAnyDate(5, 3, 2014), QStringLiteral("Onsdag"));
    QCOMPARE(pf.DayInWeekAnyDate(30, 2, 2014), QString());
}

void TestAlmenX::weekNumbersBeginOnTheFirstMonday() {
    TestEnvironment env;
    QCOMPARE(TAlmenX::GetWeek(1, 1, 2017), 0); // a Sunday before the first Monday
    QCOMPARE(TAlmenX::GetWeek(8, 1, 2017), 1);
    QCOMPARE(TAlmenX::GetWeek(1, 1, 2018), 1); // a Monday
    QCOMPARE(TAlmenX::GetWeek(1, 1, 2019), 0);
    QCOMPARE(TAlmenX::GetWeek(7, 1, 2019), 1);
    QCOMPARE(TAlmenX::GetWeek(31, 12, 2019), 52);
    // Not the ISO weeks.
    QCOMPARE(QDate(2019, 1, 1).weekNumber(), 1);
    QCOMPARE(QDate(2019, 1, 7).weekNumber(), 2);
    QCOMPARE(QDate(2019, 12, 31).weekNumber(), 1);
    QCOMPARE(TAlmenX::GetWeek(31, 12, 2018), 53);
    QCOMPARE(TAlmenX::GetWeek(4, 3, 2024), 10); // 29 February counts
    QCOMPARE(TAlmenX::GetWeek(4, 3, 1900), 9);  // 1900 is a common year
    QCOMPARE(TAlmenX::GetWeek(40, 1, 2019), 5); // the day is not checked
    QCOMPARE(TAlmenX::GetWeek(2147483647, 1, 2019), 306783378);
    QCOMPARE(TAlmenX::GetWeek(1, 13, 2019), -1);
    QCOMPARE(TAlmenX::GetWeek(1, 1, 0), -1);
}

void TestAlmenX::integerCleaning() {
    TestEnvironment env;
    QCOMPARE(TAlmenX::EditInteger(QStringLiteral("-1a2")), -12);
    QCOMPARE(TAlmenX::EditInteger(QStringLiteral("12-3")), 123);
    QCOMPARE(TAlmenX::EditInteger(QString()), 0);
    QCOMPARE(TAlmenX::EditInteger(QStringLiteral("99999999999")), 2147483647);
    QCOMPARE(TAlmenX::EditInteger(QStringLiteral("-99999999999")), -2147483647);
    QCOMPARE(TAlmenX::EditPosInteger(QStringLiteral("٣x4")), 4); // only 0-9 are digits
    QCOMPARE(TAlmenX::EditByte(QStringLiteral("0300")), quint8(255));
    QCOMPARE(TAlmenX::EditByte(QStringLiteral("7")), quint8(7));
    QVERIFY(TAlmenX::ErrorInteger(QStringLiteral("-1a")));
    QVERIFY(!TAlmenX::ErrorInteger(QStringLiteral("-12")));
    QVERIFY(TAlmenX::ErrorPosInteger(QStringLiteral("-12")));
    QVERIFY(!TAlmenX::ErrorPosInteger(QString()));
    QCOMPARE(TAlmenX::GetPosTal(QStringLiteral("a0b7")), QStringLiteral("7"));
    QCOMPARE(TAlmenX::GetPosTal(QString()), QStringLiteral("0"));
    QCOMPARE(TAlmenX::GetPosTal(QStringLiteral("00123456789012")), QStringLiteral("123456789012"));
    QCOMPARE(TAlmenX::IntegerKon(QStringLiteral("x0012")), QStringLiteral("0012"));
    QCOMPARE(TAlmenX::IntegerKon(QStringLiteral("000")), QString());
    QCOMPARE(TAlmenX::Get16Tal(QStringLiteral("FF00FF")), QStringLiteral("FF00FF"));
    QCOMPARE(TAlmenX::Get16Tal(QStringLiteral(" FF")), QStringLiteral("#FF"));
    QCOMPARE(TAlmenX::Get16Tal(QString()), QStringLiteral("#"));
    QCOMPARE(TAlmenX::GetAZ(QStringLiteral("Æb-1 c")), QStringLiteral("b1c"));
}

void TestAlmenX::decimalCleaning() {
    TestEnvironment env;
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral("3,14159"), false), QStringLiteral("3,14"));
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral(",5"), false), QStringLiteral("0,50"));
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral("12"), false), QStringLiteral("12,00"));
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral("12,"), false), QStringLiteral("12,00"));
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral("3,1"), false), QStringLiteral("3,10"));
    QCOMPARE(TAlmenX::Decimal2Kon(QStringLiteral(","), true), QStringLiteral("0,00"));
    QCOMPARE(TAlmenX::Decimal2Kon(QString(), true), QString());
    QCOMPARE(TAlmenX::Decimal2Kon(QString(), false), QStringLiteral("0,00"));
    QCOMPARE(TAlmenX::EditFloat(QStringLiteral("-1.234,5")), -1.2345);
    QCOMPARE(TAlmenX::EditFloat(QStringLiteral("kr 2,50")), 2.5);
    QCOMPARE(TAlmenX::EditFloat(QStringLiteral(",")), 0.0); // a separator alone
    QCOMPARE(TAlmenX::EditFloat(QStringLiteral("-")), 0.0);
    QCOMPARE(TAlmenX::Floatkon(QStringLiteral("1.234,5 kr")), QStringLiteral("1234,5"));
}

void TestAlmenX::dateMasks() {
    TestEnvironment env;
    QVERIFY(TAlmenX::DatoMaskKon(QStringLiteral("29-02-2000")));
    QVERIFY(!TAlmenX::DatoMaskKon(QStringLiteral("29-02-2100")));
    QVERIFY(!TAlmenX::DatoMaskKon(QStringLiteral(" 5-03-2014")));
    QVERIFY(!TAlmenX::DatoMaskKon(QStringLiteral("05-03-201")));
    QVERIFY(TAlmenX::DBdatoKontrol(QString()));
    QVERIFY(TAlmenX::DBdatoKontrol(QStringLiteral("24-12-2015")));
    QVERIFY(!TAlmenX::DBdatoKontrol(QStringLiteral("24-12-201")));

    QLineEdit box;
    box.setText(QStringLiteral("24-12-2a15"));
    QVERIFY(!TAlmenX::DBdatoKon(box));
    QCOMPARE(box.text(), QStringLiteral("24-12-215"));
    QCOMPARE(box.cursorPosition(), 9);
    QVERIFY(TAlmenX::DBdatoKon(box));
    box.setText(QStringLiteral("24.12.2015"));
    QVERIFY(!TAlmenX::DBdatoKon(box));
    QCOMPARE(box.text(), QString());
}

void TestAlmenX::fileNames() {
    TestEnvironment env;
    QCOMPARE(TAlmenX::SetExt(QStringLiteral("txt"), QStringLiteral("a.b.c")),
             QStringLiteral("a.txt"));
    // A dot in a folder name is no extension.
    QCOMPARE(TAlmenX::SetExt(QStringLiteral("txt"), QStringLiteral("C:\\my.dir\\file.doc")),
             QStringLiteral("C:\\my.dir\\file.txt"));
    QCOMPARE(TAlmenX::GetExt(QStringLiteral("C:\\my.dir\\README")), QString());
    QCOMPARE(TAlmenX::GetExt(QStringLiteral("C:\\a\\pak.tar.gz")), QStringLiteral("tar.gz"));
    QCOMPARE(TAlmenX::NoExt(QStringLiteral("C:\\my.dir\\file.doc")),
             QStringLiteral("C:\\my.dir\\file"));
    QCOMPARE(TAlmenX::FilCaption(QStringLiteral("C:\\my.dir\\file.doc")), QStringLiteral("file"));
    QCOMPARE(TAlmenX::FilCaption(QStringLiteral("D:brev.txt")), QStringLiteral("brev"));
    QCOMPARE(TAlmenX::FilenameControl(QStringLiteral("a\"*/:<>?\\|b")),
             QStringLiteral("a_________b"));
}

void TestAlmenX::coloursAndRectangles() {
    TestEnvironment env;
    quint8 r = 1, g = 2, b = 3;
    TAlmenX::HentRGB(clNone, r, g, b);
    QCOMPARE((QList<int>{r, g, b}), (QList<int>{1, 2, 3}));
    TAlmenX::HentRGB(0x00332211, r, g, b);
    QCOMPARE((QList<int>{r, g, b}), (QList<int>{0x11, 0x22, 0x33}));
    QCOMPARE(TAlmenX::GetHtmlFarve(0x000000FF), QStringLiteral("#FF0000"));
    QCOMPARE(TAlmenX::GetHtmlFarve(0x000080FF), QStringLiteral("#FF8000"));
    QCOMPARE(TAlmenX::GetHtmlFarve(clNone), QStringLiteral("#000000"));

    const QRect rect(QPoint(10, 20), QPoint(110, 70)); // 100 wide, 50 high
    QCOMPARE(TAlmenX::MoveRect(rect, 5, -5), QRect(QPoint(15, 15), QPoint(115, 65)));
    // (120 / 2 - 50) / 2 = 5
    QCOMPARE(TAlmenX::ZoomRect(rect, 10, 2.0), QRect(QPoint(0, 15), QPoint(120, 75)));
    // Halves go to the even neighbour: (110 / 2 - 50) / 2 = 2.5 -> 2, (114 / 2 - 50) / 2 = 3.5 -> 4
    QCOMPARE(TAlmenX::ZoomRect(rect, 5, 2.0).top(), 18);
    QCOMPARE(TAlmenX::ZoomRect(rect, 7, 2.0).top(), 16);
    // No usable ratio: only the width grows.
    QCOMPARE(TAlmenX::ZoomRect(rect, 10, 0.0), QRect(QPoint(0, 20), QPoint(120, 70)));
}

void TestAlmenX::setTimeRefusedIsReported() {
    TestEnvironment env;
    TAlmenX pf(Sprog::Dansk);
    env.prompter().expectMessage(
        QStringLiteral("Computerens ur kunne ikke stilles.\nDet kræver administratorrettigheder."));
    QVERIFY(!pf.SetTime(13, 30, 0));
    QCOMPARE(env.clock().setAttempts(), 1);

    env.prompter().expectMessage(QStringLiteral("Klokkeslættet 24.00.00 findes ikke."));
    QVERIFY(!pf.SetTime(24, 0, 0));
    QCOMPARE(env.clock().setAttempts(), 1);
}

void TestAlmenX::setTimeUsesTodayAtLocalTime() {
    TestEnvironment env;
    auto owned = std::make_unique<AcceptingClock>();
    AcceptingClock* clock = owned.get();
    Platform::setClock(std::move(owned));
    TAlmenX pf(Sprog::Dansk);
    pf.GetWeekDay(QDateTime(QDate(2000, 1, 1), QTime(0, 0))); // leaves another date behind
    QVERIFY(pf.SetTime(13, 30, 15));
    QCOMPARE(clock->received, QDateTime(QDate(2014, 3, 5), QTime(13, 30, 15)));
    QCOMPARE(pf.SystemTid(), (TSystemTid{2014, 3, 3, 5, 13, 30, 15, 0}));
}

void TestAlmenX::folderName() {
    TestEnvironment env;
    env.makeFolder(QStringLiteral("C:\\Data\\Foto"));
    env.makeFolder(QStringLiteral("C:\\Data\\my.dir"));
    QCOMPARE(TAlmenX::GetBibliotek(QStringLiteral("C:\\Data\\Foto\\a.jpg")),
             QStringLiteral("Foto"));
    QCOMPARE(TAlmenX::GetBibliotek(QStringLiteral("C:\\Data\\Foto\\")), QStringLiteral("Foto"));
    QCOMPARE(TAlmenX::GetBibliotek(QStringLiteral("C:\\Data\\my.dir")), QStringLiteral("my.dir"));
    QCOMPARE(TAlmenX::GetBibliotek(QStringLiteral("C:\\Mangler\\a.jpg")), QString());
}

void TestAlmenX::deleteFilesReportsFailures() {
    TestEnvironment env;
    for (const char* name : {"a.txt", "b.TXT", "c.doc", "README", "sub\\x.txt"})
        env.writeFile(QStringLiteral("C:\\Bib\\") + QLatin1String(name), "x");
    QVERIFY(TAlmenX::DeleteFiles(QStringLiteral("C:\\Bib\\"), QStringLiteral("*.txt"), false));
    const QString bib = env.host(QStringLiteral("C:\\Bib"));
    QCOMPARE(QDir(bib).entryList(QDir::Files), (QStringList{"c.doc", "README"}));
    // The subfolder keeps the folder from going.
    QVERIFY(!TAlmenX::DeleteFiles(QStringLiteral("C:\\Bib"), QStringLiteral("*.*"), true));
    QCOMPARE(QDir(bib).entryList(QDir::Files), QStringList());
    QVERIFY(hostExists(bib + QStringLiteral("/sub/x.txt")));
    QVERIFY(!TAlmenX::DeleteFiles(QStringLiteral("C:\\Mangler"), QStringLiteral("*.*"), false));

    // A name with no logical form cannot be deleted, and the result says so.
    env.writeFile(QStringLiteral("C:\\Odd\\ok.txt"), "x");
    const QString odd = env.host(QStringLiteral("C:\\Odd"));
    QFile weird(odd + QStringLiteral("/we\\ird.txt"));
    QVERIFY(weird.open(QIODevice::WriteOnly));
    weird.close();
    QVERIFY(!TAlmenX::DeleteFiles(QStringLiteral("C:\\Odd"), QStringLiteral("*.*"), false));
    QCOMPARE(QDir(odd).entryList(QDir::Files), QStringList{"we\\ird.txt"});

    // A link to a folder is not entered.
    env.writeFile(QStringLiteral("D:\\Ude\\keep.txt"), "keep");
    QVERIFY(QFile::link(env.host(QStringLiteral("D:\\Ude")), env.host(QStringLiteral("C:\\Link"))));
    QVERIFY(!TAlmenX::DeleteFiles(QStringLiteral("C:\\Link"), QStringLiteral("*.*"), false));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Ude\\keep.txt")), QByteArray("keep"));
}

void TestAlmenX::countFilesCountsNoFolders() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\T\\a.txt"), "x");
    env.writeFile(QStringLiteral("C:\\T\\.skjult"), "x");
    env.makeFolder(QStringLiteral("C:\\T\\sub"));
    env.makeFolder(QStringLiteral("C:\\T\\.git")); // a hidden folder is still a folder
    QVERIFY(
        QFile::link(env.host(QStringLiteral("C:\\T\\sub")), env.host(QStringLiteral("C:\\T\\l"))));
    QCOMPARE(TAlmenX::CountFiles(QStringLiteral("C:\\T")), 3);
    QCOMPARE(TAlmenX::CountFiles(QStringLiteral("C:\\Mangler")), 0);
}

void TestAlmenX::deleteDirNeverFollowsLinks() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("D:\\Ude\\keep.txt"), "keep");
    env.writeFile(QStringLiteral("C:\\Ryd\\top.txt"), "top");
    env.writeFile(QStringLiteral("C:\\Ryd\\sub\\deep\\f.txt"), "f");
    env.makeFolder(QStringLiteral("C:\\Ryd\\.skjult\\indre"));
    const QString outside = env.host(QStringLiteral("D:\\Ude"));
    QVERIFY(QFile::link(outside, env.host(QStringLiteral("C:\\Ryd\\ud"))));
    QVERIFY(QFile::link(outside, env.host(QStringLiteral("C:\\Ryd\\sub\\deep\\ud"))));

    QVERIFY(TAlmenX::DeleteDir(QStringLiteral("C:\\Ryd")));
    const QString ryd = env.host(QStringLiteral("C:\\Ryd"));
    QCOMPARE(
        QDir(ryd).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        (QStringList{"top.txt", "ud"}));
    QCOMPARE(env.readFile(QStringLiteral("D:\\Ude\\keep.txt")), QByteArray("keep"));
    QVERIFY(!TAlmenX::DeleteDir(QStringLiteral("C:\\Mangler")));
    QVERIFY(!TAlmenX::DeleteDir(QStringLiteral("C:\\Ryd\\ud"))); // a link, not a folder
    QCOMPARE(env.readFile(QStringLiteral("D:\\Ude\\keep.txt")), QByteArray("keep"));
}

void TestAlmenX::recycleBin() {
    TestEnvironment env;
    env.writeFile(QStringLiteral("C:\\Kasser\\a.txt"), "x");
    QVERIFY(!TAlmenX::SendToRecycleBin(QStringLiteral("C:\\Kasser\\mangler.txt")));
    QVERIFY(!TAlmenX::SendToRecycleBin(QStringLiteral("C:\\Kasser")));
    QVERIFY(TAlmenX::SendToRecycleBin(QStringLiteral("C:\\Kasser\\a.txt")));
    QVERIFY(!hostExists(env.host(QStringLiteral("C:\\Kasser\\a.txt"))));
}

RAVNSTI_TEST_MAIN(TestAlmenX)
#include "tst_almenx.moc"
