#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/testenvironment.h"
#include "harness/testhost.h"
#include "shared/strukturlaan.h"

#include <QDialog>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

// Everything a loan must give back, as the main window left it.
struct EngineState {
    explicit EngineState(TestHost& h)
        : struktur1(h.funk().Struktur1()), struktur2(h.funk().Struktur2()),
          grundmappe(h.funk().Grundmappe()), dirmappe(h.funk().Dirmappe()),
          aktiveStruktur(h.funk().AktiveStruktur()), lastStrukturNo(h.opt().lastStrukturNo) {}
    bool operator==(const EngineState&) const = default;

    StrukturVisning* struktur1;
    StrukturVisning* struktur2;
    QString grundmappe;
    QString dirmappe;
    int aktiveStruktur;
    int lastStrukturNo;
};

// A dialog that borrows the file pane while it is shown and browses in its own tree.
class LaanDialog : public QDialog {
public:
    explicit LaanDialog(TestHost& host) : QDialog(&host.window), m_host(host) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(&tree);
    }
    int changes = 0;
    StrukturVisning tree;

protected:
    void showEvent(QShowEvent* event) override {
        m_laan.emplace(
            m_host, 2, &tree,
            [this](const QString&, const QString&, const QString&, const QString&) { ++changes; });
        // The dialog moves about in its tree and changes the structure number.
        m_host.funk().makeStruktur2(QStringLiteral("D:\\Fotos"), false);
        m_host.opt().lastStrukturNo = 3;
        QDialog::showEvent(event);
    }
    void done(int result) override {
        m_laan.reset();
        QDialog::done(result);
    }

private:
    TestHost& m_host;
    std::optional<StrukturLaan> m_laan;
};

} // namespace

class TestStrukturLaan : public QObject {
    Q_OBJECT

private slots:
    void everyWayOfEndingGivesTheTreesBack_data() {
        QTest::addColumn<QString>("slut");
        for (const char* way : {"ok", "annuller", "lukkeboks", "escape"})
            QTest::newRow(way) << QString::fromLatin1(way);
    }

    void everyWayOfEndingGivesTheTreesBack() {
        QFETCH(QString, slut);
        TestEnvironment env;
        env.makeFolder(QStringLiteral("C:\\Hjem\\Breve"));
        env.makeFolder(QStringLiteral("D:\\Fotos\\2020"));
        TestHost h;
        int mainChanges = 0;
        h.funk().setOnDirectoryChange(
            [&](const QString&, const QString&, const QString&, const QString&) { ++mainChanges; });
        h.engine.vaelgMappe(QStringLiteral("C:\\Hjem"));
        h.funk().makeStruktur2(QStringLiteral("C:\\Hjem"), false);
        h.opt().lastStrukturNo = 1;
        const EngineState before(h);
        const int changesBefore = mainChanges;

        LaanDialog dialog(h);
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(dialog.isVisible());
            QCOMPARE(h.funk().Struktur2(), &dialog.tree);
            QCOMPARE(h.funk().AktiveStruktur(), 2);
            QVERIFY(dialog.tree.topLevelItemCount() > 0);
            if (slut == QLatin1String("ok"))
                dialog.accept();
            else if (slut == QLatin1String("annuller"))
                dialog.reject();
            else if (slut == QLatin1String("lukkeboks"))
                dialog.close();
            else
                QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        dialog.exec();

        QVERIFY(dialog.changes > 0);
        QCOMPARE(mainChanges, changesBefore); // the dialog had the change event to itself
        QVERIFY(EngineState(h) == before);
        // The main window's tree and change event work as before.
        h.funk().makeStruktur2(QStringLiteral("C:\\Hjem\\Breve"), false);
        QCOMPARE(mainChanges, changesBefore + 1);
        QCOMPARE(h.engine.filbox.topLevelItemCount(), 0);
    }

    void anExceptionGivesTheTreesBack() {
        TestEnvironment env;
        env.makeFolder(QStringLiteral("D:\\Fotos"));
        TestHost h;
        h.funk().makeStruktur2(QStringLiteral("C:"), false);
        const EngineState before(h);
        StrukturVisning tree;
        try {
            StrukturLaan laan(h, 1, &tree, {});
            QCOMPARE(h.funk().Struktur1(), &tree);
            QCOMPARE(h.funk().AktiveStruktur(), 1);
            h.funk().makeStruktur2(QStringLiteral("D:\\Fotos"), false);
            throw std::runtime_error("afbrudt");
        } catch (const std::runtime_error&) {
        }
        QVERIFY(EngineState(h) == before);

        // Giving back twice (explicitly, then at the end of the loan) changes nothing more.
        {
            StrukturLaan laan(h, 2, &tree, {});
            laan.tilbage();
            QCOMPARE(laan.gemtGrundmappe(), QStringLiteral("C:"));
            h.funk().setGrundmappe(QStringLiteral("D:\\Fotos"));
        }
        QCOMPARE(h.funk().Grundmappe(), QStringLiteral("D:\\Fotos"));
    }
};

RAVNSTI_TEST_MAIN(TestStrukturLaan)
#include "tst_strukturlaan.moc"
