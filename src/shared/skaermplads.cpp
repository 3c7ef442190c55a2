#include "skaermplads.h"

#include <QGuiApplication>
#include <QScreen>

QRect Skaermplads::inden(const QRect& frame) {
    const QScreen* best = QGuiApplication::primaryScreen();
    qint64 most = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(frame);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > most) {
            most = area;
            best = screen;
        }
    }
    if (!best)
        return frame;
    const QRect free = best->availableGeometry();
    QRect placed(frame.topLeft(), frame.size().boundedTo(free.size()));
    placed.moveLeft(std::clamp(placed.left(), free.left(), free.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), free.top(), free.bottom() - placed.height() + 1));
    return placed;
}
