#include "fusionstyle.h"
#include "mainform.h"

#include "shared/centreddialog.h"
#include "shared/formprompter.h"
#include "shared/spmform.h"

#include "platform/platform.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

const char* const usage =
    "Brug: ravnsti [FIL ...]\n"
    "\n"
    "Ravnsti er en sti-, mappe- og filfinder med indbygget teksteditor.\n"
    "Hver FIL, der er en webside, et typografiark, et script eller en tekstfil\n"
    "(.html, .css, .js, .vbs, .wsf, .asp, .txt, .xml, .rtf m.fl.), åbnes i sit eget\n"
    "dokumentvindue; andre filer springes over.\n"
    "\n"
    "Valg:\n"
    "  -h, --help      vis denne hjælp og afslut\n"
    "      --version   vis programmets version og afslut\n"
    "\n"
    "Miljøvariabler:\n"
    "  RAVNSTI_ROOT    datamappen med programmappen og brugerens mapper;\n"
    "                  ellers $XDG_DATA_HOME/Ravnsti (normalt ~/.local/share/Ravnsti)\n"
    "  RAVNSTI_DRIVES  drevtabellen som BOGSTAV=MAPPE[|type[|navn]] adskilt af semikolon,\n"
    "                  fx \"C=/;D=/media/usb|removable|USB-nøgle\" (type: removable, cdrom,\n"
    "                  network, ramdisk); ellers er C: roden /, og hvert yderligere\n"
    "                  monteret drev får det næste bogstav\n"
    "  RAVNSTI_DATA    mappen med programmets installerede data (Program og Styles);\n"
    "                  ellers data ved siden af programmet eller ../share/ravnsti\n"
    "  RAVNSTI_LYD     lydmodulet, der afspiller lyd og musik (ravnsti-lyd.so);\n"
    "                  ellers ved siden af programmet eller i ../" RAVNSTI_MODULE_DIR "\n"
    "  RAVNSTI_BENCH_FIRSTSHOW\n"
    "                  1: skriv \"vist\" og afslut, så snart hovedvinduet er vist første\n"
    "                  gang (bruges til at måle opstarten)\n";

// Answers -h, --help and --version on standard output before any window or display is
// needed. True when the program should end there.
bool answeredCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("Ravnsti " RAVNSTI_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (answeredCommandLine(argc, argv))
        return 0;
    Platform::reuseFreedMemory();
    // Set before the application is made, which then makes no default style first.
    QApplication::setStyle(new FusionStyle);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ravnsti"));
    QApplication::setApplicationVersion(QStringLiteral(RAVNSTI_VERSION));
    // Lets the desktop match the windows with the installed ravnsti.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("ravnsti"));
    QApplication::setWindowIcon(CentredDialog::windowIcon());
    // A session without a desktop names no icon theme; programs and settings then take their
    // pictures from the common one where it is installed.
    if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    Tmainform mainform(arguments);
    Platform::setPrompter(
        std::make_unique<FormPrompter>([&mainform]() -> TspmForm& { return *mainform.spmForm(); }));
    mainform.show();
    // What a large listing left free is kept for the next one for a while, then given back.
    QTimer giveBack;
    QObject::connect(&giveBack, &QTimer::timeout, [] { Platform::giveBackFreedMemory(); });
    giveBack.start(std::chrono::seconds(30));
    // The start-up benchmark's mark: show() has delivered the first show event, and the
    // zero timer runs once the event loop has handled what that show posted.
    if (qEnvironmentVariable("RAVNSTI_BENCH_FIRSTSHOW") == QLatin1String("1"))
        QTimer::singleShot(0, &app, [] {
            std::puts("vist");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    return QApplication::exec();
}
