#include "fusionstyle.h"

#include "shared/lazyiconengine.h"

#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

FusionStyle::FusionStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon FusionStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    // The extension buttons' icons depend on the direction alone; others are Fusion's own.
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : Qt::LeftToRight;
    // Read when first drawn: an extension button shows only when its bar runs short.
    return LazyIconEngine::icon([this, icon, direction] {
        QStyleOption shown;
        shown.direction = direction;
        return QProxyStyle::standardIcon(icon, &shown);
    });
}
