#include "billedform.h"

#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

Tbilledform::Tbilledform(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("billedform"));
    setWindowTitle(QStringLiteral("Billede"));
    // A preview follows clicks in the file pane; the keyboard stays there.
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_image = new QLabel(this);
    m_image->setAlignment(Qt::AlignCenter);
    m_image->setMinimumSize(1, 1);
    m_image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    layout->addWidget(m_image, 1);
    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    for (const QString& label : {QStringLiteral("Bredde"), QString(), QStringLiteral("Højde"),
                                 QString(), QStringLiteral("Navn"), QString()}) {
        auto* panel = new QLabel(label, bar);
        panel->setTextFormat(Qt::PlainText);
        bar->addWidget(panel, label.isEmpty() ? 1 : 0);
        m_panels.append(panel);
    }
    layout->addWidget(bar);
    resize(635, 515 + bar->sizeHint().height());
}

void Tbilledform::showPicture(const QImage& picture, const QString& fileName) {
    m_picture = picture;
    m_panels.at(1)->setText(QString::number(picture.width()));
    m_panels.at(3)->setText(QString::number(picture.height()));
    m_panels.at(5)->setText(fileName);
    fit();
    // Where the window system activates every window shown, the active one is given back.
    QWidget* active = QApplication::activeWindow();
    show();
    raise();
    if (active && active != this)
        active->activateWindow();
}

QString Tbilledform::panelText(int index) const {
    return index >= 0 && index < m_panels.size() ? m_panels.at(index)->text() : QString();
}

void Tbilledform::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fit();
}

void Tbilledform::fit() {
    if (m_picture.isNull())
        return;
    const QSize room = m_image->size();
    const QImage shown = m_picture.width() > room.width() || m_picture.height() > room.height()
                             ? m_picture.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                             : m_picture;
    m_image->setPixmap(QPixmap::fromImage(shown));
}
