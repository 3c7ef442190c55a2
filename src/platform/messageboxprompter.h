#pragma once

#include "prompter.h"

// Plain modal message boxes centred on the screen.
class MessageBoxPrompter : public Prompter {
public:
    void message(const QString& text, MessageKind kind) override;
    bool question(const QString& text) override;
};
