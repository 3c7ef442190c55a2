#include "harness/findchild.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "platform/platform.h"
#include "tools/filinfoform.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace {

FilEgenskaber filOf(const QString& path) {
    const auto info = Platform::files().info(path);
    FilEgenskaber f;
    f.filnavn = path;
    f.cbReadOnly = info && info->readOnly;
    f.cbHidden = info && info->hidden;
    return f;
}

} // namespace

class TestFilinfoform : public QObject {
    Q_OBJECT

private slots:
    void pageAndWidth() {
        TestEnvironment env;
        TestHost h;
        Tfilinfoform form(h);
        const QStringList& topics = h.help;
        form.visFil(FilEgenskaber());
        auto* bog = child<QTabWidget>(form, "Bog");
        QCOMPARE(bog->currentIndex(), 0);
        // The tabs cannot change the page the window was given.
        bog->setCurrentIndex(1);
        QCOMPARE(bog->currentIndex(), 0);
        child<QPushButton>(form, "ButtonInfo")->click();
        form.visDrev(DrevEgenskaber());
        QCOMPARE(bog->currentIndex(), 1);
        QCOMPARE(form.windowTitle(), QStringLiteral("Drev egenskaber"));
        child<QPushButton>(form, "ButtonInfo")->click();
        QCOMPARE(topics, QStringList({"Fil", "Drev"}));

        auto* stoerre = child<QToolButton>(form, "ButtonStoerre");
        auto* mindre = child<QToolButton>(form, "ButtonMindre");
        const int start = form.width();
        stoerre->click();
        QCOMPARE(form.width(), start + 140);
        mindre->click();
        QCOMPARE(form.width(), 350);
        QVERIFY(!mindre->isEnabled());
        QVERIFY(stoerre->isEnabled());
        child<QPushButton>(form, "ButtonLuk")->click();
        QVERIFY(!form.isVisible());
    }

    void applyAttributes() {
        TestEnvironment env;
        env.writeFile(QStringLiteral("C:\\a\\beskyttet.txt"), "x");
        const QString path = QStringLiteral("C:\\a\\beskyttet.txt");
        QVERIFY(Platform::files().setReadOnly(path, true));
        TestHost h;
        Tfilinfoform form(h);
        const int& refreshed = h.strukturOpdateringer;
        form.visFil(filOf(path));
        QAction* anvend = form.aAnvend();
        QVERIFY(anvend->isEnabled());
        child<QCheckBox>(form, "cbHidden")->click();
        anvend->trigger();
        const auto info = Platform::files().info(path);
        QVERIFY(info->hidden);
        QVERIFY(info->readOnly);
        QVERIFY(!anvend->isEnabled());
        QCOMPARE(refreshed, 1);
        child<QCheckBox>(form, "cbReadOnly")->click();
        QVERIFY(anvend->isEnabled());

        // A file deleted meanwhile: nothing to change, the trees are refreshed all the same.
        QVERIFY(Platform::files().setReadOnly(path, false));
        QVERIFY(Platform::files().removeFile(path));
        anvend->trigger();
        QVERIFY(!Platform::files().exists(path));
        QVERIFY(!anvend->isEnabled());
        QCOMPARE(refreshed, 2);
    }
};

RAVNSTI_TEST_MAIN(TestFilinfoform)
#include "tst_filinfoform.moc"
