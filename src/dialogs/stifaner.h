#pragma once

#include <QStringList>
#include <QTabBar>

// A dialog's path tabs: one tab for each component of the folder shown, the last one chosen.
// A tab stands for the path up to and including its component.
class Stifaner : public QTabBar {
    Q_OBJECT

public:
    explicit Stifaner(QWidget* parent);

    // Shows the components of `mappe` without telling anyone of the tab chosen.
    void byg(const QString& mappe);
    // The path tab `index` stands for; empty for no tab.
    QString sti(int index) const;
    const QStringList& stiArray() const { return m_stiArray; }

private:
    QStringList m_stiArray;
};
