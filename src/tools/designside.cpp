#include "designside.h"

#include "shared/centreddialog.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/mainoptions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

DesignSide::DesignSide(MainHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_designBox(new QComboBox(this)) {
    setObjectName(QStringLiteral("side4"));
    m_designBox->setObjectName(QStringLiteral("designBox"));
    m_designBox->setMaxVisibleItems(18);
    m_designBox->setMinimumWidth(220);
    QPushButton* test = dialogKnap("testKnap", QStringLiteral("Test og gem"),
                                   QStringLiteral("Skift til den valgte stil og gem valget"), this);
    auto* billede = new QLabel(this);
    billede->setPixmap(CentredDialog::programIcon(QStringLiteral("ravnsti")).pixmap(64, 64));

    auto* layout = new QVBoxLayout(this);
    layout->addSpacing(12);
    layout->addWidget(billede, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addWidget(new QLabel(QStringLiteral("Vælg programmets stil:"), this), 0,
                      Qt::AlignHCenter);
    layout->addWidget(m_designBox, 0, Qt::AlignHCenter);
    layout->addWidget(test, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    connect(test, &QPushButton::clicked, this,
            [this] { m_host.newDesign(m_designBox->currentText()); });
}

void DesignSide::loadDesign() {
    QStringList navne = m_host.designNavne();
    navne.sort(Qt::CaseInsensitive);
    m_designBox->clear();
    m_designBox->addItems(navne);
    // A fixed-string match ignores case.
    m_designBox->setCurrentIndex(
        m_designBox->findText(m_host.opt().designName, Qt::MatchFixedString));
}
