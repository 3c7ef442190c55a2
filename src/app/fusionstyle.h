#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// Qt's Fusion style with the tool bars' extension icons kept once read: Fusion reads them
// from image files each time one is asked for, and every tool bar asks when it is made.
class FusionStyle : public QProxyStyle {
public:
    FusionStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

private:
    mutable QHash<int, QIcon> m_icons;
};
