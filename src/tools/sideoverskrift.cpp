#include "sideoverskrift.h"

#include <QLabel>

QLabel* sideOverskrift(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
