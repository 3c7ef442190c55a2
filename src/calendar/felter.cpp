#include "felter.h"

#include "platform/platform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Felter {

QPushButton* knap(const QString& text, const QString& hint, const QString& name, QWidget* parent) {
    auto* b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(false);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    return b;
}

QLineEdit* talboks(int cifre, const QString& hint, const QString& name, QWidget* parent) {
    auto* e = named(new QLineEdit(parent), name);
    e->setMaxLength(cifre);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(cifre * 11 + 16);
    if (!hint.isEmpty())
        e->setToolTip(hint);
    return e;
}

QGroupBox* gruppe(const QString& title, const QList<QPair<QString, QWidget*>>& columns,
                  QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < columns.size(); ++c) {
        if (!columns.at(c).first.isEmpty())
            grid->addWidget(new QLabel(columns.at(c).first, box), 0, c);
        grid->addWidget(columns.at(c).second, 1, c);
    }
    return box;
}

std::optional<int> tal(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 9)
        return std::nullopt;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    return t.toInt();
}

std::optional<int> tal(const QLineEdit* box) {
    return tal(box->text());
}

void melding(const QString& text) {
    Platform::prompter().message(text, MessageKind::Information);
}

} // namespace Felter
