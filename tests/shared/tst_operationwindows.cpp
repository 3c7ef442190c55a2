#include "harness/testenvironment.h"
#include "shared/fileexistsform.h"
#include "shared/kopieringsform.h"
#include "shared/mainoperationwindows.h"
#include "shared/mainoptions.h"
#include "shared/progressform.h"
#include "shared/spmform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

// The engine's windows on real dialogs, as the main window makes them.
struct Windows {
    Windows() : windows(options, lazyKopiering, lazySpm, lazyExists, lazyProgress) {}
    MainOptions options;
    Tkopieringsform kopiering;
    TspmForm spm;
    TfileExistsForm exists;
    Tprogressform progress;
    LazyWindow<Tkopieringsform> lazyKopiering{[this] { return &kopiering; }};
    LazyWindow<TspmForm> lazySpm{[this] { return &spm; }};
    LazyWindow<TfileExistsForm> lazyExists{[this] { return &exists; }};
    LazyWindow<Tprogressform> lazyProgress{[this] { return &progress; }};
    MainOperationWindows windows;
};

// Clicks the button of that caption in the modal dialog once its event loop runs.
void clickWhenOpen(const QString& caption) {
    QTimer::singleShot(0, [caption] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == caption)
                b->click();
        if (dialog->isVisible())
            static_cast<QDialog*>(dialog)->done(-1);
    });
}

// A maker of dialogs owned by `owner` that notes each one it makes.
template <class Dialog>
std::function<Dialog*()> counted(QWidget& owner, QStringList& made, const char* name) {
    return [&owner, &made, name] {
        made << QLatin1String(name);
        return new Dialog(&owner);
    };
}

} // namespace

class TestOperationWindows : public QObject {
    Q_OBJECT

private slots:
    void optionsAndConfirmation() {
        TestEnvironment env;
        Windows w;
        w.options.AskMove = false;
        w.options.sletTilPapirkurv = false;
        QVERIFY(w.windows.AskInsert() && !w.windows.AskMove() && !w.windows.sletTilPapirkurv());

        Bekraeftelse spm{"Flytning af elementer",
                         "Skal valgte elementer flyttes?",
                         7,
                         "C:\\kilde",
                         "D:\\maal",
                         {"a.txt"},
                         {"sub"}};
        clickWhenOpen("Ja");
        QVERIFY(w.windows.bekraeft(spm));
        QCOMPARE(w.kopiering.windowTitle(), spm.caption);
        QCOMPARE(w.kopiering.findChild<QLabel*>("LabelSpm")->text(), spm.question);
        QCOMPARE(w.kopiering.findChild<QLineEdit*>("Editsource")->text(), spm.source);
        QCOMPARE(w.kopiering.findChild<QLineEdit*>("EditDest")->text(), spm.destination);
        QCOMPARE(w.kopiering.findChild<QListWidget*>("filBox")->item(0)->text(), "a.txt");
        QCOMPARE(w.kopiering.findChild<QListWidget*>("mappeBox")->item(0)->text(), "sub");
        clickWhenOpen("Nej");
        QVERIFY(!w.windows.bekraeft(spm));

        clickWhenOpen("Ja");
        QVERIFY(w.windows.spoerg({"Skal filen", "a.txt", "overskrives?"}));
    }

    void existingFilesChoice() {
        TestEnvironment env;
        Windows w;
        QTimer::singleShot(0, [&w] {
            w.exists.findChildren<QRadioButton*>().at(3)->setChecked(true);
            w.exists.findChild<QPushButton*>("okButton")->click();
        });
        QCOMPARE(w.windows.filerEksisterer({"a.txt", "b.txt"}), 3);
        QTimer::singleShot(0, [&w] { w.exists.reject(); });
        QCOMPARE(w.windows.filerEksisterer({"a.txt", "b.txt"}), -1);
    }

    void progressShowsAndCloses() {
        TestEnvironment env;
        Windows w;
        ProgressVisning v;
        v.info = "Der kopieres 3 filer fra 1 mappe: 2,00 KB";
        v.procent = 40;
        v.alleProcent = 40;
        v.resterende = "2";
        v.sletter = true;
        w.windows.visProgress(v);
        QVERIFY(w.progress.isVisible());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(w.progress.findChild<QLabel*>("LabelInfo")->text(), v.info);
        QCOMPARE(w.progress.findChild<QLabel*>("LabelProcent")->text(), "40%");
        QCOMPARE(w.progress.findChild<QProgressBar*>("pBarAll")->value(), 40);
        QCOMPARE(w.progress.findChild<QLabel*>("LabelSletInfo")->text(), "Sletter mapper/filer...");
        w.windows.visProgress(v); // an update does not stack another cursor

        // The progress window stays on top; a question asked meanwhile must come above it.
        auto onTop = [](const QWidget* window) {
            return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        };
        bool questionOnTop = false;
        QTimer::singleShot(0, [&] {
            questionOnTop = onTop(QApplication::activeModalWidget());
            w.spm.accept();
        });
        QVERIFY(w.windows.spoerg({"Skal filen", "a.txt", "overskrives?"}));
        QVERIFY(questionOnTop);
        QTimer::singleShot(0, [&] {
            questionOnTop = onTop(QApplication::activeModalWidget());
            w.exists.reject();
        });
        QCOMPARE(w.windows.filerEksisterer({"a.txt"}), -1);
        QVERIFY(questionOnTop);
        // Asked without a copy going on, they are ordinary windows again.
        QVERIFY(!onTop(&w.spm) && !onTop(&w.exists));
        w.windows.lukProgress();
        QVERIFY(!w.progress.isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The dialogs are made by the first operation that needs them: asking whether one was
    // cancelled or closing a progress that never showed makes none.
    void dialogsAreMadeWhenFirstNeeded() {
        TestEnvironment env;
        MainOptions options;
        QWidget owner;
        QStringList made;
        LazyWindow<Tkopieringsform> kopiering(counted<Tkopieringsform>(owner, made, "kopiering"));
        LazyWindow<TspmForm> spm(counted<TspmForm>(owner, made, "spm"));
        LazyWindow<TfileExistsForm> exists(counted<TfileExistsForm>(owner, made, "exists"));
        LazyWindow<Tprogressform> progress(counted<Tprogressform>(owner, made, "progress"));
        MainOperationWindows windows(options, kopiering, spm, exists, progress);
        QVERIFY(!windows.annulleret());
        windows.lukProgress();
        QVERIFY(made.isEmpty());

        ProgressVisning v;
        v.info = "Der kopieres 1 fil";
        windows.visProgress(v);
        windows.visProgress(v);
        QCOMPARE(made, QStringList({"progress"}));
        QVERIFY(progress.made()->isVisible());
        QTimer::singleShot(0, [&] { spm->accept(); });
        QVERIFY(windows.spoerg({"Skal filen", "a.txt", "overskrives?"}));
        QCOMPARE(made, QStringList({"progress", "spm"}));
        windows.lukProgress();
        QVERIFY(!progress.made()->isVisible());
        QCOMPARE(owner.findChildren<TspmForm*>().size(), 1);
    }

    // "Annuller" and Esc ask the engine to stop; the window stays until the engine closes
    // it, and the next operation starts with the button ready again.
    void annullerAsksTheEngineToStop() {
        TestEnvironment env;
        Windows w;
        w.windows.visProgress({});
        QVERIFY(!w.windows.annulleret());
        auto* annuller = w.progress.findChild<QPushButton*>("btnAnnuller");
        QTest::mouseClick(annuller, Qt::LeftButton);
        QVERIFY(w.windows.annulleret());
        QVERIFY(w.progress.isVisible());
        QVERIFY(!annuller->isEnabled());
        QCOMPARE(annuller->text(), "Annullerer...");
        w.windows.lukProgress();

        w.windows.visProgress({});
        QVERIFY(!w.windows.annulleret());
        QVERIFY(annuller->isEnabled());
        QTest::keyClick(&w.progress, Qt::Key_Escape);
        QVERIFY(w.windows.annulleret());
        QVERIFY(w.progress.isVisible());
        w.windows.lukProgress();
    }
};

RAVNSTI_TEST_MAIN(TestOperationWindows)
#include "tst_operationwindows.moc"
