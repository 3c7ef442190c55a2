#pragma once

#include <QIcon>
#include <QProxyStyle>

// Qt's Fusion style with the tool bars' extension icons read when first drawn: Fusion reads
// them from image files each time one is asked for, and every tool bar asks when it is made,
// though its extension button shows only when the bar runs short.
class FusionStyle : public QProxyStyle {
public:
    FusionStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
