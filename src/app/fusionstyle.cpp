#include "fusionstyle.h"

#include <QStyleFactory>
#include <QWidget>

FusionStyle::FusionStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon FusionStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    // An option may ask for another state or size: only the plain icon is kept.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const bool rightToLeft = widget && widget->layoutDirection() == Qt::RightToLeft;
    const int key = int(icon) * 2 + int(rightToLeft);
    auto found = m_icons.constFind(key);
    if (found == m_icons.cend())
        found = m_icons.insert(key, QProxyStyle::standardIcon(icon, option, widget));
    return *found;
}
