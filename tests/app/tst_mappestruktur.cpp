#include "app/commandtable.h"
#include "app/mainform.h"
#include "app/mappestrukturcommands.h"
#include "dialogs/mappestrukturform.h"
#include "dialogs/openmappeform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/findchild.h"
#include "harness/laan.h"
#include "harness/nameduser.h"
#include "harness/testenvironment.h"
#include "harness/treeclicks.h"
#include "shared/markoerliste.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>

namespace {

// The main window with the folder-structure window open, on drive D: with some folders.
struct Vindue {
    explicit Vindue(TestEnvironment& env) : env(env) {
        for (const char* folder : {"D:\\Foto\\2020", "D:\\Foto\\2021", "D:\\Musik"})
            env.makeFolder(QString::fromLatin1(folder));
        NamedUser::useDataRoot(env);
        form.emplace();
        form->show();
        form->funk().makeStruktur2(QStringLiteral("D:\\Foto"), true);
    }

    Tmappestrukturform& aabn() {
        form->commands()(QStringLiteral("aNyStruktur"))->trigger();
        return *form->mappestruktur().mappestrukturform();
    }
    QString strukturfil(const QString& name) const {
        return form->mapper().mappestrukturDir + name;
    }
    MarkoerListe* liste(const char* name) { return child<MarkoerListe>(*w(), name); }
    QLineEdit* editGem() { return child<QLineEdit>(*w(), "EditGem"); }
    void klik(const char* name) {
        form->commands().evaluate();
        QTest::mouseClick(child<QPushButton>(*w(), name), Qt::LeftButton);
    }
    Tmappestrukturform* w() { return form->mappestruktur().mappestrukturform(); }

    TestEnvironment& env;
    std::optional<Tmainform> form;
};

} // namespace

class TestMappestruktur : public QObject {
    Q_OBJECT

private slots:
    void insertingFoldersGivesTheTreeBackHoweverTheDialogEnds_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("mapper");
        const QStringList indsat{"D:\\Foto\\2020", "D:\\Foto\\2021"};
        QTest::newRow("ok") << "ok" << indsat + QStringList{"D:\\Foto"};
        for (const char* way : {"luk", "lukkeboks", "escape"})
            QTest::newRow(way) << QString::fromLatin1(way) << indsat;
    }

    void insertingFoldersGivesTheTreeBackHoweverTheDialogEnds() {
        QFETCH(QString, how);
        QFETCH(QStringList, mapper);
        TestEnvironment env;
        Vindue v(env);
        v.aabn();
        const EngineState before(*v.form);
        QTimer::singleShot(0, v.w(), [&] {
            Topenmappeform& dia = *v.form->mappestruktur().openmappeform();
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            QApplication::setActiveWindow(&dia);
            StrukturVisning* tree = dia.mappebox();
            QCOMPARE(v.form->funk().Struktur1(), tree);
            TreeClicks::doubleClick(tree, TreeClicks::node(tree, QStringLiteral("Foto")));
            for (const char* name : {"2020", "2021"}) {
                TreeClicks::click(tree, TreeClicks::node(tree, QString::fromLatin1(name)));
                QTest::keyClick(tree, Qt::Key_Insert);
            }
            TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Foto")));
            slut(dia, how);
        });
        v.klik("insertMappeKnap");
        QCOMPARE(v.liste("strukturListeMapper")->tekster(), mapper);
        QVERIFY(v.w()->redigeret());
        QVERIFY(EngineState(*v.form) == before);
    }

    // The keys move the selection as a click does: what Ins and "Vælg" take and what the
    // two boxes show is the folder the keys reached.
    void theKeysChooseTheFoldersInserted() {
        TestEnvironment env;
        Vindue v(env);
        v.aabn();
        QTimer::singleShot(0, v.w(), [&] {
            Topenmappeform& dia = *v.form->mappestruktur().openmappeform();
            const auto lukAltid = qScopeGuard([&] {
                if (dia.isVisible())
                    dia.reject();
            });
            QApplication::setActiveWindow(&dia);
            StrukturVisning* tree = dia.mappebox();
            auto* sti = child<QLineEdit>(dia, "editpath");
            auto* mappe = child<QLineEdit>(dia, "editmappe");
            TreeClicks::doubleClick(tree, TreeClicks::node(tree, QStringLiteral("Foto")));
            TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("2020")));
            QTest::keyClick(tree, Qt::Key_Insert);
            QTest::keyClick(tree, Qt::Key_Down);
            QCOMPARE(sti->text(), QStringLiteral("D:\\Foto\\2021"));
            QCOMPARE(mappe->text(), QStringLiteral("2021"));
            QTest::keyClick(tree, Qt::Key_Insert);
            QTest::keyClick(tree, Qt::Key_Down);
            QCOMPARE(sti->text(), QStringLiteral("D:\\Musik"));
            QCOMPARE(mappe->text(), QStringLiteral("Musik"));
            QTest::mouseClick(child<QPushButton>(dia, "openKnap"), Qt::LeftButton);
        });
        v.klik("insertMappeKnap");
        QCOMPARE(v.liste("strukturListeMapper")->tekster(),
                 (QStringList{"D:\\Foto\\2020", "D:\\Foto\\2021", "D:\\Musik"}));
        QTest::keyClicks(v.editGem(), QStringLiteral("Tre"));
        QTest::keyClick(v.editGem(), Qt::Key_Return);
        QCOMPARE(env.readFile(v.strukturfil(QStringLiteral("Tre.txt"))),
                 QByteArray("D:\\Foto\\2020\r\nD:\\Foto\\2021\r\nD:\\Musik\r\n"));
    }

    void composeSaveEditAndShow() {
        TestEnvironment env;
        Vindue v(env);
        Tmappestrukturform& w = v.aabn();
        QVERIFY(w.isVisible());
        v.form->commands().evaluate();
        QVERIFY(!v.form->commands()(QStringLiteral("aNyStruktur"))->isEnabled());
        MarkoerListe* mapper = v.liste("strukturListeMapper");
        mapper->setTekster({"D:\\Foto\\2020", "D:\\Foto\\2021", "D:\\Musik"});

        TreeClicks::click(mapper, 1);
        v.klik("opKnap");
        QCOMPARE(mapper->tekster(), (QStringList{"D:\\Foto\\2021", "D:\\Foto\\2020", "D:\\Musik"}));
        QCOMPARE(mapper->valgtRaekke(), 0);
        QTest::keyClicks(v.editGem(), QStringLiteral("Musik.txt"));
        QVERIFY(w.redigeret());
        QTest::keyClick(v.editGem(), Qt::Key_Return);
        QCOMPARE(env.readFile(v.strukturfil(QStringLiteral("Musik.txt"))),
                 QByteArray("D:\\Foto\\2021\r\nD:\\Foto\\2020\r\nD:\\Musik\r\n"));
        QVERIFY(!QFile::exists(env.host(v.strukturfil(QStringLiteral("Musik.txt.txt")))));
        QVERIFY(mapper->tekster().isEmpty() && v.editGem()->text().isEmpty());
        QVERIFY(!w.redigeret());
        QCOMPARE(v.liste("strukturListe")->tekster(), QStringList{"Musik.txt"});
        QCOMPARE(w.valgteMapper().size(), 3);

        // Editing it again and saving under the same name asks first; "Nej" changes nothing.
        v.klik("redigerKnap");
        QCOMPARE(v.editGem()->text(), QStringLiteral("Musik"));
        QVERIFY(!child<QPushButton>(w, "gemKnap")->isEnabled());
        TreeClicks::click(mapper, 0);
        v.klik("nedKnap");
        env.prompter().answer(false);
        QTest::keyClick(v.editGem(), Qt::Key_Return);
        QCOMPARE(env.prompter().shown().last(),
                 QStringLiteral("Skal filen\nMusik.txt\noverskrives?"));
        QCOMPARE(env.readFile(v.strukturfil(QStringLiteral("Musik.txt"))),
                 QByteArray("D:\\Foto\\2021\r\nD:\\Foto\\2020\r\nD:\\Musik\r\n"));
        QCOMPARE(mapper->tekster(), (QStringList{"D:\\Foto\\2020", "D:\\Foto\\2021", "D:\\Musik"}));

        v.klik("visStrukturKnap");
        StrukturVisning* dirbox = v.form->dirbox();
        QCOMPARE(dirbox->topLevelItemCount(), 3);
        QCOMPARE(dirbox->topLevelItem(2)->text(), QStringLiteral("Musik"));
        QCOMPARE(v.form->opt().lastStrukturNo, int(PunktStruktur));
        TreeClicks::doubleClick(v.liste("strukturMappeListe"), 2);
        QCOMPARE(v.form->funk().Grundmappe(), QStringLiteral("D:\\Musik"));
        v.klik("visMappeKnap");
        QCOMPARE(v.form->funk().Grundmappe() + QLatin1Char('\\'),
                 v.form->mapper().mappestrukturDir);

        v.klik("ButtonLuk");
        QVERIFY(!w.isVisible());
        QCOMPARE(env.readFile(v.form->mapper().optDir + QStringLiteral("mappestruktur.txt"))
                     .split('\n')
                     .size(),
                 5);
    }

    void anEditedStructureIsNeverDroppedWithoutAsking() {
        TestEnvironment env;
        Vindue v(env);
        env.writeFile(v.strukturfil(QStringLiteral("A.txt")), "D:\\Musik\r\nD:\\Foto\r\n");
        Tmappestrukturform& w = v.aabn();
        TreeClicks::click(v.liste("strukturListe"), 0);
        v.klik("redigerKnap");
        MarkoerListe* mapper = v.liste("strukturListeMapper");
        TreeClicks::click(mapper, 0);
        v.klik("FjernMappeKnap");
        QCOMPARE(mapper->tekster(), QStringList{"D:\\Foto"});
        const QString tabt =
            QStringLiteral("Der er rediget i strukturen!\nÆndringerne vil gå tabt.\n");
        for (const auto& [knap, spoergsmaal] :
             {std::pair{"opdaterKnap", tabt + QStringLiteral("Skal der opdateres alligevel?")},
              std::pair{"redigerKnap", tabt + QStringLiteral("Skal der redigeres alligevel?")},
              std::pair{"sletKnap", QStringLiteral("Skal filen\nA.txt\nslettes permanent?\n\n") +
                                        tabt.chopped(1)},
              std::pair{"sbNyMappestruktur",
                        tabt + QStringLiteral("Skal der klargøres alligevel?")}}) {
            env.prompter().answer(false);
            v.klik(knap);
            QCOMPARE(env.prompter().shown().last(), spoergsmaal);
            QCOMPARE(mapper->tekster(), QStringList{"D:\\Foto"});
            QCOMPARE(v.editGem()->text(), QStringLiteral("A"));
            QVERIFY(w.redigeret());
        }
        QVERIFY(QFile::exists(env.host(v.strukturfil(QStringLiteral("A.txt")))));
        env.prompter().answer(true);
        v.klik("sletKnap");
        QVERIFY(!QFile::exists(env.host(v.strukturfil(QStringLiteral("A.txt")))));
        QVERIFY(v.liste("strukturListe")->tekster().isEmpty() && mapper->tekster().isEmpty());
        QCOMPARE(env.prompter().pending(), 0);
    }

    void namesStayInsideTheStructureFolder_data() {
        QTest::addColumn<QString>("navn");
        QTest::addColumn<QString>("fil");
        QTest::newRow("opad") << "..\\..\\ude"
                              << "ude.txt";
        QTest::newRow("skraastreg") << "a/b/c.txt"
                                    << "c.txt";
        QTest::newRow("drev") << "C:ude"
                              << "ude.txt";
        QTest::newRow("prikker") << ".."
                                 << "";
        QTest::newRow("tegn") << "hvad?"
                              << "";
    }

    void namesStayInsideTheStructureFolder() {
        QFETCH(QString, navn);
        QFETCH(QString, fil);
        TestEnvironment env;
        Vindue v(env);
        env.writeFile(v.strukturfil(QStringLiteral("Kilde.txt")), "D:\\Musik\r\n");
        v.aabn();
        TreeClicks::click(v.liste("strukturListe"), 0);
        v.klik("redigerKnap");
        v.editGem()->selectAll();
        QTest::keyClicks(v.editGem(), navn);
        if (fil.isEmpty())
            env.prompter().expectMessage(
                QStringLiteral("Navnet \"%1\" kan ikke bruges som navn på en struktur.").arg(navn));
        QTest::keyClick(v.editGem(), Qt::Key_Return);
        QCOMPARE(env.prompter().pending(), 0);
        QStringList ventet{"Kilde.txt"};
        if (!fil.isEmpty())
            ventet.prepend(fil);
        ventet.sort(Qt::CaseInsensitive);
        QCOMPARE(QDir(env.host(v.form->mapper().mappestrukturDir)).entryList(QDir::Files), ventet);
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Ravnsti\\ude.txt"))));
        QVERIFY(!QFile::exists(env.host(QStringLiteral("C:\\Ravnsti\\anna\\ude.txt"))));
    }

    void damagedAndVanishedFilesLoseNothing() {
        TestEnvironment env;
        Vindue v(env);
        env.writeFile(v.strukturfil(QStringLiteral("Brudt.txt")), "D:\\Musik\r\n\r\n\r\nD:\\Foto");
        env.writeFile(v.strukturfil(QStringLiteral("Væk.txt")), "D:\\Musik\r\n");
        // A place file of words gives the designed size on a screen, without a message.
        env.writeFile(v.form->mapper().optDir + QStringLiteral("mappestruktur.txt"), "bred\r\n");
        Tmappestrukturform& w = v.aabn();
        QCOMPARE(w.size(), QSize(614, 607));
        QVERIFY(QGuiApplication::screenAt(w.frameGeometry().center()));
        MarkoerListe* strukturer = v.liste("strukturListe");
        QCOMPARE(strukturer->tekster(), (QStringList{"Brudt.txt", "Væk.txt"}));
        TreeClicks::click(strukturer, 0);
        QCOMPARE(w.valgteMapper(), (QStringList{"D:\\Musik", "D:\\Foto"}));

        QFile::remove(env.host(v.strukturfil(QStringLiteral("Væk.txt"))));
        env.prompter().expectMessage(QStringLiteral("Filen blev ikke fundet"));
        TreeClicks::click(strukturer, 1);
        QVERIFY(w.valgteMapper().isEmpty());
        env.prompter().answer(true);
        env.prompter().expectMessage(QStringLiteral("Filen blev ikke fundet"));
        v.klik("sletKnap");
        QCOMPARE(env.prompter().pending(), 0);
        QCOMPARE(strukturer->count(), 2);
    }
};

RAVNSTI_TEST_MAIN(TestMappestruktur)
#include "tst_mappestruktur.moc"
