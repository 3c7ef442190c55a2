#include "calendar/aktivealarmer.h"
#include "calendar/alarmfiler.h"
#include "calendar/alarmform.h"
#include "calendar/kalender.h"
#include "calendar/kalenderform.h"
#include "engine/handlinger.h"
#include "harness/filesizelimit.h"
#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "platform/textfile.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>

using namespace AlarmFiler;

namespace {

const QString kKalender = QStringLiteral("C:\\Ravnsti\\anna\\Kalender");
const QString kNotater = QStringLiteral("C:\\Ravnsti\\anna\\Notater\\");

QDateTime at(int y, int m, int d, int h, int mi) {
    return QDateTime(QDate(y, m, d), QTime(h, mi));
}

// The calendar window on a host whose data folders exist, shown at the clock's time.
struct Vindue {
    TestEnvironment& env;
    TestHost host;
    Talarmform alarmform{host};
    AktiveAlarmer aktive{host, [this]() -> Talarmform& { return alarmform; }};
    std::unique_ptr<Tkalenderform> form;

    Vindue(TestEnvironment& e, const QDateTime& nu) : env(e) {
        mapper(env, host.folders);
        env.clock().set(nu);
        aktive.hentAlarmer();
        form = std::make_unique<Tkalenderform>(host, aktive);
    }
    template <class T = QWidget> T* w(const char* name) { return child<T>(*form, name); }
    void click(const char* name) { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
    // Replaces a box's text by typing, as a user does.
    void skriv(const char* name, const QString& text) {
        auto* box = w<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    QDate dato() const { return form->kalender()->dato(); }
    QStringList noteLines(const QString& name) const {
        QStringList lines;
        (void)TextFile::read(kNotater + name, lines);
        return lines;
    }
    void klikRaekke(int row) {
        auto* box = w<QTableWidget>("alarmBox");
        const QRect cell = box->visualRect(box->model()->index(row, 2));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

} // namespace

class TestKalenderform : public QObject {
    Q_OBJECT

private slots:
    void firstShowingTodayAndDateFolders() {
        TestEnvironment env;
        Vindue v(env, at(2016, 2, 29, 10, 0));
        v.form->visSide(Tkalenderform::SideKalender);
        QCOMPARE(v.form->windowTitle(), QStringLiteral("Kalender og alarmer"));
        QCOMPARE(v.w<QTabWidget>("Bog")->currentIndex(), 0);
        for (const char* label : {"datoLabel", "dato1Label", "dato2Label"})
            QCOMPARE(v.w<QPushButton>(label)->text(), QStringLiteral("I dag: 29-02-2016"));
        QCOMPARE(v.w<QLineEdit>("dayEdit")->text(), QStringLiteral("29"));
        QCOMPARE(v.w<QLineEdit>("monthEdit")->text(), QStringLiteral("2"));
        QCOMPARE(v.w<QLineEdit>("year2Edit")->text(), QStringLiteral("2016"));
        QCOMPARE(v.w<QLabel>("maanedLabel")->text(), QStringLiteral("Februar 2016"));
        // No year folder: the calendar folder itself, with its counts.
        QCOMPARE(v.host.funk().Grundmappe(), kKalender);
        QCOMPARE(v.w<QLabel>("LabelAntalMapper")->text(), QStringLiteral("Mapper: 0"));

        v.click("ButtonOpretMappe");
        const QString dag = kKalender + QStringLiteral("\\2016\\02 Februar\\29 Mandag");
        QVERIFY(Platform::files().isFolder(dag));
        QCOMPARE(v.host.funk().Grundmappe(), dag);
        env.prompter().expectMessage(QStringLiteral("Mappen eksisterer allerede."));
        v.click("ButtonOpretMappe");
        env.writeFile(dag + QStringLiteral("\\program.txt"), "x");
        env.makeFolder(dag + QStringLiteral("\\billeder"));
        v.click("mNext");
        v.click("mPrev");
        QCOMPARE(v.host.funk().Grundmappe(), dag);
        QCOMPARE(v.w<QLabel>("LabelAntalMapper")->text(), QStringLiteral("Mapper: 1"));
        QCOMPARE(v.w<QLabel>("LabelAntalFiler")->text(), QStringLiteral("Dokumenter: 1"));
        // The month folder when the day has none.
        v.click("mNext");
        QCOMPARE(v.host.funk().Grundmappe(), kKalender + QStringLiteral("\\2016"));

        // "I dag: " follows the clock: after midnight and at the next showing.
        env.clock().set(at(2016, 3, 1, 0, 0));
        v.aktive.alarmTimerTimer();
        QCOMPARE(v.w<QPushButton>("datoLabel")->text(), QStringLiteral("I dag: 01-03-2016"));
        v.form->close();
        env.clock().set(at(2016, 3, 2, 8, 0));
        v.form->visSide(Tkalenderform::SideAlarmer);
        QCOMPARE(v.w<QPushButton>("dato1Label")->text(), QStringLiteral("I dag: 02-03-2016"));
        v.click("datoLabel");
        QCOMPARE(v.dato(), QDate(2016, 3, 2));
    }

    void notesAreSavedDeletedAndNeverLost() {
        TestEnvironment env;
        Vindue v(env, at(2016, 2, 29, 10, 0));
        v.form->visSide(Tkalenderform::SideKalender);
        QAction* gem = v.form->aMemoGem();
        QAction* slet = v.form->aMemoSlet();
        QVERIFY(!gem->isEnabled());
        QVERIFY(!slet->isEnabled());
        auto* memo = v.w<QPlainTextEdit>("notatMemo");
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("Købe mælk"));
        QVERIFY(gem->isEnabled());
        v.click("gemNotatKnap");
        QCOMPARE(v.noteLines(QStringLiteral("29-02-2016.txt")), QStringList({"Købe mælk"}));
        QVERIFY(!gem->isEnabled());
        QVERIFY(slet->isEnabled());
        QCOMPARE(v.form->memoFilename(), kNotater + QStringLiteral("29-02-2016.txt"));

        // Leaving a changed note asks; "Nej" lets the change go.
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("og brød"));
        env.prompter().answer(false);
        v.click("mNext");
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Notatet for 29-02-2016 er ikke gemt.\nSkal det gemmes?"));
        QCOMPARE(v.dato(), QDate(2016, 3, 29));
        QVERIFY(memo->toPlainText().isEmpty());
        QCOMPARE(v.noteLines(QStringLiteral("29-02-2016.txt")), QStringList({"Købe mælk"}));
        // "Ja" saves it under its own date before the next date's note is shown.
        QTest::keyClicks(memo, QStringLiteral("Tandlæge"));
        env.prompter().answer(true);
        v.click("mPrev");
        QCOMPARE(v.noteLines(QStringLiteral("29-03-2016.txt")), QStringList({"Tandlæge"}));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Købe mælk"));

        v.click("sletNotatKnap");
        QVERIFY(!Platform::files().exists(kNotater + QStringLiteral("29-02-2016.txt")));
        QVERIFY(memo->toPlainText().isEmpty());
        QVERIFY(!slet->isEnabled());
        QVERIFY(v.form->memoFilename().isEmpty());

        // Closing the window asks too.
        QTest::keyClicks(memo, QStringLiteral("Husk"));
        env.prompter().answer(true);
        v.form->close();
        QCOMPARE(v.noteLines(QStringLiteral("29-02-2016.txt")), QStringList({"Husk"}));

        v.click("visNotatmappe");
        QCOMPARE(v.host.funk().Grundmappe(), kNotater.chopped(1));

        // A full drive is told in Danish with the note's path; the note stays unsaved.
        memo->setFocus();
        QTest::keyClicks(memo, QString(64, QLatin1Char('x')));
        {
            FileSizeLimit full(16);
            env.prompter().expectMessage(QStringLiteral("Notatet kunne ikke gemmes.\n") + kNotater +
                                         QStringLiteral("29-02-2016.txt\nDer er ikke plads nok "
                                                        "på drevet."));
            v.click("gemNotatKnap");
        }
        QCOMPARE(v.noteLines(QStringLiteral("29-02-2016.txt")), QStringList({"Husk"}));
        QVERIFY(gem->isEnabled());
    }

    void typedDatesAndStepping() {
        TestEnvironment env;
        Vindue v(env, at(2016, 3, 31, 10, 0));
        v.form->visSide(Tkalenderform::SideKalender);
        v.click("mNext");
        QCOMPARE(v.dato(), QDate(2016, 4, 30));
        v.click("datoLabel");
        v.click("mPrev");
        QCOMPARE(v.dato(), QDate(2016, 2, 29));
        v.click("yNext");
        QCOMPARE(v.dato(), QDate(2017, 2, 28));
        v.click("yPrev");
        QCOMPARE(v.dato(), QDate(2016, 2, 28));

        // A whole typed date in one press, by Enter or by "Opdater".
        v.skriv("dayEdit", QStringLiteral("31"));
        v.skriv("monthEdit", QStringLiteral("12"));
        v.skriv("yearEdit", QStringLiteral("2020"));
        QTest::keyClick(v.w("yearEdit"), Qt::Key_Return);
        QCOMPARE(v.dato(), QDate(2020, 12, 31));
        v.skriv("monthEdit", QStringLiteral("2"));
        v.skriv("yearEdit", QStringLiteral("2021"));
        env.prompter().expectMessage(
            QStringLiteral("Dag er forkert.\nFebruar 2021 har kun 28 dage."));
        v.click("opdaterKnap");
        QCOMPARE(v.dato(), QDate(2020, 12, 31));
        v.skriv("monthEdit", QStringLiteral("13"));
        env.prompter().expectMessage(
            QStringLiteral("Måned er forkert.\nVærdien skal være mellem 1 og 12 begge medregnet."));
        v.click("opdaterKnap");
        // Each box is cleaned to its number first; an empty one becomes "0" and keeps that
        // part of the date, here day 31, which June lacks.
        v.skriv("dayEdit", QString());
        v.skriv("monthEdit", QStringLiteral("x6"));
        v.skriv("yearEdit", QStringLiteral("2019"));
        env.prompter().expectMessage(QStringLiteral("Dag er forkert.\nJuni 2019 har kun 30 dage."));
        v.click("opdaterKnap");
        QCOMPARE(v.w<QLineEdit>("dayEdit")->text(), QStringLiteral("0"));
        QCOMPARE(v.w<QLineEdit>("monthEdit")->text(), QStringLiteral("6"));
        v.skriv("dayEdit", QStringLiteral("30"));
        v.click("opdaterKnap");
        QCOMPARE(v.dato(), QDate(2019, 6, 30));
    }

    void aClickOnADayCell() {
        TestEnvironment env;
        Vindue v(env, at(2014, 3, 5, 9, 5));
        v.form->visSide(Tkalenderform::SideKalender);
        auto* view = v.form->kalender()->grid()->findChild<QTableView*>();
        QVERIFY(view);
        const QAbstractItemModel* model = view->model();
        // Day 20 of the month shown: the cell in a week row that reads "20".
        QModelIndex cell;
        for (int row = 1; row < model->rowCount() && !cell.isValid(); ++row)
            for (int col = 1; col < model->columnCount(); ++col)
                if (model->index(row, col).data().toString() == QStringLiteral("20")) {
                    cell = model->index(row, col);
                    break;
                }
        QVERIFY(cell.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
        QCOMPARE(v.dato(), QDate(2014, 3, 20));
        QCOMPARE(v.w<QLineEdit>("dayEdit")->text(), QStringLiteral("20"));
        // Weeks begin on Monday.
        QCOMPARE(v.form->kalender()->grid()->firstDayOfWeek(), Qt::Monday);
    }

    void dateDifferencePage() {
        TestEnvironment env;
        Vindue v(env, at(2014, 3, 5, 9, 5));
        v.form->visSide(Tkalenderform::SideDatoforskelle);
        v.skriv("day1Edit", QStringLiteral("29"));
        v.skriv("month1Edit", QStringLiteral("2"));
        v.skriv("year1Edit", QStringLiteral("2016"));
        v.click("opdater1Knap");
        v.skriv("day2Edit", QStringLiteral("28"));
        v.skriv("month2Edit", QStringLiteral("2"));
        v.skriv("year2Edit", QStringLiteral("2017"));
        QTest::keyClick(v.w("day2Edit"), Qt::Key_Enter);
        v.click("beregnKnap");
        QCOMPARE(v.w<QLineEdit>("Edit1")->text(), QStringLiteral("1 år, 0 måneder samt 0 dage."));
        QCOMPARE(v.w<QLineEdit>("Edit2")->text(), QStringLiteral("365 dage ialt."));
        v.click("dato2Label");
        v.click("beregnKnap");
        // The later date may stand first.
        QCOMPARE(v.w<QLineEdit>("Edit1")->text(), QStringLiteral("1 år, 11 måneder samt 24 dage."));
        QCOMPARE(v.w<QLineEdit>("Edit2")->text(), QStringLiteral("726 dage ialt."));
        v.click("spmDatoerKnap");
        QCOMPARE(v.host.help, QStringList({"Kalender"}));
    }

    void newAlarmsAndTheirChecks() {
        TestEnvironment env;
        Vindue v(env, at(2026, 5, 4, 9, 7));
        const DataFolders& f = v.host.folders;
        v.host.options.alarmLydIndex = 4;
        v.form->visSide(Tkalenderform::SideNyAlarm);
        QVERIFY(v.w<QRadioButton>("alarmtype0")->isChecked());
        QCOMPARE(v.w<QLineEdit>("EditYear")->text(), QStringLiteral("0000"));
        QVERIFY(!v.w("EditYear")->isEnabled());
        QCOMPARE(v.w<QLineEdit>("EditTime")->text(), QStringLiteral("9"));
        QCOMPARE(v.w<QLineEdit>("EditMinut")->text(), QStringLiteral("7"));
        QCOMPARE(v.w<QComboBox>("cbLydfiler")->currentText(), QStringLiteral("Ohhnoo"));
        QVERIFY(!v.w("sbGemAlarm")->isEnabled());

        // A daily alarm one minute ahead, with no heading and no text.
        v.skriv("EditMinut", QStringLiteral("8"));
        QVERIFY(v.w("sbGemAlarm")->isEnabled());
        v.click("sbGemAlarm");
        const QString navn = QStringLiteral("0000-00-00-09-08.txt");
        QStringList lines;
        QVERIFY(TextFile::read(f.alarmDir + navn, lines));
        QCOMPARE(lines,
                 QStringList({"0000", "00", "00", "09", "08", "0", "4", "1", "Ingen overskrift",
                              f.alarmTekster + navn, f.alarmDir + navn}));
        QVERIFY(TextFile::read(f.alarmTekster + navn, lines));
        QCOMPARE(lines, QStringList({"Ingen tekst."}));
        QCOMPARE(v.aktive.caption(), QStringLiteral("1 aktiv alarm"));
        env.clock().set(at(2026, 5, 4, 9, 8));
        v.aktive.alarmTimerTimer();
        QCOMPARE(v.alarmform.windowTitle(), QStringLiteral("Ingen overskrift"));
        v.alarmform.close();

        // "Nej" to overwriting keeps both files as they were.
        v.click("sbNyAlarm");
        v.skriv("EditTime", QStringLiteral("9"));
        v.skriv("EditMinut", QStringLiteral("8"));
        v.skriv("EditOverskrift", QStringLiteral("Ny"));
        env.prompter().answer(false);
        v.click("sbGemAlarm");
        QCOMPARE(
            env.prompter().shown().last(),
            QStringLiteral("Alarmen eksisterer allerede.\nSkal filerne overskrives?\n\n"
                           "..Alarmer/0000-00-00-09-08.txt\n..Alarmtekster/0000-00-00-09-08.txt"));
        QVERIFY(TextFile::read(f.alarmDir + navn, lines));
        QCOMPARE(lines.at(8), QStringLiteral("Ingen overskrift"));
        QVERIFY(TextFile::read(f.alarmTekster + navn, lines));
        QCOMPARE(lines, QStringList({"Ingen tekst."}));

        // Dates are checked as dates; a box without a number gets its own message.
        QTest::mouseClick(v.w<QRadioButton>("alarmtype1"), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(v.w<QLineEdit>("EditYear")->text(), QStringLiteral("2026"));
        QCOMPARE(v.w<QLineEdit>("EditDay")->text(), QStringLiteral("4"));
        const struct {
            const char* box;
            const char* value;
            const char* message;
        } checks[] = {
            {"EditYear", "27", "År er forkert.\nDer skal anføres 4 cifre."},
            {"EditYear", "2027", nullptr},
            {"EditMonth", "2", nullptr},
            {"EditDay", "29", "Dag er forkert.\nFebruar 2027 har kun 28 dage."},
            {"EditDay", "31", "Dag er forkert.\nFebruar 2027 har kun 28 dage."},
            {"EditDay", "32", "Dag er forkert.\nVærdien skal være mellem 1 og 31 begge medregnet."},
            {"EditDay", "", "Dag er forkert.\nVærdien skal være mellem 1 og 31 begge medregnet."},
            {"EditDay", "28", nullptr},
            {"EditMonth", "13",
             "Måned er forkert.\nVærdien skal være mellem 1 og 12 begge medregnet."},
            {"EditMonth", "2", nullptr},
            {"EditTime", "ab",
             "Time er forkert.\nVærdien skal være mellem 0 og 23 begge medregnet.\nMidnat hører "
             "til den nye dag, altså \nTime: 0 Minut: 0"},
            {"EditTime", "24",
             "Time er forkert.\nVærdien skal være mellem 0 og 23 begge medregnet.\nMidnat hører "
             "til den nye dag, altså \nTime: 0 Minut: 0"},
            {"EditTime", "0", nullptr},
            {"EditMinut", "60",
             "Minut er forkert.\nVærdien skal være mellem 0 og 59 begge medregnet."},
            {"EditMinut", "0", nullptr},
            {"EditGentagelse", "17",
             "Gentagelse er forkert.\nVærdien skal være mellem 1 og 16 begge medregnet."},
            {"EditGentagelse", "0",
             "Gentagelse er forkert.\nVærdien skal være mellem 1 og 16 begge medregnet."},
        };
        for (const auto& check : checks) {
            v.skriv(check.box, QString::fromUtf8(check.value));
            if (!check.message)
                continue;
            env.prompter().expectMessage(QString::fromUtf8(check.message));
            v.click("sbGemAlarm");
            QCOMPARE(env.prompter().pending(), 0);
        }
        QCOMPARE(Alarmer::laesAlle(f).size(), 1);
        // The arrows keep the repetitions within 1-16.
        v.skriv("EditGentagelse", QStringLiteral("15"));
        v.click("UpDownOp");
        v.click("UpDownOp");
        QCOMPARE(v.w<QLineEdit>("EditGentagelse")->text(), QStringLiteral("16"));
        v.click("sbGemAlarm");
        QVERIFY(Platform::files().exists(f.alarmDir + QStringLiteral("2027-02-28-00-00.txt")));

        // A yearly alarm on 29 February is allowed.
        QTest::mouseClick(v.w<QRadioButton>("alarmtype2"), Qt::LeftButton, {}, QPoint(6, 8));
        QCOMPARE(v.w<QLineEdit>("EditYear")->text(), QStringLiteral("3016"));
        QVERIFY(!v.w("EditYear")->isEnabled());
        v.skriv("EditMonth", QStringLiteral("2"));
        v.skriv("EditDay", QStringLiteral("29"));
        v.skriv("EditOverskrift", QStringLiteral("Skuddag"));
        v.click("sbGemAlarm");
        QVERIFY(Platform::files().exists(f.alarmDir + QStringLiteral("3016-02-29-09-08.txt")));
        QCOMPARE(Alarmer::laesAlle(f).size(), 3);

        // The test button plays the chosen sound once, without waiting.
        v.w<QComboBox>("cbLydfiler")->setCurrentIndex(12);
        QCOMPARE(v.host.options.alarmLydIndex, 12);
        v.click("sbSide4Play");
        const FakeMediaPlayer* spiller = nullptr;
        for (const auto& p : env.mediaPlayers())
            if (p && p->plays() > 0 && p->path().endsWith(QStringLiteral("Zylo.wav")))
                spiller = p;
        QVERIFY(spiller);
        QCOMPARE(spiller->loops(), 1);
    }

    void editingReplacesAndDeleting() {
        TestEnvironment env;
        Vindue v(env, at(2026, 5, 4, 9, 0));
        const DataFolders& f = v.host.folders;
        const QString gammel =
            skriv(f, QStringLiteral("2026"), 5, 4, 10, 30, 1, QStringLiteral("Tandlæge"));
        v.aktive.hentAlarmer();
        v.form->visSide(Tkalenderform::SideAlarmer);
        auto* box = v.w<QTableWidget>("alarmBox");
        QCOMPARE(v.w<QLabel>("LabelOverskrift")->text(), QStringLiteral("Aktive alarmer"));
        QCOMPARE(box->rowCount(), 1);
        QVERIFY(!v.w("sbRedigerValgte")->isEnabled());
        v.click("sbUdskrivAlle");
        QCOMPARE(v.w<QLabel>("LabelOverskrift")->text(), QStringLiteral("Alle alarmer"));
        QCOMPARE(box->item(0, 1)->text(), QStringLiteral("04-05-2026"));
        QCOMPARE(box->item(0, 2)->text(), QStringLiteral("10:30"));
        QCOMPARE(box->item(0, 3)->text(), QStringLiteral("Tandlæge"));
        env.prompter().expectMessage(QStringLiteral("Vælg alarm, der skal redigeres."));
        v.click("sbRedigerValgte");
        env.prompter().expectMessage(QStringLiteral("Vælg alarm, der skal slettes."));
        v.click("sbSletValgte");

        v.klikRaekke(0);
        v.click("sbRedigerValgte");
        QCOMPARE(v.w<QTabWidget>("Bog")->currentIndex(), int(Tkalenderform::SideNyAlarm));
        QVERIFY(v.w<QRadioButton>("alarmtype1")->isChecked());
        QCOMPARE(v.w<QLineEdit>("EditMinut")->text(), QStringLiteral("30"));
        QCOMPARE(v.w<QPlainTextEdit>("alarmMemo")->toPlainText(), QStringLiteral("Tandlæge i dag"));
        QCOMPARE(v.w<QComboBox>("cbLydfiler")->currentText(), QStringLiteral("Melodi"));
        QCOMPARE(v.host.options.alarmLydIndex, 0);
        QVERIFY(!v.w("sbGemAlarm")->isEnabled());
        v.skriv("EditMinut", QStringLiteral("45"));
        v.click("sbGemAlarm");
        // The moved alarm replaces the old pair: it fires once, at its new time.
        QVERIFY(!Platform::files().exists(f.alarmDir + gammel));
        QVERIFY(!Platform::files().exists(f.alarmTekster + gammel));
        const QString ny = QStringLiteral("2026-05-04-10-45.txt");
        QVERIFY(Platform::files().exists(f.alarmTekster + ny));
        QCOMPARE(v.aktive.alarm().size(), 1);
        QCOMPARE(v.aktive.alarm().first().navn, ny);
        // Saving it again unchanged asks nothing.
        v.skriv("EditOverskrift", QStringLiteral("Tandlæge kl. 10.45"));
        v.click("sbGemAlarm");
        QCOMPARE(box->item(0, 3)->text(), QStringLiteral("Tandlæge kl. 10.45"));

        v.form->visSide(Tkalenderform::SideAlarmer);
        v.klikRaekke(0);
        env.prompter().answer(false);
        v.click("sbSletValgte");
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Skal alarmen\nTandlæge kl. 10.45\nslettes?"));
        QVERIFY(Platform::files().exists(f.alarmDir + ny));
        v.klikRaekke(0);
        env.prompter().answer(true);
        v.click("sbSletValgte");
        QVERIFY(!Platform::files().exists(f.alarmDir + ny));
        QVERIFY(!Platform::files().exists(f.alarmTekster + ny));
        QCOMPARE(box->rowCount(), 0);
        QCOMPARE(v.aktive.caption(), QStringLiteral("0 aktive alarmer"));

        // An alarm whose text went missing cannot be edited.
        const QString uden = skriv(f, QStringLiteral("0000"), 0, 0, 7, 0, 0);
        QVERIFY(Platform::files().removeFile(f.alarmTekster + uden));
        v.click("sbUdskrivAktive");
        QVERIFY(!v.w("sbUdskrivAktive")->isEnabled());
        v.click("sbUdskrivAlle");
        v.klikRaekke(0);
        env.prompter().expectMessage(
            QStringLiteral("Der mangler en eller flere filer.\nSlet alarmen og opret en ny."));
        // A double click on the row edits it too.
        const QPoint row = box->visualRect(box->model()->index(0, 1)).center();
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, row);
    }

    // The list shown follows the alarms as they fire, in either mode, keeping the selection.
    void firedAlarmsLeaveTheList() {
        TestEnvironment env;
        Vindue v(env, at(2026, 5, 4, 9, 0));
        const DataFolders& f = v.host.folders;
        skriv(f, QStringLiteral("2026"), 5, 4, 9, 1, 1, QStringLiteral("Første"));
        const QString anden =
            skriv(f, QStringLiteral("2026"), 5, 4, 9, 2, 1, QStringLiteral("Anden"));
        skriv(f, QStringLiteral("0000"), 0, 0, 10, 0, 0, QStringLiteral("Daglig"));
        v.aktive.hentAlarmer();
        v.form->visSide(Tkalenderform::SideAlarmer);
        auto* box = v.w<QTableWidget>("alarmBox");
        QCOMPARE(box->rowCount(), 3);

        env.clock().set(at(2026, 5, 4, 9, 1));
        v.aktive.alarmTimerTimer();
        v.alarmform.close();
        QCOMPARE(box->rowCount(), 2);
        QCOMPARE(box->item(0, 3)->text(), QStringLiteral("Anden"));
        QCOMPARE(v.aktive.caption(), QStringLiteral("2 aktive alarmer"));

        v.click("sbUdskrivAlle");
        QCOMPARE(box->rowCount(), 2);
        QCOMPARE(box->item(0, 3)->text(), QStringLiteral("Daglig"));
        v.klikRaekke(0);
        env.clock().set(at(2026, 5, 4, 9, 2));
        v.aktive.alarmTimerTimer();
        v.alarmform.close();
        QVERIFY(!Platform::files().exists(f.alarmDir + anden));
        QCOMPARE(box->rowCount(), 1);
        QCOMPARE(box->item(0, 3)->text(), QStringLiteral("Daglig"));
        v.click("sbRedigerValgte");
        QCOMPARE(v.w<QTabWidget>("Bog")->currentIndex(), int(Tkalenderform::SideNyAlarm));
        QCOMPARE(v.w<QLineEdit>("EditTime")->text(), QStringLiteral("10"));

        v.form->visSide(Tkalenderform::SideAlarmer);
        v.click("sbUdskrivAktive");
        env.clock().set(at(2026, 5, 4, 10, 0));
        v.aktive.alarmTimerTimer();
        v.alarmform.close();
        QCOMPARE(box->rowCount(), 0);
        QCOMPARE(v.aktive.caption(), QStringLiteral("Ingen alarmer"));
    }

    void theRepetitionArrowsSitBesideTheirBox() {
        TestEnvironment env;
        Vindue v(env, at(2026, 5, 4, 9, 0));
        v.form->visSide(Tkalenderform::SideNyAlarm);
        QCoreApplication::processEvents();
        const QWidget* boks = v.w("EditGentagelse");
        const QWidget* op = v.w("UpDownOp");
        const QWidget* ned = v.w("UpDownNed");
        QVERIFY(op->x() > boks->geometry().right());
        QVERIFY(op->x() - boks->geometry().right() <= 4);
        QVERIFY(ned->x() - op->geometry().right() <= 4);
    }

    void rememberedPlace() {
        TestEnvironment env;
        TestHost host;
        mapper(env, host.folders);
        Talarmform alarmform(host);
        AktiveAlarmer aktive(host, [&]() -> Talarmform& { return alarmform; });
        const QString fil = host.folders.optDir + QStringLiteral("kalender.txt");
        env.writeFile(fil, "ikke et tal\r\n");
        Tkalenderform damaged(host, aktive);
        // Numbers at the ends of int still give a window on the screen.
        env.writeFile(fil, "2147483647\r\n-2147483648\r\n");
        Tkalenderform kant(host, aktive);
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(kant.pos()));
        env.writeFile(fil, "45\r\n123\r\n");
        Tkalenderform form(host, aktive);
        QCOMPARE(form.pos(), QPoint(123, 45));
        form.show();
        form.move(150, 60);
        form.close();
        QStringList lines;
        QVERIFY(TextFile::read(fil, lines));
        QCOMPARE(lines, QStringList({QString::number(form.y()), QString::number(form.x())}));
    }
};

RAVNSTI_TEST_MAIN(TestKalenderform)
#include "tst_kalenderform.moc"
