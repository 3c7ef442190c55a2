#include "hintlinje.h"

#include <QLabel>
#include <QStatusTipEvent>

HintLinje::HintLinje(QWidget* parent) : QStatusBar(parent), m_panel(new QLabel(this)) {
    setSizeGripEnabled(false);
    m_panel->setTextFormat(Qt::PlainText);
    addWidget(m_panel, 1);
}

void HintLinje::besked(const QString& tekst) {
    m_besked = tekst;
    m_panel->setText(tekst);
}

QString HintLinje::tekst() const {
    return m_panel->text();
}

bool HintLinje::visHint(QEvent* event) {
    if (event->type() != QEvent::StatusTip)
        return false;
    const QString hint = static_cast<QStatusTipEvent*>(event)->tip();
    m_panel->setText(hint.isEmpty() ? m_besked : hint);
    return true;
}
