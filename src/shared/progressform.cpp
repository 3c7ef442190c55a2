#include "progressform.h"

#include <QBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include <algorithm>

namespace {

QLabel* label(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QProgressBar* bar(const QString& name, QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    return bar;
}

void setPosition(QProgressBar* bar, int position) {
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

} // namespace

Tprogressform::Tprogressform(QWidget* parent) : CentredDialog(parent, Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("progressform"));
    setWindowTitle(QStringLiteral("Kopierer"));

    m_info = label(QStringLiteral("LabelInfo"), this);
    // Long texts are cut rather than widening the fixed window.
    m_info->setMinimumWidth(380);
    m_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_file = bar(QStringLiteral("pBar"), this);
    m_procent = label(QStringLiteral("LabelProcent"), this);
    m_procent->setMinimumWidth(m_procent->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    auto* tekst = label(QStringLiteral("LabelTekst"), this);
    tekst->setText(QStringLiteral(" Resterende elementer: "));
    m_resterende = label(QStringLiteral("LabelResterende"), this);
    m_all = bar(QStringLiteral("pBarAll"), this);
    m_sletInfo = label(QStringLiteral("LabelSletInfo"), this);
    m_counting = bar(QStringLiteral("pBarAktiv"), this);
    m_counting->setFixedHeight(8);

    auto* infoBar = new QStatusBar(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setSizeGripEnabled(false);
    m_countText = label(QStringLiteral("infoPanel"), infoBar);
    infoBar->addWidget(m_countText, 1);

    m_annuller = new QPushButton(QStringLiteral("Annuller"), this);
    m_annuller->setObjectName(QStringLiteral("btnAnnuller"));
    m_annuller->setAutoDefault(false);
    connect(m_annuller, &QPushButton::clicked, this, &Tprogressform::reject);

    auto* remaining = new QHBoxLayout;
    remaining->addWidget(m_procent);
    remaining->addWidget(tekst);
    remaining->addWidget(m_resterende, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(9, 9, 9, 0);
    content->addWidget(m_info);
    content->addWidget(m_file);
    content->addLayout(remaining);
    content->addWidget(m_all);
    content->addWidget(m_sletInfo);
    content->addWidget(m_counting);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_annuller);
    content->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(content);
    layout->addWidget(infoBar);
    clear();
}

void Tprogressform::setInfo(const QString& text) {
    m_info->setText(text);
}

void Tprogressform::setFileProgress(int percent) {
    setPosition(m_file, percent);
}

void Tprogressform::setProcent(int percent) {
    m_procent->setText(QString::number(percent) + QLatin1Char('%'));
}

void Tprogressform::setAllProgress(int percent) {
    setPosition(m_all, percent);
}

void Tprogressform::setResterende(const QString& count) {
    m_resterende->setText(count);
}

void Tprogressform::setSletInfo(bool deleting) {
    m_sletInfo->setText(deleting ? QStringLiteral("Sletter mapper/filer...") : QString());
}

void Tprogressform::setCountRange(int maximum) {
    // An empty range would turn the bar into Qt's busy indicator.
    m_counting->setRange(0, std::max(maximum, 1));
    m_counting->setValue(0);
}

void Tprogressform::setCounted(int position) {
    setPosition(m_counting, position);
}

void Tprogressform::setCountText(const QString& text) {
    m_countText->setText(text);
}

void Tprogressform::clear() {
    setInfo(QStringLiteral("Kopierings information"));
    setFileProgress(0);
    setProcent(0);
    setAllProgress(0);
    setResterende({});
    setSletInfo(false);
    setCountRange(100);
    setCountText({});
}

void Tprogressform::nyOperation() {
    m_annulleret = false;
    m_annuller->setEnabled(true);
    m_annuller->setText(QStringLiteral("Annuller"));
}

void Tprogressform::reject() {
    // The engine closes the window when it has stopped; until then it says it is stopping.
    m_annulleret = true;
    m_annuller->setEnabled(false);
    m_annuller->setText(QStringLiteral("Annullerer..."));
}
