#include "egenskabsform.h"
#include "designside.h"
#include "egenskabsside.h"
#include "filtypeside.h"
#include "mappeside.h"

#include "shared/dialogknapper.h"
#include "shared/mainhost.h"
#include "shared/skaermplads.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

Tegenskabsform::Tegenskabsform(MainHost& host)
    : CentredDialog(host.hovedvindue(), Qt::WindowStaysOnTopHint), m_host(host),
      m_bog(new QTabWidget(this)), m_side1(new EgenskabsSide(host, m_bog)),
      m_side2(new MappeSide(host, m_bog)), m_side3(new FiltypeSide(host, m_bog)),
      m_side4(new DesignSide(host, m_bog)) {
    setObjectName(QStringLiteral("egenskabsform"));
    setWindowTitle(QStringLiteral("Egenskaber"));
    m_bog->setObjectName(QStringLiteral("egenskabsBog"));
    m_bog->addTab(m_side1, QStringLiteral("Egenskaber"));
    m_bog->addTab(m_side2, QStringLiteral("Mapper"));
    m_bog->addTab(m_side3, QStringLiteral("Filtyper"));
    m_bog->addTab(m_side4, QStringLiteral("Programdesign"));

    QPushButton* info = dialogKnap("ButtonInfo", QStringLiteral("Information"),
                                   QStringLiteral("Information om programmets egenskaber"), this);
    QPushButton* luk =
        dialogKnap("LukButton", QStringLiteral("Luk"), QStringLiteral("Luk egenskabsboksen"), this);
    auto* bund = new QHBoxLayout;
    bund->addWidget(info);
    bund->addStretch(1);
    bund->addWidget(luk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bog, 1);
    layout->addLayout(bund);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Program egenskaber"), false); });
    connect(luk, &QPushButton::clicked, this, &QDialog::close);

    m_side4->loadDesign();
    m_side3->LoadTypeliste();
    setFixedSize(sizeHint().expandedTo(QSize(520, 520)));
}

void Tegenskabsform::vis() {
    show();
    raise();
    activateWindow();
}

void Tegenskabsform::visFiltyper() {
    m_bog->setCurrentWidget(m_side3);
    // A window that blocks the others would block this one too: over it, this one blocks.
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this) {
        hide();
        setWindowModality(Qt::ApplicationModal);
    }
    vis();
}

void Tegenskabsform::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        m_side1->hent();
        m_side2->hent();
        m_side3->gemKnap()->setEnabled(false);
    }
    CentredDialog::showEvent(event);
    if (!event->spontaneous())
        holdPaaSkaermen();
}

void Tegenskabsform::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        setWindowModality(Qt::NonModal);
    CentredDialog::hideEvent(event);
}

void Tegenskabsform::holdPaaSkaermen() {
    QRect frame(QPoint(), frameGeometry().size());
    frame.moveCenter(m_host.hovedvindue()->window()->frameGeometry().center());
    const QRect inden = Skaermplads::inden(frame);
    // The frame's own size beyond the window's is the same however large the window is.
    if (inden.size() != frame.size())
        setFixedSize(size() - (frame.size() - inden.size()));
    move(inden.topLeft());
}
