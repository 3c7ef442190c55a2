#include "guiclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

void GuiClipboard::setText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString GuiClipboard::text() const {
    return QGuiApplication::clipboard()->text();
}
