#include "app/stylelibrary.h"
#include "harness/testenvironment.h"
#include "platform/installation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace {

const QStringList kAllStyles = {
    "AmethystKamri",   "AquaLightSlate",   "CyanDusk", "Diamond",       "EmeraldLightSlate",
    "IcebergClassico", "LavenderClassico", "Light",    "Luna",          "Radiant",
    "SapphireKamri",   "Silver",           "Sky",      "SlateClassico", "SmokeyQuartzKamri",
    "Sterling",        "TurquoiseGray"};

// The window colour a style file's header gives, read independently of the loader.
QColor headerWindow(const QString& name) {
    QFile file(Installation::dataFolder() + "/Styles/" + name + ".qss");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression window(R"(\bwindow=(#[0-9a-fA-F]{6})\b)");
    return QColor::fromString(window.match(QString::fromUtf8(file.readAll())).captured(1));
}

// A data folder of its own whose Styles folder holds the given files; RAVNSTI_DATA points at it
// until cleanup() puts it back.
QString makeStyleFolder(const TestEnvironment& env, const QHash<QString, QByteArray>& files) {
    const QString data = env.base() + "/installed";
    QDir().mkpath(data + "/Program");
    if (!files.isEmpty())
        QDir().mkpath(data + "/Styles");
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile file(data + "/Styles/" + it.key());
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    qputenv("RAVNSTI_DATA", data.toLocal8Bit());
    return data;
}

QColor appWindow() {
    return QApplication::palette().color(QPalette::Window);
}

} // namespace

class TestStyleLibrary : public QObject {
    Q_OBJECT

private:
    QByteArray m_savedData;

private slots:
    void init() { m_savedData = qgetenv("RAVNSTI_DATA"); }
    void cleanup() {
        qputenv("RAVNSTI_DATA", m_savedData);
        qApp->setStyleSheet(QString());
    }

    void everyInstalledStyleApplies() {
        TestEnvironment env;
        StyleLibrary styles;
        QCOMPARE(styles.names(), kAllStyles);

        // A sheet Qt cannot parse is dropped whole, with only this warning to tell.
        QTest::failOnWarning(
            QRegularExpression("stylesheet", QRegularExpression::CaseInsensitiveOption));
        QMainWindow window;
        window.addToolBar("bar")->addAction("Kopier");
        window.setCentralWidget(new QTreeWidget);
        window.statusBar()->addWidget(new QComboBox);
        window.statusBar()->addWidget(new QCheckBox("Spørg"));

        static const QRegularExpression url("url\\(\"([^\"]+)\"\\)");
        QSet<QRgb> windows;
        for (const QString& name : kAllStyles) {
            QVERIFY2(styles.apply(name), qPrintable(name));
            QCOMPARE(styles.current(), name);
            QCOMPARE(appWindow(), headerWindow(name));
            windows.insert(appWindow().rgb());
            const QString sheet = qApp->styleSheet();
            QVERIFY2(sheet.contains("QTreeView") && sheet.contains("QToolBar"), qPrintable(name));
            QVERIFY2(!sheet.contains('@'), qPrintable(name + ": unresolved colour in sheet"));
            for (auto it = url.globalMatch(sheet); it.hasNext();) {
                const QString file = it.next().captured(1);
                QVERIFY2(QFileInfo(file).isAbsolute() && QFile::exists(file), qPrintable(file));
            }
            for (QWidget* widget : window.findChildren<QWidget*>())
                widget->ensurePolished();
        }
        QCOMPARE(windows.size(), kAllStyles.size());

        // A dark style keeps light text, dimmed when disabled.
        QVERIFY(styles.apply("CyanDusk"));
        const QPalette dark = QApplication::palette();
        QVERIFY(dark.color(QPalette::Base).lightness() < 60);
        QVERIFY(dark.color(QPalette::Text).lightness() > 200);
        QVERIFY(dark.color(QPalette::Disabled, QPalette::Text).lightness() < 160);
    }

    void lookupIgnoresCaseAndRefusesUnknownNames() {
        TestEnvironment env;
        StyleLibrary styles;
        QVERIFY(styles.contains("sky") && styles.contains("SKY") && styles.contains("Sky"));
        QVERIFY(!styles.contains("Sky2") && !styles.contains("") && !styles.contains("common"));
        QVERIFY(styles.apply("smokeyquartzkamri"));
        QCOMPARE(styles.current(), QString("SmokeyQuartzKamri"));
        QCOMPARE(appWindow(), headerWindow("SmokeyQuartzKamri"));

        const QString sheet = qApp->styleSheet();
        for (const char* name : {"Windows", "", "Styles/Sky", "common"})
            QVERIFY2(!styles.apply(name), qPrintable(name));
        QCOMPARE(styles.current(), QString("SmokeyQuartzKamri"));
        QCOMPARE(qApp->styleSheet(), sheet);
        QCOMPARE(appWindow(), headerWindow("SmokeyQuartzKamri"));
    }

    void missingStylesLeaveTheBuiltInLook() {
        TestEnvironment env;
        StyleLibrary installed;
        QVERIFY(installed.apply("SapphireKamri"));

        makeStyleFolder(env, {});
        StyleLibrary none;
        QVERIFY(none.names().isEmpty());
        QVERIFY(!none.contains("Sky"));
        QVERIFY(!none.apply("Sky"));
        none.applyBuiltIn();
        QVERIFY(none.current().isEmpty());
        QVERIFY(qApp->styleSheet().isEmpty());
        const QStyle* style = QApplication::style();
        if (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
            style = proxy->baseStyle();
        QCOMPARE(style->name(), QString("fusion"));
        QCOMPARE(QApplication::palette(), QApplication::style()->standardPalette());

        // Only the files present count; the shared rules missing is no reason to drop a style.
        const QString data = makeStyleFolder(env, {{"Sky.qss", "/* palette: window=#123456 */"},
                                                   {"Extra.qss", "/* palette: window=#fff */"}});
        QDir().mkpath(data + "/Styles/Luna.qss"); // a folder, not a readable file
        StyleLibrary some;
        QCOMPARE(some.names(), QStringList{"Sky"});
        QVERIFY(some.apply("Sky"));
        QCOMPARE(appWindow(), QColor("#123456"));
        QVERIFY(!some.apply("Luna") && !some.apply("Extra"));
    }

    void builtInLookBetweenStylesForgetsUnshownWidgets() {
        TestEnvironment env;
        StyleLibrary styles;
        auto* edit = new QLineEdit; // made, never shown nor polished
        QVERIFY(styles.apply("Luna"));
        styles.applyBuiltIn();
        QVERIFY(!edit->testAttribute(Qt::WA_StyleSheet));
        QVERIFY(styles.apply("Sky"));
        delete edit;
        QVERIFY(styles.apply("Luna")); // must not touch the deleted widget
    }

    void malformedHeadersAreTolerated() {
        TestEnvironment env;
        const QByteArray common = "QToolBar { background-color: @bar; border-radius: @radius; "
                                  "color: @noSuchColour; }\n";
        makeStyleFolder(env, {{"common.qss", common},
                              {"Sky.qss", "/* palette: window=#12; junk; =#fff; text=notacolour;\n"
                                          " window=#102030 ; bar = #abcdef; foo=#fff; highlight=;"
                                          " radius=huge */\nQMenu { color: @text; }"},
                              {"Luna.qss", "/* palette: window=#ffffff; button=#"},
                              {"Light.qss", QByteArray("\xff\xfe\x00garbage\x00/*", 13)},
                              {"Silver.qss", ""},
                              {"Diamond.qss", "/* palette: radius=7px; window=#eeeeee */"}});
        StyleLibrary styles;
        QCOMPARE(styles.names(), (QStringList{"Diamond", "Light", "Luna", "Silver", "Sky"}));
        for (const QString& name : styles.names())
            QVERIFY2(styles.apply(name), qPrintable(name));

        QVERIFY(styles.apply("Sky"));
        QCOMPARE(appWindow(), QColor("#102030"));
        const QString sheet = qApp->styleSheet();
        QVERIFY(sheet.contains("background-color: #abcdef"));
        QVERIFY(sheet.contains("border-radius: 3px")); // the default corner
        QVERIFY(sheet.contains("@noSuchColour"));      // left as written
        // An invalid text colour falls back to the one derived from the window.
        const QColor text = QApplication::palette().color(QPalette::Text);
        QVERIFY(text.isValid());
        QVERIFY(sheet.contains("QMenu { color: " + text.name() + "; }"));

        QVERIFY(styles.apply("Diamond"));
        QVERIFY(qApp->styleSheet().contains("border-radius: 7px"));
        QCOMPARE(appWindow(), QColor("#eeeeee"));

        // Without a usable header the style still gives a complete, Fusion-like palette.
        QVERIFY(styles.apply("Luna"));
        QCOMPARE(appWindow(), QApplication::style()->standardPalette().color(QPalette::Window));
    }
};

RAVNSTI_TEST_MAIN(TestStyleLibrary)
#include "tst_stylelibrary.moc"
