#include "printform.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kStandard[5] = {"2,5", "1", "2", "1,5", "1"};

// Keeps the digits (and with `medKomma` the commas) and puts the caret at the end.
void rens(QLineEdit* boks, bool medKomma) {
    const QString tekst = boks->text();
    QString renset;
    for (const QChar c : tekst)
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (medKomma && c == QLatin1Char(',')))
            renset.append(c);
    if (renset != tekst)
        boks->setText(renset);
    boks->setCursorPosition(int(renset.size()));
}

} // namespace

Tprintform::Tprintform(QWidget* parent) : CentredDialog(parent) {
    setObjectName(QStringLiteral("printform"));
    setWindowTitle(QStringLiteral("Udskriv dokument"));

    const char* const navne[5] = {"Venstre", "Højre", "Top", "Bund", "Kopiantal"};
    auto* margener = new QGroupBox(QStringLiteral("Margen i centimeter"), this);
    auto* margenFelter = new QFormLayout(margener);
    auto* aktion = new QGroupBox(QStringLiteral("Aktion"), this);
    auto* aktionFelter = new QVBoxLayout(aktion);
    auto* kopiFelt = new QFormLayout;
    aktionFelter->addLayout(kopiFelt);
    for (int i = 0; i < 5; ++i) {
        auto* boks = new QLineEdit(this);
        boks->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        boks->setMaximumWidth(70);
        const bool margen = i < 4;
        connect(boks, &QLineEdit::textEdited, this, [boks, margen] { rens(boks, margen); });
        (margen ? margenFelter : kopiFelt)->addRow(QString::fromUtf8(navne[i]), boks);
        m_edits[i] = boks;
    }

    auto* knapper = new QHBoxLayout;
    auto* standardKnap = new QPushButton(QStringLiteral("Standard"), this);
    standardKnap->setObjectName(QStringLiteral("standardKnap"));
    standardKnap->setAutoDefault(false);
    connect(standardKnap, &QPushButton::clicked, this, &Tprintform::standard);
    knapper->addWidget(standardKnap);
    addButton(knapper, QStringLiteral("annullerKnap"), QStringLiteral("Annuller"), Rejected);
    QPushButton* print =
        addButton(knapper, QStringLiteral("printKnap"), QStringLiteral("Print    "), Accepted);
    print->setDefault(true);
    aktionFelter->addStretch();
    aktionFelter->addLayout(knapper);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(margener);
    layout->addWidget(aktion, 1);
    setFirstFocus(m_edits[0]);
    standard();
}

void Tprintform::standard() {
    for (int i = 0; i < 5; ++i)
        m_edits[i]->setText(QString::fromLatin1(kStandard[i]));
}

QString Tprintform::venstre() const {
    return m_edits[0]->text();
}

QString Tprintform::hoejre() const {
    return m_edits[1]->text();
}

QString Tprintform::top() const {
    return m_edits[2]->text();
}

QString Tprintform::bund() const {
    return m_edits[3]->text();
}

QString Tprintform::kopier() const {
    return m_edits[4]->text();
}
