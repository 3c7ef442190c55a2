#include "vinduesgeometri.h"

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
        bool ok = false;
        values.append(line.trimmed().toInt(&ok));
        if (!ok)
            return false;
    }
    if (values.size() < (medPlads ? 4 : 2) || values.at(0) <= 0 || values.at(1) <= 0)
        return false;
    const QSize size = QSize(values.at(0), values.at(1)).expandedTo(window.minimumSize());
    window.resize(size);
    if (!medPlads || !paaEnSkaerm(QRect(QPoint(values.at(2), values.at(3)), size)))
        return false;
    window.move(values.at(2), values.at(3));
    return true;
}

void VinduesGeometri::placer(QWidget& window, const QString& filnavn, const QWidget& midt) {
    if (hent(window, filnavn, true))
        return;
    QRect frame(QPoint(), window.size());
    frame.moveCenter(midt.frameGeometry().center());
    window.move(frame.topLeft());
}

bool VinduesGeometri::gem(const QWidget& window, const QString& filnavn, bool medPlads) {
    QStringList lines{QString::number(window.width()), QString::number(window.height())};
    if (medPlads)
        lines << QString::number(window.x()) << QString::number(window.y());
    return TextFile::write(filnavn, lines).ok();
}
