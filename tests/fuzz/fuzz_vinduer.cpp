// Reads arbitrary bytes as a window's position file, both kinds: the place alone (left and top
// edge) and the size with or without the place. Whatever a window takes from a file must save
// into a file that gives it the same again, and a window placed from a file stands on a screen
// or centred over the window it belongs to.
#include "fuzzsupport.h"

#include "shared/vinduesgeometri.h"
#include "shared/vinduesplads.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using FuzzSupport::require;

namespace {

const QString kFil = QStringLiteral("C:\\vindue.txt");
const QString kGemt = QStringLiteral("C:\\gemt.txt");

QWidget* vindue = nullptr;
QWidget* hoved = nullptr;

bool paaEnSkaerm(const QWidget& window) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(window.frameGeometry()))
            return true;
    return false;
}

void nulstil() {
    vindue->setGeometry(100, 100, 300, 200);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FuzzSupport::start("fuzz_vinduer", true, true);
    static QWidget theMain, theWindow;
    theMain.setGeometry(50, 50, 600, 400);
    theWindow.setMinimumSize(120, 80);
    hoved = &theMain;
    vindue = &theWindow;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSupport::write(kFil, FuzzSupport::bytesOf(data, size));

    nulstil();
    Vinduesplads::hent(*vindue, kFil);
    const QPoint plads = vindue->pos();
    require(Vinduesplads::gem(*vindue, kGemt), "a place is saved");
    nulstil();
    Vinduesplads::hent(*vindue, kGemt);
    require(vindue->pos() == plads, "a saved place gives the same place");

    for (const bool medPlads : {false, true}) {
        nulstil();
        const bool placeret = VinduesGeometri::hent(*vindue, kFil, medPlads);
        require(!placeret || medPlads, "only a file with a place places the window");
        require(!placeret || paaEnSkaerm(*vindue), "a window placed stands on a screen");
        require(vindue->width() >= 120 && vindue->height() >= 80, "the least size holds");
        const QRect geometri = vindue->geometry();
        require(VinduesGeometri::gem(*vindue, kGemt, medPlads), "a size is saved");
        nulstil();
        VinduesGeometri::hent(*vindue, kGemt, medPlads);
        require(vindue->size() == geometri.size(), "a saved size gives the same size");
        require(!placeret || vindue->pos() == geometri.topLeft(),
                "a saved place gives the same place");
    }

    nulstil();
    VinduesGeometri::placer(*vindue, kFil, *hoved);
    // Centred over the main window, its centre is on the screen as well.
    require(paaEnSkaerm(*vindue), "a placed window stands on a screen");
    return 0;
}
