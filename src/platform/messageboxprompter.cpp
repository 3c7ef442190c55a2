#include "messageboxprompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

void MessageBoxPrompter::message(const QString& text, MessageKind kind) {
    QMessageBox box(kind == MessageKind::Error     ? QMessageBox::Critical
                    : kind == MessageKind::Warning ? QMessageBox::Warning
                                                   : QMessageBox::Information,
                    QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    // Messages carry names and paths, which are never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxPrompter::question(const QString& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nej"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja;
}
