#include "colorgrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kKolonner = 8;
constexpr int kRaekker = 2;

} // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ColorGrid"));
    setToolTip(QStringLiteral("Venstreklik vælger tekstens farve"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor TColorGrid::farve(int index) {
    static const QRgb farver[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                    0x008080, 0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00,
                                    0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return index >= 0 && index < 16 ? QColor(farver[index]) : QColor();
}

void TColorGrid::setForegroundIndex(int index) {
    m_foreground = index;
    update();
}

void TColorGrid::setBackgroundIndex(int index) {
    m_background = index;
    update();
}

void TColorGrid::setForegroundColor(const QColor& color) {
    int found = -1;
    for (int i = 0; i < 16 && found < 0; ++i)
        if (farve(i).rgb() == color.rgb())
            found = i;
    setForegroundIndex(found);
}

QSize TColorGrid::sizeHint() const {
    return {kKolonner * 18 + 1, kRaekker * 14 + 1};
}

QRect TColorGrid::cell(int index) const {
    const int w = (width() - 1) / kKolonner;
    const int h = (height() - 1) / kRaekker;
    return {(index % kKolonner) * w, (index / kKolonner) * h, w, h};
}

void TColorGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QFont font = p.font();
    font.setPixelSize(8);
    p.setFont(font);
    for (int i = 0; i < 16; ++i) {
        const QRect r = cell(i);
        p.fillRect(r, farve(i));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(r);
        QString mark;
        if (i == m_foreground)
            mark = QStringLiteral("FG");
        if (i == m_background)
            mark += mark.isEmpty() ? QStringLiteral("BG") : QStringLiteral("/B");
        if (!mark.isEmpty()) {
            p.setPen(farve(i).lightness() > 120 ? Qt::black : Qt::white);
            p.drawText(r, Qt::AlignCenter, mark);
        }
    }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < 16; ++i) {
        if (!cell(i).contains(event->position().toPoint()))
            continue;
        if (event->button() == Qt::LeftButton) {
            setForegroundIndex(i);
            emit clicked();
        } else if (event->button() == Qt::RightButton) {
            setBackgroundIndex(i);
        }
        return;
    }
}
