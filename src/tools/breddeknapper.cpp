#include "breddeknapper.h"

#include <QBoxLayout>
#include <QToolButton>

namespace {

constexpr int kSkridt = 140;

QToolButton* knap(QWidget& window, const char* name, Qt::ArrowType arrow, const QString& hint) {
    auto* button = new QToolButton(&window);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    return button;
}

} // namespace

BreddeKnapper::BreddeKnapper(QWidget& window, QBoxLayout* row, int mindste, int start)
    : QObject(&window), m_window(window),
      m_stoerre(knap(window, "ButtonStoerre", Qt::RightArrow, QStringLiteral("Gør boksen større"))),
      m_mindre(knap(window, "ButtonMindre", Qt::LeftArrow, QStringLiteral("Gør boksen mindre"))) {
    row->addWidget(m_stoerre);
    row->addWidget(m_mindre);
    connect(m_stoerre, &QToolButton::clicked, this,
            [this] { setBredde(m_window.width() + kSkridt); });
    connect(m_mindre, &QToolButton::clicked, this, [this, mindste] { setBredde(mindste); });
    setBredde(start);
}

void BreddeKnapper::setBredde(int width) {
    m_window.setFixedWidth(width);
    m_stoerre->setEnabled(width <= 1920);
    m_mindre->setEnabled(width > 360);
}
