// Takes the pictures of the program's windows that the help pages show. Run it under a real
// display (scripts/make-help-pictures.sh starts it under Xvfb): it makes a data root and a
// drive C: with a few folders and files in a temporary folder, starts the main window on
// them, opens one window after another as the user would, and saves each as a PNG with at
// most 256 colours into the folder given as its argument. With "--sider" it shows the help
// pages in a plain page view instead and saves a picture of each, for the writer to read.
// With "--butik" it saves only the main window and the document window, in full colour and
// at their own size: the screenshots of the program's store metadata.

#include "app/commandtable.h"
#include "app/fusionstyle.h"
#include "app/mainform.h"
#include "dialogs/opendiaform.h"
#include "engine/handlinger.h"
#include "engine/strukturvisning.h"
#include "harness/fakeclock.h"
#include "harness/nameduser.h"
#include "harness/treeclicks.h"
#include "shared/centreddialog.h"

#include "platform/platform.h"
#include "platform/prompter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace {

QString g_out;
bool g_butik = false; // only the store's screenshots

// Messages go to the terminal: a box would hold the run up, and none is expected.
class TerminalPrompter : public Prompter {
public:
    void message(const QString& text, MessageKind) override {
        std::fprintf(stderr, "besked: %s\n", qPrintable(text));
    }
    bool question(const QString& text) override {
        std::fprintf(stderr, "spørgsmål (nej): %s\n", qPrintable(text));
        return false;
    }
};

void settle(int ms = 150) {
    QTest::qWait(ms);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

// A drive C: that looks like a person's: documents, pictures, music and a small web site.
void makeDrive(const QString& c) {
    const QByteArray side = "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<title>Forside</title>\r\n"
                            "</head>\r\n<body>\r\n<h1>Velkommen</h1>\r\n</body>\r\n</html>\r\n";
    writeFile(c + "/Dokumenter/Indkøbsliste.txt", "Mælk\r\nRugbrød\r\nÆbler\r\n");
    writeFile(c + "/Dokumenter/Referat.txt", "Referat af mødet\r\n");
    writeFile(c + "/Dokumenter/Breve/Til Karen.txt", "Kære Karen\r\n");
    writeFile(c + "/Hjemmeside/index.html", side);
    writeFile(c + "/Hjemmeside/om.html", side);
    writeFile(c + "/Hjemmeside/stil.css", "body { color: #333; }\r\n");
    writeFile(c + "/Musik/Forår.mp3", QByteArray(2048, '\0'));
    writeFile(c + "/Musik/Sommer.mp3", QByteArray(2048, '\0'));
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(QColor(90, 140, 200));
    QDir().mkpath(c + "/Billeder/2024");
    photo.save(c + "/Billeder/2024/Strand.png");
    photo.save(c + "/Billeder/2024/Skov.png");
    QDir().mkpath(c + "/Videoer");
}

// Every file of the drive dated the same day.
void dateFiles(const QString& c) {
    const QDateTime when(QDate(2026, 5, 12), QTime(14, 5));
    QDirIterator files(c, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadWrite))
            for (auto kind : {QFileDevice::FileModificationTime, QFileDevice::FileAccessTime})
                file.setFileTime(when, kind);
    }
}

// Saves the widget's picture, at most `width` pixels wide, with a palette of at most 256 colours.
void save(QWidget* widget, const char* name, int width = 720) {
    if (!widget) {
        std::fprintf(stderr, "intet vindue til %s\n", name);
        return;
    }
    const bool store = qstrcmp(name, "hovedvindue") == 0 || qstrcmp(name, "dokumentvindue") == 0;
    if (g_butik && !store)
        return;
    QImage picture = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (picture.width() > width && !g_butik)
        picture = picture.scaledToWidth(width, Qt::SmoothTransformation);
    const QImage small =
        g_butik ? picture : picture.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    const QString path = g_out + QLatin1Char('/') + QLatin1String(name) + ".png";
    if (!small.save(path))
        std::fprintf(stderr, "kunne ikke gemme %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

// The top-level window that became visible while `open` ran.
QWidget* opened(const std::function<void()>& open) {
    QList<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before << w;
    open();
    settle();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w))
            return w;
    return nullptr;
}

// A window that `open` shows: photographed, then closed.
void shot(const char* name, const std::function<void()>& open) {
    QWidget* w = opened(open);
    save(w, name);
    if (w)
        w->close();
}

// A modal window that `open` shows and waits for: photographed once it is up, then closed.
void modal(const char* name, const std::function<void()>& open) {
    QTimer poll;
    int tries = 0;
    bool done = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w && ++tries < 30)
            return;
        poll.stop();
        settle(300);
        save(w, name);
        if (w)
            w->close();
        done = true;
    });
    poll.start(100);
    open();
    while (!done)
        settle(50);
}

// The help pages as a plain page view shows them, for the writer to look at: each page named
// (all when none is) is saved as "side-<page>.png". Nothing of it goes into the program.
int showPages(const QStringList& pages) {
    const QString folder = QDir(QString::fromLatin1(RAVNSTI_SOURCE_DATA))
                               .filePath(QStringLiteral("Program/Struktur/Ravnsti/tekstfiler"));
    QStringList names = pages;
    if (names.isEmpty())
        for (const QString& file : QDir(folder).entryList({QStringLiteral("*.html")}))
            names << QFileInfo(file).completeBaseName();
    QTextBrowser view;
    view.resize(760, 900);
    view.show();
    for (const QString& name : std::as_const(names)) {
        view.setSource(QUrl::fromLocalFile(folder + QLatin1Char('/') + name + ".html"));
        settle(100);
        const QString path = g_out + QStringLiteral("/side-") + name + ".png";
        view.grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication::setStyle(new FusionStyle);
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool pages = arguments.value(0) == QLatin1String("--sider");
    g_butik = arguments.value(0) == QLatin1String("--butik");
    if (pages || g_butik)
        arguments.removeFirst();
    if (arguments.isEmpty()) {
        std::fputs("Brug: hjaelpbilleder MAPPE\n       hjaelpbilleder --sider MAPPE [SIDE ...]\n"
                   "       hjaelpbilleder --butik MAPPE\n",
                   stderr);
        return 2;
    }
    g_out = QDir(arguments.takeFirst()).absolutePath();
    QDir().mkpath(g_out);
    if (pages)
        return showPages(arguments);
    QApplication::setWindowIcon(CentredDialog::windowIcon());

    QTemporaryDir base;
    const QString c = base.path() + QStringLiteral("/C");
    makeDrive(c);
    dateFiles(c);
    qputenv("RAVNSTI_DRIVES", ("C=" + c + "|fixed|Lokal disk").toLocal8Bit());
    qputenv("RAVNSTI_ROOT", (c + QStringLiteral("/Ravnsti")).toLocal8Bit());
    qputenv("HOME", (c + QStringLiteral("/home/lise")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (base.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (base.path() + QStringLiteral("/data")).toLocal8Bit());

    if (qEnvironmentVariableIsEmpty("RAVNSTI_DATA"))
        qputenv("RAVNSTI_DATA", RAVNSTI_SOURCE_DATA);
    Platform::setPrompter(std::make_unique<TerminalPrompter>());
    Platform::setUser(std::make_unique<NamedUser>(QStringLiteral("lise")));
    // One day for every run, so that a window that did not change gives the same picture.
    auto clock = std::make_unique<FakeClock>();
    clock->set(QDateTime(QDate(2026, 5, 14), QTime(10, 30)));
    Platform::setClock(std::move(clock));
    Tmainform form;
    form.show();
    settle(500);
    // A command as its button runs it: only when its rule lets it.
    auto command = [&form](const char* name) {
        return [&form, name] {
            form.commands().evaluate();
            QAction* action = form.commands()(QString::fromLatin1(name));
            if (!action->isEnabled())
                std::fprintf(stderr, "%s kan ikke bruges nu\n", name);
            action->trigger();
        };
    };

    form.resize(900, 720);
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    settle(300);
    StrukturVisning* tree = form.dirbox();
    TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Lokal disk (C:)")));
    QTest::keyClick(tree, Qt::Key_Return);
    settle();
    TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Dokumenter")));
    settle();
    StrukturVisning* files = form.filbox();
    TreeClicks::click(files, TreeClicks::node(files, QStringLiteral("Indkøbsliste.txt")));
    settle();
    save(&form, "hovedvindue", 600);
    // What works on the selected file, before other windows show other folders.
    shot("filinfo", command("aFilinfo"));
    modal("kopiertil", command("aKopier32"));
    command("aCopy")();
    TreeClicks::click(tree, TreeClicks::node(tree, QStringLiteral("Hjemmeside")));
    settle();
    modal("kopiering", command("aPaste"));

    shot("soeg", command("Action22"));
    shot("soegidokumenter", command("aFindtekst"));
    shot("kalender", command("aOpenKalender"));
    shot("nyalarm", command("aAlarmNy"));
    shot("musikafspiller", command("aMusikafspiller"));
    shot("personligemapper", command("Action18"));
    QWidget* strukturer = opened(command("aNyStruktur"));
    save(strukturer, "strukturer");
    if (auto* insert = strukturer
                           ? strukturer->findChild<QPushButton*>(QStringLiteral("insertMappeKnap"))
                           : nullptr)
        modal("vaelgmappe", [insert] { insert->click(); });
    if (strukturer)
        strukturer->close();
    modal("aabentekstdokument", command("aOpenDokument"));
    modal("vaelgfiltype", command("aNytDokument"));
    {
        Topendiaform dia(form);
        dia.initDirectory(QStringLiteral("C:\\Musik"), true);
        modal("vaelgfil", [&dia] { dia.exec(); });
    }
    shot("informationsvindue", [&form] { form.HelpInfo(QStringLiteral("Kopier til"), false); });
    form.OpenFilIEditor(QStringLiteral("C:\\Hjemmeside\\index.html"));
    settle(400);
    save(&form, "dokumentvindue", 600);
    if (auto* kontrol = form.findChild<QAction*>(QStringLiteral("aKontrol")))
        shot("kodekontrol", [kontrol] { kontrol->trigger(); });
    return 0;
}
