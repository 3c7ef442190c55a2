#include "vinduesgeometri.h"

#include "filtal.h"
#include "skaermplads.h"

#include "platform/platform.h"
#include "platform/textfile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

bool paaEnSkaerm(const QRect& frame) {
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame.topLeft() + QPoint(50, 10)))
            return true;
    return false;
}

} // namespace

bool VinduesGeometri::hent(QWidget& window, const QString& filnavn, bool medPlads) {
    QStringList lines;
    if (!Platform::files().exists(filnavn) || !TextFile::read(filnavn, lines))
        return false;
    QList<int> values;
    for (const QString& line : lines.mid(0, medPlads ? 4 : 2)) {
        // A width or height of 0 or less is no size; the place may be anywhere.
        const std::optional<int> value =
            values.size() < 2 ? FilTal::tal(line, 0) : FilTal::tal(line);
        if (!value)
            return false;
        values.append(*value);
    }
    if (values.size() < (medPlads ? 4 : 2) || values.at(0) <= 0 || values.at(1) <= 0)
        return false;
    QRect frame(QPoint(), QSize(values.at(0), values.at(1)).expandedTo(window.minimumSize()));
    if (medPlads)
        frame.moveTopLeft(QPoint(values.at(2), values.at(3)));
    const bool placed = medPlads && paaEnSkaerm(frame);
    // Never larger than the screen, and where it stands, wholly on it.
    frame = Skaermplads::inden(frame);
    window.resize(frame.size().expandedTo(window.minimumSize()));
    if (placed)
        window.move(frame.topLeft());
    return placed;
}

void VinduesGeometri::placer(QWidget& window, const QString& filnavn, const QWidget& midt) {
    if (hent(window, filnavn, true))
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(midt.frameGeometry().center());
    window.move(Skaermplads::inden(frame).topLeft());
}

bool VinduesGeometri::gem(const QWidget& window, const QString& filnavn, bool medPlads) {
    QStringList lines{QString::number(window.width()), QString::number(window.height())};
    if (medPlads)
        lines << QString::number(window.x()) << QString::number(window.y());
    return TextFile::write(filnavn, lines).ok();
}
