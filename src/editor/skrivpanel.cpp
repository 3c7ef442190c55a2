#include "skrivpanel.h"
#include "colorgrid.h"
#include "fontsizecombobox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

QWidget* medEtiket(const QString& etiket, QWidget* boks, QWidget* parent) {
    auto* felt = new QWidget(parent);
    auto* kolonne = new QVBoxLayout(felt);
    kolonne->setContentsMargins(0, 0, 0, 0);
    kolonne->setSpacing(1);
    kolonne->addWidget(new QLabel(etiket, felt));
    kolonne->addWidget(boks);
    return felt;
}

} // namespace

TSkrivPanel::TSkrivPanel(QAction* overskrift, QAction* tekst, QWidget* parent)
    : QWidget(parent), m_colorGrid(new TColorGrid(this)), m_fontName(new QComboBox(this)),
      m_sizBox(new TFontSizeComboBox(this)) {
    setObjectName(QStringLiteral("PanelSkrivTop"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(6);

    auto* rich = new QCheckBox(QStringLiteral("RichText"), this);
    rich->setObjectName(QStringLiteral("RichText"));
    rich->setChecked(true);
    rich->setEnabled(false);
    auto* info = new QPushButton(QStringLiteral("Information"), this);
    info->setObjectName(QStringLiteral("sbHelpSkriv"));
    info->setToolTip(QStringLiteral("Information om tekstdokumenter"));
    info->setStatusTip(info->toolTip());
    info->setFocusPolicy(Qt::NoFocus);
    info->setMinimumWidth(info->sizeHint().width());
    connect(info, &QPushButton::clicked, this, &TSkrivPanel::hjaelp);
    auto* venstre = new QVBoxLayout;
    venstre->setSpacing(2);
    venstre->addWidget(rich);
    venstre->addWidget(info);
    row->addLayout(venstre);

    row->addWidget(m_colorGrid, 0, Qt::AlignVCenter);
    connect(m_colorGrid, &TColorGrid::clicked, this, [this] {
        m_colorGrid->setBackgroundIndex(15);
        emit farveValgt(m_colorGrid->ForegroundColor());
    });

    m_fontName->setObjectName(QStringLiteral("FontName"));
    m_fontName->setMaxVisibleItems(24);
    m_fontName->setMinimumContentsLength(18);
    m_fontName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(m_fontName, &QComboBox::activated, this,
            [this](int index) { emit fontValgt(m_fontName->itemText(index)); });
    row->addWidget(medEtiket(QStringLiteral("Fontnavn"), m_fontName, this));

    m_sizBox->setObjectName(QStringLiteral("SizBox"));
    m_sizBox->setMinimumContentsLength(3);
    connect(m_sizBox, &TFontSizeComboBox::OnNyFontsize, this, &TSkrivPanel::stoerrelseValgt);
    row->addWidget(medEtiket(QStringLiteral("Font størrelse"), m_sizBox, this));

    for (const int size : {10, 11, 12, 14}) {
        auto* knap = new QToolButton(this);
        knap->setObjectName(QStringLiteral("Size%1").arg(size));
        knap->setText(QString::number(size));
        knap->setToolTip(QStringLiteral("Fontstørrelse %1").arg(size));
        knap->setStatusTip(knap->toolTip());
        knap->setAutoRaise(true);
        connect(knap, &QToolButton::clicked, this, [this, size] { emit stoerrelseValgt(size); });
        row->addWidget(knap, 0, Qt::AlignBottom);
    }
    for (QAction* action : {overskrift, tekst}) {
        auto* knap = new QToolButton(this);
        knap->setDefaultAction(action);
        knap->setAutoRaise(true);
        row->addWidget(knap, 0, Qt::AlignBottom);
    }
    row->addStretch();
}

void TSkrivPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_fontName->count() == 0)
        FillFontNames();
}

void TSkrivPanel::FillFontNames() {
    QStringList names = QFontDatabase::families();
    names.sort(Qt::CaseInsensitive);
    const QSignalBlocker quiet(m_fontName);
    m_fontName->clear();
    m_fontName->addItems(names);
    const QString shown = OldFontname;
    OldFontname.clear();
    ShowFontName(shown);
}

void TSkrivPanel::ShowFontName(const QString& name) {
    if (name == OldFontname)
        return;
    const QSignalBlocker quiet(m_fontName);
    m_fontName->setCurrentIndex(m_fontName->findText(name));
    OldFontname = name;
}

int TSkrivPanel::ShowFontSize(const QString& name, int size) {
    if (name != OldFontSizname) {
        m_sizBox->setFontName(name);
        OldFontSizname = name;
    }
    if (!m_sizBox->vaelgStoerrelse(size) && m_sizBox->count() > 0) {
        const QSignalBlocker quiet(m_sizBox);
        m_sizBox->setCurrentIndex(0);
    }
    return m_sizBox->currentText().toInt();
}
