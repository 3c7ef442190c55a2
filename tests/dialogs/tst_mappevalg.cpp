#include "dialogs/folderbrowser.h"
#include "dialogs/folderdialog.h"
#include "dialogs/mappeform.h"
#include "dialogs/stiform.h"
#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

QString stierFil(const TestHost& h) {
    return h.mapper().optDir + QStringLiteral("mappeStier.txt");
}

// Double-clicks the row of the folder list that shows this text (indentation aside).
void aabn(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchEndsWith);
    QVERIFY(!found.isEmpty());
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestMappevalg : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { TFolderDialog::setBrowser({}); }

    void folderDialogStartsOnAFolderAndKeepsItOnCancel() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Fotos"));
        env.writeFile(QStringLiteral("D:\\Fotos\\a.jpg"), "x");
        QDir::setCurrent(env.host(QStringLiteral("D:\\Fotos")));
        TFolderDialog dia(nullptr);
        QCOMPARE(dia.Caption, QStringLiteral("Vælg mappe"));
        QString startet;
        TFolderDialog::setBrowser([&](const TFolderDialog& d) -> std::optional<QString> {
            startet = d.Directory;
            return std::nullopt;
        });
        dia.Directory = QStringLiteral("D:\\Fotos\\a.jpg");
        QVERIFY(!dia.Execute());
        QCOMPARE(startet, QStringLiteral("D:\\Fotos")); // a file: the current folder
        QCOMPARE(dia.Directory, QStringLiteral("D:\\Fotos"));
        TFolderDialog::setBrowser([](const TFolderDialog&) { return QStringLiteral("C:"); });
        QVERIFY(dia.Execute());
        QCOMPARE(dia.Directory, QStringLiteral("C:"));
    }

    void browserShowsDrivesAndTakesATypedPath() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Fotos\\2020"));
        FolderBrowser browser(nullptr, QStringLiteral("Vælg en mappe"), true);
        browser.preselect(QStringLiteral("d:\\fotos\\2020"));
        auto* tree = child<QTreeWidget>(browser, "mappeTrae");
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("2020"));
        auto* edit = child<QLineEdit>(browser, "mappeEdit");
        QCOMPARE(edit->text(), QStringLiteral("D:\\Fotos\\2020"));
        browser.show();
        edit->setText(QStringLiteral("D:\\Findes ikke"));
        env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(browser.isVisible());
        edit->setText(QStringLiteral("D:\\Fotos\\"));
        QTest::mouseClick(child<QPushButton>(browser, "okKnap"), Qt::LeftButton);
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QCOMPARE(browser.valgt(), QStringLiteral("D:\\Fotos"));
    }

    void destinationWindowWalksFoldersAndRefusesAVanishedOne() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Arkiv\\Gammelt"));
        TestHost h;
        env.makeFolder(h.mapper().optDir);
        Tmappeform form(h);
        QCOMPARE(child<QLineEdit>(form, "EditDest")->text(), QStringLiteral("C:\\"));
        form.visMappe(QStringLiteral("D:"));
        auto* list = child<QListWidget>(form, "DirBox");
        aabn(list, QStringLiteral("Arkiv"));
        aabn(list, QStringLiteral("Gammelt"));
        QCOMPARE(form.destination(), QStringLiteral("D:\\Arkiv\\Gammelt"));
        aabn(list, QStringLiteral("D:\\")); // back up the chain
        QCOMPARE(child<QLineEdit>(form, "EditDest")->text(), QStringLiteral("D:\\"));
        form.visMappe(QStringLiteral("D:\\Arkiv\\Gammelt"));

        QTimer::singleShot(0, &form, [&] {
            QDir(env.host(QStringLiteral("D:\\Arkiv\\Gammelt"))).removeRecursively();
            env.prompter().expectMessage(QStringLiteral("Mappen blev ikke fundet."));
            QTest::mouseClick(child<QPushButton>(form, "okKnap"), Qt::LeftButton);
        });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QCOMPARE(env.prompter().pending(), 0);
        // Its size is kept; a damaged size file gives the designed one.
        QVERIFY(QFile::exists(env.host(h.mapper().optDir + QStringLiteral("mappeform.txt"))));
        env.writeFile(h.mapper().optDir + QStringLiteral("mappeform.txt"), "bred\r\n-3\r\n");
        Tmappeform igen(h);
        QCOMPARE(igen.size(), QSize(246, 419));
        QCOMPARE(env.prompter().shown().size(), 1);
    }

    // At its designed size every tool button shows, and the highlight the keys move is the
    // destination.
    void destinationWindowShowsEveryButtonAndFollowsTheKeys() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Arkiv"));
        env.makeFolder(QStringLiteral("D:\\Breve"));
        TestHost h;
        env.makeFolder(h.mapper().optDir);
        Tmappeform form(h);
        form.show();
        QCoreApplication::processEvents();
        QCOMPARE(form.size(), QSize(246, 419));
        const QList<QToolBar*> bars = form.findChildren<QToolBar*>();
        int knapper = 0;
        for (const QToolBar* bar : bars) {
            QVERIFY(!child<QToolButton>(*bar, "qt_toolbar_ext_button")->isVisible());
            for (QAction* action : bar->actions()) {
                const QWidget* knap = bar->widgetForAction(action);
                QVERIFY2(knap && knap->isVisible(), qPrintable(action->objectName()));
                QVERIFY(form.rect().contains(QRect(knap->mapTo(&form, QPoint()), knap->size())));
                ++knapper;
            }
        }
        QCOMPARE(knapper, 9);

        form.visMappe(QStringLiteral("D:"));
        auto* list = child<QListWidget>(form, "DirBox");
        auto* dest = child<QLineEdit>(form, "EditDest");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(dest->text(), QStringLiteral("D:\\Arkiv"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(form.destination(), QStringLiteral("D:\\Breve"));
        QTest::keyClick(list, Qt::Key_Home);
        QCOMPARE(dest->text(), QStringLiteral("D:\\"));
        form.reject();
    }

    void personalFoldersKeepOnlyExistingFolders() {
        TestEnvironment env;
        TestHost h;
        env.makeFolder(h.mapper().optDir);
        env.makeFolder(QStringLiteral("D:\\Musik"));
        env.makeFolder(QStringLiteral("D:\\Billeder"));
        // A short, damaged file gives what it has and the defaults for the rest.
        env.writeFile(stierFil(h), "C:\\\r\nC:\\\r\n\xff\r\nD:\\Musik\r\n");
        Tstiform::hent(h);
        QCOMPARE(h.personligeMapper().stier[3], QStringLiteral("D:\\Musik"));
        QCOMPARE(h.personligeMapper().stier[PersonligeMapper::OneDrive], QString());

        Tstiform form(h);
        form.show();
        auto* musik = child<QLineEdit>(form, "Edit4");
        QCOMPARE(musik->text(), QStringLiteral("D:\\Musik"));
        musik->setText(QStringLiteral("D:\\Findes ikke"));
        child<QLineEdit>(form, "Edit3")->setText(QStringLiteral("D:\\Billeder\\"));
        QTest::mouseClick(child<QPushButton>(form, "gemKnap"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QStringList lines;
        QVERIFY(TextFile::read(stierFil(h), lines).ok());
        QCOMPARE(lines.size(), 8);
        QCOMPARE(lines.at(2), QStringLiteral("D:\\Billeder"));
        QCOMPARE(lines.at(3), QStringLiteral("D:\\Musik")); // the previous music folder
        QCOMPARE(h.personligeMapper().stier[2], QStringLiteral("D:\\Billeder"));

        // "Annuller" forgets what was typed; a row's button takes the chosen folder.
        form.show();
        TFolderDialog::setBrowser([](const TFolderDialog& d) {
            return d.Directory == QLatin1String("D:\\Musik") ? std::optional(QStringLiteral("D:"))
                                                             : std::nullopt;
        });
        QTest::mouseClick(child<QToolButton>(form, "Knap4"), Qt::LeftButton);
        QCOMPARE(musik->text(), QStringLiteral("D:"));
        QTest::mouseClick(child<QPushButton>(form, "annullerKnap"), Qt::LeftButton);
        form.show();
        QCOMPARE(musik->text(), QStringLiteral("D:\\Musik"));
        QTest::mouseClick(child<QPushButton>(form, "gendanKnap"), Qt::LeftButton);
        QCOMPARE(h.personligeMapper().stier, PersonligeMapper::standard());
        QCOMPARE(env.prompter().shown(), QStringList{});
    }
};

RAVNSTI_TEST_MAIN(TestMappevalg)
#include "tst_mappevalg.moc"
