#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "shared/aboutbox.h"
#include "shared/extform.h"
#include "shared/fileexistsform.h"
#include "shared/kopieringsform.h"
#include "shared/progressform.h"
#include "shared/spmform.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTimer>

namespace {

// Runs `action` as soon as the dialog's own event loop runs (call exec() right after). A
// dialog that `action` did not close is ended with the result -1, so that a broken button
// fails the test instead of hanging it.
template <class Action> void whenOpen(QDialog& dialog, Action action) {
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        action();
        if (dialog.isVisible())
            dialog.done(-1);
    });
}

void click(const QWidget& dialog, const char* button) {
    QTest::mouseClick(child<QPushButton>(dialog, button), Qt::LeftButton);
}

// Clicks a radio button on its indicator (its middle may lie beyond the label).
void choose(QRadioButton* choice) {
    QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
}

// Shows a window non-modally and makes it the active one, so that keys go to its focus.
void showActive(QWidget& window) {
    window.show();
    QApplication::setActiveWindow(&window);
}

QStringList items(const QWidget& dialog, const char* list) {
    QStringList texts;
    const auto* box = child<QListWidget>(dialog, list);
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->item(i)->text());
    return texts;
}

QString text(const QWidget& dialog, const char* name) {
    const QWidget* widget = child(dialog, name);
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return qobject_cast<const QLineEdit*>(widget)->text();
}

} // namespace

class TestSharedDialogs : public QObject {
    Q_OBJECT

private slots:
    void questionBoxAnswers() {
        TestEnvironment env;
        TspmForm form;
        const auto* info = child<QPlainTextEdit>(form, "info");

        whenOpen(form, [&] { click(form, "okButton"); });
        QVERIFY(form.ask({QString(), QStringLiteral("Mappen eksisterer."),
                          QStringLiteral("Skal alle elementer overskrives?")}));
        QCOMPARE(info->toPlainText(),
                 QStringLiteral("\nMappen eksisterer.\nSkal alle elementer overskrives?"));

        whenOpen(form, [&] { click(form, "cancelButton"); });
        QVERIFY(!form.ask({QStringLiteral("Skal alarmen"), QStringLiteral("slettes?")}));
        QCOMPARE(info->toPlainText(), QStringLiteral("Skal alarmen\nslettes?"));

        // The title bar's close button answers "no".
        whenOpen(form, [&] { form.close(); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
    }

    void questionTextOutOfTabOrder() {
        TestEnvironment env;
        TspmForm form;
        form.setLines({QStringLiteral("Skal filerne overskrives?")});
        showActive(form);
        QWidget* ja = child(form, "okButton");
        ja->setFocus();
        QCOMPARE(QApplication::focusWidget(), ja);
        QSet<QWidget*> reached;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        QCOMPARE(reached, (QSet<QWidget*>{ja, child(form, "cancelButton")}));
    }

    void existingFilesCountSentence() {
        TestEnvironment env;
        TfileExistsForm form;
        const auto* sentence = child<QLabel>(form, "filinfoLabel");
        form.setNames({QStringLiteral("a.txt")});
        QCOMPARE(sentence->text(), QStringLiteral("Der eksisterer 1 fil med samme navn."));

        QStringList fourteen;
        for (int i = 1; i <= 14; ++i)
            fourteen.append(QStringLiteral("billede%1.jpg").arg(i));
        form.setNames(fourteen);
        QCOMPARE(sentence->text(), QStringLiteral("Der eksisterer 14 filer med samme navn."));

        // A caller that fills the list itself still gets the right sentence when shown.
        auto* fileBox = child<QListWidget>(form, "fileBox");
        fileBox->clear();
        fileBox->addItem(QStringLiteral("b.txt"));
        whenOpen(form, [&] { click(form, "okButton"); });
        form.exec();
        QCOMPARE(sentence->text(), QStringLiteral("Der eksisterer 1 fil med samme navn."));
    }

    void existingFilesChoiceStartsAtFirstEachTime() {
        TestEnvironment env;
        TfileExistsForm form;
        form.setNames({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
        const QList<QRadioButton*> choices =
            child(form, "resultBox")->findChildren<QRadioButton*>();
        QCOMPARE(choices.size(), 4);

        // Whatever the last caller chose, the next showing starts at "Overskriv ingen".
        for (const int chosen : {2, 3}) {
            int shownWith = -1;
            whenOpen(form, [&] {
                shownWith = form.choice();
                choose(choices.at(chosen));
                click(form, "okButton");
            });
            QCOMPARE(form.exec(), int(QDialog::Accepted));
            QCOMPARE(shownWith, 0);
            QCOMPARE(form.choice(), chosen);
        }
    }

    void confirmationShowsOnlyTheLatestCall() {
        TestEnvironment env;
        Tkopieringsform form;
        form.setCaption(QStringLiteral("Sletning af elementer"));
        form.setQuestion(QStringLiteral("Skal valgte elementer Slettes?"));
        form.setSource(QStringLiteral("D:\\Fotos"));
        form.setDestination(QStringLiteral("Papirkurv"));
        form.setLists({QStringLiteral("a.jpg"), QStringLiteral("b.jpg")},
                      {QStringLiteral("2019"), QStringLiteral("2020")});
        whenOpen(form, [&] { click(form, "cancelButton"); });
        QCOMPARE(form.exec(), int(QDialog::Rejected));

        // The next caller fills only what it has: a copy of one file and no folders.
        form.clear();
        QCOMPARE(form.windowTitle(), QStringLiteral("Kopiering/Flytning/Sletning"));
        QCOMPARE(text(form, "LabelSpm"), QStringLiteral("Skal angivne elementer kopieres?"));
        form.setSource(QStringLiteral("C:\\Dokumenter"));
        form.setDestination(QStringLiteral("D:\\"));
        form.setLists({QStringLiteral("brev.txt")}, {});
        QStringList files, folders;
        whenOpen(form, [&] {
            files = items(form, "filBox");
            folders = items(form, "mappeBox");
            click(form, "okButton");
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(files, QStringList{QStringLiteral("brev.txt")});
        QVERIFY(folders.isEmpty());
        QCOMPARE(text(form, "Editsource"), QStringLiteral("C:\\Dokumenter"));
        QCOMPARE(text(form, "EditDest"), QStringLiteral("D:\\"));
    }

    void progressBarsStayInRange() {
        TestEnvironment env;
        Tprogressform form;
        auto* counting = child<QProgressBar>(form, "pBarAktiv");
        // Counting more folders than the bar was sized for fills it.
        form.setCountRange(2);
        form.setCounted(5);
        QCOMPARE(counting->value(), 2);
        // Pasting files only: no folders to count, an empty bar, never a busy indicator.
        form.setCountRange(0);
        QCOMPARE(counting->value(), 0);
        QVERIFY(counting->maximum() > 0);
        form.setCounted(100);
        QCOMPARE(counting->value(), counting->maximum());

        form.setFileProgress(140);
        QCOMPARE(child<QProgressBar>(form, "pBar")->value(), 100);

        // A new operation starts from the texts the window was made with.
        form.setInfo(QStringLiteral("Der slettes 3 elementer: 12 bytes"));
        form.setProcent(37);
        form.setAllProgress(37);
        form.setSletInfo(true);
        form.clear();
        QCOMPARE(text(form, "LabelInfo"), QStringLiteral("Kopierings information"));
        QCOMPARE(text(form, "LabelProcent"), QStringLiteral("0%"));
        QCOMPARE(text(form, "LabelSletInfo"), QString());
        QCOMPARE(child<QProgressBar>(form, "pBarAll")->value(), 0);
        QCOMPARE(child<QProgressBar>(form, "pBar")->value(), 0);
    }

    void fileTypeEnterMovesToOmdoebFirst() {
        TestEnvironment env;
        TextForm form;
        form.setFolder(QStringLiteral("D:\\Fotos"));
        form.setOldType(QStringLiteral(".jpeg"));
        QWidget* atStart = nullptr;
        QWidget* afterFirstEnter = nullptr;
        bool openAfterFirstEnter = false;
        whenOpen(form, [&] {
            QApplication::setActiveWindow(&form);
            atStart = QApplication::focusWidget();
            if (!atStart)
                return;
            QTest::keyClicks(atStart, QStringLiteral(".jpg"));
            QTest::keyClick(atStart, Qt::Key_Return);
            openAfterFirstEnter = form.isVisible();
            afterFirstEnter = QApplication::focusWidget();
            if (afterFirstEnter)
                QTest::keyClick(afterFirstEnter, Qt::Key_Return);
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(atStart, child(form, "newEdit"));
        QVERIFY(openAfterFirstEnter);
        QCOMPARE(afterFirstEnter, child(form, "okKnap"));
        QCOMPARE(form.newType(), QStringLiteral(".jpg"));

        // The next use starts empty, in the new type's box again.
        form.clear();
        whenOpen(form, [&] {
            atStart = QApplication::focusWidget();
            click(form, "annullerKnap");
        });
        QCOMPARE(form.exec(), int(QDialog::Rejected));
        QCOMPARE(atStart, child(form, "newEdit"));
        QVERIFY(form.newType().isEmpty());
    }

    void aboutBoxClosesWithLuk() {
        TestEnvironment env;
        TAboutBox about;
        showActive(about);
        QVERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!about.isVisible());
    }

    void windowsCentreOnTheMainWindowEachTime() {
        TestEnvironment env;
        QWidget mainWindow;
        mainWindow.setGeometry(100, 80, 900, 700);
        mainWindow.show();
        TspmForm spm(&mainWindow);
        Tkopieringsform kopiering(&mainWindow);
        TfileExistsForm fileExists(&mainWindow);
        Tprogressform progress(&mainWindow);
        TextForm ext(&mainWindow);
        TAboutBox about(&mainWindow);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&spm, &kopiering, &fileExists,
                                                               &progress, &ext, &about}) {
            for (const QPoint& corner : {QPoint(100, 80), QPoint(420, 260)}) {
                mainWindow.move(corner);
                dialog->show();
                const QPoint offset =
                    dialog->frameGeometry().center() - mainWindow.frameGeometry().center();
                QVERIFY2(offset.manhattanLength() <= 2, qPrintable(dialog->objectName()));
                dialog->hide();
            }
        }
    }
};

RAVNSTI_TEST_MAIN(TestSharedDialogs)
#include "tst_shareddialogs.moc"
