#pragma once

#include "clipboard.h"

// The desktop clipboard's text.
class GuiClipboard : public Clipboard {
public:
    void setText(const QString& text) override;
    QString text() const override;
};
