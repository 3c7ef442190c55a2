#include "fileexistsform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfileExistsForm::TfileExistsForm(QWidget* parent) : CentredDialog(parent) {
    setObjectName(QStringLiteral("fileExistsForm"));
    setWindowTitle(QStringLiteral("Hvad skal der gøres"));
    setMinimumWidth(379);

    m_filinfoLabel = new QLabel(this);
    m_filinfoLabel->setObjectName(QStringLiteral("filinfoLabel"));
    m_filinfoLabel->setTextFormat(Qt::PlainText);
    m_fileBox = new QListWidget(this);
    m_fileBox->setObjectName(QStringLiteral("fileBox"));

    auto* resultBox = new QGroupBox(QStringLiteral("Handling"), this);
    resultBox->setObjectName(QStringLiteral("resultBox"));
    auto* choices = new QVBoxLayout(resultBox);
    m_result = new QButtonGroup(this);
    const QStringList captions = {
        QStringLiteral("Overskriv ingen"), QStringLiteral("Overskriv alle"),
        QStringLiteral("Spørg hver gang"), QStringLiteral("Opret kopier")};
    for (const QString& caption : captions) {
        auto* choice = new QRadioButton(caption, resultBox);
        m_result->addButton(choice, int(m_result->buttons().size()));
        choices->addWidget(choice);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* proceed =
        addButton(buttons, QStringLiteral("okButton"), QStringLiteral("Forsæt"), Accepted);
    proceed->setDefault(true);
    setFirstFocus(proceed);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filinfoLabel);
    layout->addWidget(m_fileBox, 1);
    layout->addWidget(resultBox);
    layout->addLayout(buttons);
    resize(379, 340);
}

void TfileExistsForm::setNames(const QStringList& names) {
    m_fileBox->clear();
    m_fileBox->addItems(names);
    updateCount();
}

int TfileExistsForm::choice() const {
    return m_result->checkedId();
}

void TfileExistsForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        updateCount();
        m_result->button(0)->setChecked(true);
    }
    CentredDialog::showEvent(event);
}

void TfileExistsForm::updateCount() {
    const int n = m_fileBox->count();
    m_filinfoLabel->setText(QStringLiteral("Der eksisterer %1 %2 med samme navn.")
                                .arg(n)
                                .arg(n == 1 ? QStringLiteral("fil") : QStringLiteral("filer")));
}
