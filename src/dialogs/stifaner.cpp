#include "stifaner.h"

#include "shared/rubrik.h"

Stifaner::Stifaner(QWidget* parent) : QTabBar(parent) {
    setObjectName(QStringLiteral("stiboxen"));
    setExpanding(false);
}

void Stifaner::byg(const QString& mappe) {
    const QSignalBlocker quiet(this);
    while (count() > 0)
        removeTab(0);
    m_stiArray = mappe.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& component : std::as_const(m_stiArray))
        addTab(Rubrik::somTekst(component));
    setCurrentIndex(int(m_stiArray.size()) - 1);
}

QString Stifaner::sti(int index) const {
    if (index < 0 || index >= m_stiArray.size())
        return {};
    return QStringList(m_stiArray.mid(0, index + 1)).join(QLatin1Char('\\'));
}
