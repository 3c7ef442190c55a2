#include "app/commandtable.h"
#include "app/dokumentomraade.h"
#include "app/mainform.h"
#include "app/reopencommands.h"
#include "editor/dokument.h"
#include "editor/twinform.h"
#include "engine/handlinger.h"
#include "engine/strukturitem.h"
#include "engine/strukturvisning.h"
#include "engine/tekstsoegning.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "lists/reopenfiler.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabBar>

namespace {

QStringList faner(const Tmainform& form) {
    QStringList tekster;
    const QTabBar* tc = form.dokumenter().tc();
    for (int i = 0; i < tc->count(); ++i)
        tekster.append(tc->tabText(i));
    return tekster;
}

bool filomraadeVist(const Tmainform& form) {
    return form.findChild<QWidget*>(QStringLiteral("PanelRight"))->isVisible();
}

void skriv(Twinform* vindue, const QString& tekst) {
    vindue->infoTekst()->setFocus();
    QTest::keyClicks(vindue->infoTekst(), tekst);
}

// Selects a file in the file pane as a click would.
void vaelgFil(Tmainform& form, const QString& fil) {
    THandlinger& funk = form.funk();
    funk.setAktiveStruktur(2);
    funk.makeStruktur2(fil.left(fil.lastIndexOf(QLatin1Char('\\'))), true);
    StrukturVisning* pane = funk.Struktur2();
    for (int i = 0; i < pane->topLevelItemCount(); ++i)
        if (pane->topLevelItem(i)->rec.filnavn == fil)
            pane->setCurrentItem(pane->topLevelItem(i));
    funk.infoStruktur2();
}

} // namespace

class TestDokumentomraade : public QObject {
    Q_OBJECT

private slots:
    // New documents get numbered tabs, the document view hides the file area and the
    // commands that need it; closing the last document brings the file view back.
    void fanerOgVisninger() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        QVERIFY(!form.dokumenter().tc()->isVisible());
        form.m_dokumentExt = QStringLiteral(".txt");
        form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
        QVERIFY(form.m_dokumentExt.isEmpty());
        form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
        QCOMPARE(faner(form), (QStringList{QStringLiteral("1: Uden navn (.txt)"),
                                           QStringLiteral("2: Uden navn (.txt)")}));
        QCOMPARE(form.dokumenter().tc()->currentIndex(), 1);
        QVERIFY(form.dokumenter().tc()->isVisible());
        QVERIFY(!filomraadeVist(form));
        form.commands().evaluate();
        QVERIFY(!form.commands()(QStringLiteral("aNyMappe"))->isEnabled());
        QVERIFY(form.commands()(QStringLiteral("aLukAlle"))->isEnabled());

        // Clicking the path tabs shows the file area; the document tabs bring the documents.
        QTabBar* sti = form.findChild<QTabBar*>(QStringLiteral("stibox"));
        QTest::mouseClick(sti, Qt::LeftButton, {}, sti->tabRect(0).center());
        QVERIFY(filomraadeVist(form));
        QTabBar* tc = form.dokumenter().tc();
        QTest::mouseClick(tc, Qt::LeftButton, {}, tc->tabRect(0).center());
        QVERIFY(!filomraadeVist(form));
        QCOMPARE(form.dokumenter().aktivt()->CapNavn, QStringLiteral("1: Uden navn (.txt)"));

        form.commands()(QStringLiteral("aLuk"))->trigger();
        QCOMPARE(faner(form), QStringList{QStringLiteral("2: Uden navn (.txt)")});
        form.commands()(QStringLiteral("aLuk"))->trigger();
        QCOMPARE(form.documentCount(), 0);
        QVERIFY(filomraadeVist(form));
        QVERIFY(!tc->isVisible());
        form.commands().evaluate();
        QVERIFY(form.commands()(QStringLiteral("aNyMappe"))->isEnabled());
    }

    // The same file opened again, by its path or through a link to it, brings its window
    // to the front; the number does not change. Opened files go into "Seneste filer".
    void sammeFilToGange() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("C:\\t\\a.txt"), "a");
        QVERIFY(QFile::link(env.host(QStringLiteral("C:\\t\\a.txt")),
                            env.host(QStringLiteral("C:\\t\\link.txt"))));
        Tmainform form;
        form.show();
        form.OpenFilIEditor(QStringLiteral("C:\\t\\a.txt"));
        form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
        QCOMPARE(form.dokumenter().aktivt()->winNo, 2);
        form.OpenFilIEditor(QStringLiteral("C:\\t\\a.txt"));
        form.OpenFilIEditor(QStringLiteral("C:\\t\\link.txt"));
        QCOMPARE(form.documentCount(), 2);
        QCOMPARE(form.NewCount, 2);
        QCOMPARE(form.dokumenter().aktivt()->CapNavn, QStringLiteral("1: a.txt"));
        QCOMPARE(form.dokumenter().tc()->currentIndex(), 0);
        QCOMPARE(form.reopen().ReopenFiler().GetCaption(0), QStringLiteral("a.txt"));
        // The documents in window order, by file or caption.
        const QList<AabentDokument> aabne = form.aabneDokumenter();
        QCOMPARE(aabne.size(), 2);
        QCOMPARE(aabne.at(0).navn, QStringLiteral("C:\\t\\a.txt"));
        QCOMPARE(aabne.at(1).navn, QStringLiteral("Uden navn (.txt)"));
    }

    // "Luk alle" asks each window; one that refuses stays and the others still close.
    void lukAlleMedEnDerNaegter() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        for (int i = 0; i < 3; ++i) {
            form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
            skriv(form.dokumenter().aktivt(), QStringLiteral("tekst"));
        }
        env.prompter().answer(true);
        env.prompter().answer(false);
        env.prompter().answer(true);
        form.commands().evaluate();
        form.commands()(QStringLiteral("aLukAlle"))->trigger();
        QCOMPARE(faner(form), QStringList{QStringLiteral("2: Uden navn (.txt)")});
        QVERIFY(form.dokumenter().aktivt()->dontClose);
        QCOMPARE(env.prompter().pending(), 0);

        // Closing the program asks the documents; keeping one keeps the program open.
        env.prompter().answer(false);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        QCOMPARE(form.documentCount(), 1);
        env.prompter().answer(true);
        QVERIFY(form.close());
    }

    // "Rediger tekstdokument" on a type nobody knows asks first.
    void redigerUkendtType() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("C:\\t\\x.log"), "log");
        Tmainform form;
        form.show();
        vaelgFil(form, QStringLiteral("C:\\t\\x.log"));
        QAction* rediger = form.commands()(QStringLiteral("aRedigerHtml"));
        form.commands().evaluate();
        QVERIFY(rediger->isEnabled());
        env.prompter().answer(false);
        rediger->trigger();
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Filtypen er ukendt.\nEr det en tekstfil, der kan åbnes til "
                                "redigering?"));
        QCOMPARE(form.documentCount(), 0);
        QVERIFY(filomraadeVist(form));
        env.prompter().answer(true);
        rediger->trigger();
        QCOMPARE(faner(form), QStringList{QStringLiteral("1: x.log")});
    }

    // While a document has the focus its keys are its own: Ctrl+S saves it.
    void dokumentetsTaster() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        env.writeFile(QStringLiteral("C:\\t\\b.txt"), "b");
        Tmainform form;
        form.show();
        QApplication::setActiveWindow(&form);
        form.OpenFilIEditor(QStringLiteral("C:\\t\\b.txt"));
        Twinform* vindue = form.dokumenter().aktivt();
        skriv(vindue, QStringLiteral("a"));
        QSignalSpy mappe(form.commands()(QStringLiteral("aOpenAktuelleMappe")),
                         &QAction::triggered);
        QTest::keyClick(vindue->infoTekst(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(env.readFile(QStringLiteral("C:\\t\\b.txt")), QByteArray("ab"));
        QCOMPARE(mappe.size(), 0);
    }

    // A text search hit in an open document without a file selects the hit.
    void visTekstFund() {
        TestEnvironment env;
        NamedUser::useDataRoot(env);
        Tmainform form;
        form.show();
        form.openwin(QStringLiteral("Uden navn (.txt)"), QString());
        skriv(form.dokumenter().aktivt(), QStringLiteral("find mig her"));
        QVERIFY(form.visTekstFund({QStringLiteral("Uden navn (.txt)"), 5, {}}, 3, true));
        QCOMPARE(form.dokumenter().aktivt()->plainTekst()->textCursor().selectedText(),
                 QStringLiteral("mig"));
        QVERIFY(!form.visTekstFund({QStringLiteral("C:\\ingen.txt"), 0, {}}, 1, false));
    }
};

RAVNSTI_TEST_MAIN(TestDokumentomraade)
#include "tst_dokumentomraade.moc"
