#include "aboutbox.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

TAboutBox::TAboutBox(QWidget* parent) : CentredDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Ravnsti"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(programIcon(QStringLiteral("ravnsti")).pixmap(48, 48));

    auto* name = new QLabel(QStringLiteral("Ravnsti"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    name->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version " RAVNSTI_VERSION), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* description = new QLabel(QStringLiteral("Sti, mappe og filfinder med teksteditor"), this);
    description->setObjectName(QStringLiteral("Comments"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addSpacing(8);
    texts->addWidget(description);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* luk =
        addButton(buttons, QStringLiteral("OKButton"), QStringLiteral("Luk"), Accepted);
    luk->setDefault(true);
    setFirstFocus(luk);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
}
