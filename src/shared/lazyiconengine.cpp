#include "lazyiconengine.h"

QIcon LazyIconEngine::icon(const QString& fileName) {
    return QIcon(new LazyIconEngine([fileName] { return QIcon(fileName); }, true));
}

QIcon LazyIconEngine::icon(std::function<QIcon()> load) {
    return QIcon(new LazyIconEngine(std::move(load)));
}

const QIcon& LazyIconEngine::loaded() {
    if (!m_icon)
        m_icon = m_load();
    return *m_icon;
}

void LazyIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    // A square SVG fills the largest square that fits.
    if (m_square && !m_icon) {
        const int side = qMin(size.width(), size.height());
        return side > 0 ? QSize(side, side) : QSize();
    }
    return loaded().actualSize(size, mode, state);
}

// Both hand out pixmaps of exactly `size` device pixels; QIcon sets the pixel ratio.
QPixmap LazyIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return loaded().pixmap(size, 1.0, mode, state);
}

QPixmap LazyIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                     qreal) {
    return loaded().pixmap(size, 1.0, mode, state);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return loaded().availableSizes(mode, state);
}

QString LazyIconEngine::key() const {
    return QStringLiteral("LazyIconEngine");
}

QIconEngine* LazyIconEngine::clone() const {
    return new LazyIconEngine(m_load, m_square);
}

// Asked by QIcon::isNull(), which need not load the icon: every icon given is a real one.
bool LazyIconEngine::isNull() {
    return false;
}
