#pragma once

#include "shared/markoertegner.h"

// Draws a row of the music player's queue: a small pale green ellipse before the title.
class MusikboxTegner : public MarkoerTegner {
    Q_OBJECT

public:
    explicit MusikboxTegner(QObject* parent)
        : MarkoerTegner(QPalette::Window, QPalette::WindowText, parent) {}

protected:
    void tegnMarkoer(QPainter* painter, const QRect& raekke) const override;
};
