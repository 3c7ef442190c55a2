#include "dialogknapper.h"

#include <QComboBox>
#include <QPushButton>

QPushButton* dialogKnap(const char* name, const QString& text, const QString& hint,
                        QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

QComboBox* historikBoks(const char* name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}
