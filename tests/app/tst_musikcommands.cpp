#include "app/commandtable.h"
#include "app/mainform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "platform/platform.h"
#include "tools/musikform.h"
#include "tools/musikformen.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolBar>
#include <QToolButton>

namespace {

// Remembers the files the desktop was asked to open.
class OpeningShell : public Shell {
public:
    explicit OpeningShell(QStringList& opened) : m_opened(opened) {}
    int open(const QString& path, ShellVerb, const QStringList&, const QString&) override {
        m_opened << path;
        return ShellResult::Success;
    }
    int startProgram(const QString&, const QStringList&, const QString&) override {
        return ShellResult::Success;
    }
    int runScript(const QString&, const QStringList&, const QString&) override {
        return ShellResult::Success;
    }
    int openUrl(const QString&) override { return ShellResult::Success; }

private:
    QStringList& m_opened;
};

// The main window with the file pane on C:\Musik, where the named files lie.
struct Window {
    Window(TestEnvironment& env, const QStringList& files) {
        for (const QString& file : files)
            env.writeFile(QStringLiteral("C:\\Musik\\") + file, "x");
        NamedUser::useDataRoot(env);
        Platform::setShell(std::make_unique<OpeningShell>(opened));
        form = std::make_unique<Tmainform>();
        form->show();
        form->funk().makeStruktur2(QStringLiteral("C:\\Musik"), true);
    }
    // Clicks the files in the file pane, the first plainly and the others with Ctrl.
    void select(const QStringList& texts) const {
        StrukturVisning* filbox = form->filbox();
        for (const QString& text : texts) {
            StrukturItem* node = TreeClicks::node(filbox, text);
            QTest::mouseClick(filbox->viewport(), Qt::LeftButton,
                              text == texts.first() ? Qt::NoModifier : Qt::ControlModifier,
                              filbox->visualItemRect(node).center());
        }
    }
    QAction* run(const char* name) const {
        form->commands().evaluate();
        QAction* action = form->commands()(QString::fromLatin1(name));
        action->trigger();
        return action;
    }
    bool enabled(const char* name) const {
        form->commands().evaluate();
        return form->commands()(QString::fromLatin1(name))->isEnabled();
    }

    QStringList opened;
    std::unique_ptr<Tmainform> form;
    // The music windows, made when first needed.
    Tmusikformen* player() const { return form->findChild<Tmusikformen*>(); }
    Tmusikform* lists() const { return form->findChild<Tmusikform*>(); }
};

} // namespace

class TestMusikCommands : public QObject {
    Q_OBJECT

private slots:
    void pagesAreWrittenAndOpened() {
        TestEnvironment env;
        Window w(env, {"a.mp4", "b.mp4", "noter"});
        w.select({"a.mp4", "b.mp4"});
        w.run("aHTMLfilmliste");
        QCOMPARE(w.opened, QStringList{QStringLiteral("C:\\Musik\\Film_afspilningsliste.html")});
        QCOMPARE(w.form->funk().Filnavn(), w.opened.last());
        w.select({"a.mp4"});
        w.run("aHTMLbilledliste");
        QCOMPARE(w.opened.last(), QStringLiteral("C:\\Musik\\Billed_afspilningsliste.html"));

        // Nothing written: nothing opened, not even the file selected before.
        w.select({"noter"});
        env.prompter().expectMessage(
            QStringLiteral("Der er ikke valgt filer med filefternavn.\nSiden blev ikke skrevet."));
        w.run("aHTMLmusikliste");
        QCOMPARE(w.opened.size(), 2);
        QVERIFY(
            !Platform::files().exists(QStringLiteral("C:\\Musik\\Musik_afspilningsliste.html")));
    }

    void queueCommands() {
        TestEnvironment env;
        Window w(env, {"a.mp3", "b.MP3", "c.wav", "d.txt"});
        QVERIFY(w.enabled("aMusikafspiller"));
        w.run("aMusikafspiller");
        QVERIFY(w.player()->isVisible());
        // The player's buttons show their commands' captions whole.
        const QToolBar* bar = child<QToolBar>(*w.player(), "ToolBar1");
        for (const char* name : {"aHentMusikliste", "aGemMusikliste"}) {
            QAction* kommando = w.form->commands()(QString::fromLatin1(name));
            const auto* knap = qobject_cast<QToolButton*>(bar->widgetForAction(kommando));
            QVERIFY2(knap, name);
            QCOMPARE(knap->text(), kommando->text());
            QVERIFY(knap->text().endsWith(QStringLiteral("...")));
        }
        QVERIFY(!w.enabled("aMusikafspiller"));
        QVERIFY(!w.enabled("aFjern"));
        QVERIFY(!w.enabled("aGemMusikliste"));

        w.select({"a.mp3", "b.MP3", "c.wav"});
        w.run("aAnvend");
        QCOMPARE(w.player()->Musikbox()->count(), 2);
        QVERIFY(w.enabled("aFjern"));
        QVERIFY(!w.enabled("aFjernFraListe"));

        // No music among the selection: told, and "Spil alle" is as it was.
        w.select({"d.txt"});
        QVERIFY(!w.player()->SpilAlle()->isChecked());
        env.prompter().expectMessage(
            QStringLiteral("Der er ikke valgt musikfiler\naf filtypen mp3 eller wav."));
        w.run("aAnvendStraks");
        QVERIFY(!w.player()->SpilAlle()->isChecked());
        QCOMPARE(env.prompter().pending(), 0);

        w.select({"c.wav"});
        w.run("aAnvendStraks");
        QVERIFY(w.player()->SpilAlle()->isChecked());
        FakeMediaPlayer* player = env.mediaPlayers().last();
        QCOMPARE(player->path(), QStringLiteral("C:\\Musik\\a.mp3"));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);

        // "Fjern fra liste" on the selected row, until the queue is empty.
        QListWidget* box = w.player()->Musikbox();
        for (int left = 2; left >= 0; --left) {
            QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                              box->visualItemRect(box->item(0)).center());
            QVERIFY(w.enabled("aFjernFraListe"));
            w.run("aFjernFraListe");
            QCOMPARE(box->count(), left);
            QVERIFY(!w.enabled("aFjernFraListe"));
        }
        QCOMPARE(player->path(), QString());
        QVERIFY(!w.enabled("aFjern"));
    }

    void listCommands() {
        TestEnvironment env;
        Window w(env, {"a.mp3"});
        const QString listeDir = w.form->mapper().musikListeDir;
        env.writeFile(listeDir + "Fest.txt", "C:\\Musik\\a.mp3\r\n");
        w.run("mOpdaterMmappe");
        QCOMPARE(w.lists()->musikliste()->count(), 1);

        w.run("aHentMusikliste");
        QVERIFY(w.lists()->isVisible());
        QCOMPARE(w.lists()->EditHent()->text(), QStringLiteral("Fest.txt"));
        QTest::keyClick(w.lists()->EditHent(), Qt::Key_Return);
        QCOMPARE(w.form->funk().mIndex(), 0);
        QCOMPARE(w.lists()->listenavn, QStringLiteral("Fest"));

        w.lists()->close();
        w.run("aGemMusikliste");
        QVERIFY(w.lists()->isVisible());
        QCOMPARE(w.lists()->EditGem()->text(), QStringLiteral("Fest"));

        w.run("mMusiklistemappeVis");
        QCOMPARE(w.form->funk().Grundmappe(), LogicalPath::normalized(listeDir));
        QVERIFY(TreeClicks::node(w.form->filbox(), QStringLiteral("Fest.txt")));
    }
};

RAVNSTI_TEST_MAIN(TestMusikCommands)
#include "tst_musikcommands.moc"
