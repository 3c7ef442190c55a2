#include "genvejform.h"
#include "breddeknapper.h"

#include "engine/grundmetoder.h"
#include "engine/handlinger.h"
#include "platform/logicalpath.h"
#include "shared/dialogknapper.h"
#include "shared/mainhost.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

constexpr int kBredde = 480;

} // namespace

Tgenvejform::Tgenvejform(MainHost& host)
    : CentredDialog(host.hovedvindue()), m_host(host), m_editTarget(new QLineEdit(this)),
      m_editName(new QLineEdit(this)) {
    setObjectName(QStringLiteral("genvejform"));
    setWindowTitle(QStringLiteral("Opret genvej"));
    m_editTarget->setObjectName(QStringLiteral("EditTarget"));
    m_editName->setObjectName(QStringLiteral("EditName"));

    auto* rows = new QGridLayout;
    auto* vejledning = new QLabel(
        QStringLiteral("Hvis genvejen skal være genvej til mappe, så vælg mappe."), this);
    // At the narrow width the text wraps and the buttons keep their room.
    vejledning->setWordWrap(true);
    rows->addWidget(vejledning, 0, 0, 1, 3);
    QPushButton* mappeKnap =
        dialogKnap("openKnapMappe", QStringLiteral("Vælg mappe"),
                   QStringLiteral("Vælg den mappe der skal oprettes genvej til"), this);
    rows->addWidget(mappeKnap, 0, 3);
    rows->addWidget(new QLabel(QStringLiteral("Genvej til:"), this), 1, 0);
    rows->addWidget(m_editTarget, 1, 1, 1, 2);
    QPushButton* programKnap = dialogKnap(
        "openKnap", QStringLiteral("Vælg program"),
        QStringLiteral("Vælg det program eller den fil der skal oprettes genvej til"), this);
    rows->addWidget(programKnap, 1, 3);
    rows->addWidget(new QLabel(QStringLiteral("Navn:"), this), 2, 0);
    rows->addWidget(m_editName, 2, 1);
    auto* slet = new QToolButton(this);
    slet->setObjectName(QStringLiteral("ButtonSlet"));
    slet->setIcon(programIcon(QStringLiteral("doc-close")));
    slet->setToolTip(QStringLiteral("Slet teksten og indfør nyt genvejs navn"));
    slet->setStatusTip(slet->toolTip());
    rows->addWidget(slet, 2, 2);
    // Enter in either box creates the shortcut.
    QPushButton* opret = dialogKnap("ButtonOpret", QStringLiteral("Opret    "),
                                    QStringLiteral("Opret genvejen og luk"), this);
    opret->setDefault(true);
    rows->addWidget(opret, 2, 3);
    rows->setColumnStretch(1, 1);

    auto* bund = new QHBoxLayout;
    QPushButton* info = dialogKnap("ButtonInfo", QStringLiteral("Information   "),
                                   QStringLiteral("Information om oprettelse af genveje"), this);
    bund->addWidget(info);
    m_bredde = new BreddeKnapper(*this, bund, kBredde, kBredde);
    bund->addStretch();
    QPushButton* annuller = dialogKnap("ButtonAnnuller", QStringLiteral("Annuller"),
                                       QStringLiteral("Annuller og luk"), this);
    bund->addWidget(annuller);

    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    column->addLayout(bund);
    setFixedHeight(sizeHint().height());
    setFirstFocus(m_editTarget);

    connect(mappeKnap, &QPushButton::clicked, this, &Tgenvejform::vaelgMappe);
    connect(programKnap, &QPushButton::clicked, this, &Tgenvejform::vaelgProgram);
    connect(slet, &QToolButton::clicked, this, [this] {
        m_editName->clear();
        m_editName->setFocus();
    });
    connect(opret, &QPushButton::clicked, this, &QDialog::accept);
    connect(info, &QPushButton::clicked, this,
            [this] { m_host.HelpInfo(QStringLiteral("Genveje"), true); });
    connect(annuller, &QPushButton::clicked, this, &QDialog::reject);
}

void Tgenvejform::vaelgProgram() {
    const std::optional<QString> fil = m_host.vaelgFil(m_host.funk().Grundmappe(), true);
    if (!fil)
        return;
    m_editTarget->setText(*fil);
    m_editName->setText(LogicalPath::baseName(*fil));
}

void Tgenvejform::vaelgMappe() {
    const std::optional<QString> mappe = m_host.vaelgStrukturMappe(m_host.funk().Grundmappe());
    if (!mappe)
        return;
    m_editTarget->setText(*mappe);
    m_editName->setText(TGrundMetoder::getLastDirectory(*mappe));
}
