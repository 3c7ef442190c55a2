#include "extform.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QLineEdit* box(const QString& name, bool readOnly, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    return box;
}

} // namespace

TextForm::TextForm(QWidget* parent) : CentredDialog(parent) {
    setObjectName(QStringLiteral("extForm"));
    setWindowTitle(QStringLiteral("Omdøb filtype"));
    setMinimumWidth(500);

    auto* explanation =
        new QLabel(QStringLiteral("Alle filer med angivne filtype i mappen og alle undermapper "
                                  "vil blive omdøbt til den nye filtype."),
                   this);
    explanation->setWordWrap(true);
    m_mappe = box(QStringLiteral("mappeEdit"), true, this);
    m_old = box(QStringLiteral("oldEdit"), true, this);
    m_new = box(QStringLiteral("newEdit"), false, this);
    m_new->installEventFilter(this);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Mappe"), m_mappe);
    fields->addRow(QStringLiteral("Filtype"), m_old);
    fields->addRow(QStringLiteral("Ny filtype"), m_new);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = addButton(buttons, QStringLiteral("okKnap"), QStringLiteral("Omdøb"), Accepted);
    QPushButton* cancel =
        addButton(buttons, QStringLiteral("annullerKnap"), QStringLiteral("Annuller"), Rejected);
    for (QPushButton* button : {m_ok, cancel}) {
        button->setToolTip(QStringLiteral("Luk boksen"));
        button->setStatusTip(QStringLiteral("Luk boksen"));
    }
    setFirstFocus(m_new);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(6);
    layout->addLayout(fields);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(500, sizeHint().height());
}

void TextForm::setFolder(const QString& folder) {
    m_mappe->setText(folder);
}

void TextForm::setOldType(const QString& type) {
    m_old->setText(type);
}

QString TextForm::newType() const {
    return m_new->text();
}

void TextForm::clear() {
    m_mappe->clear();
    m_old->clear();
    m_new->clear();
}

bool TextForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_new && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_ok->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return CentredDialog::eventFilter(watched, event);
}
