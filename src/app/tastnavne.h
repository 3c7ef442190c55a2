#pragma once

#include <QTranslator>

// The names of keys as menus and hints show them, in Danish whatever the machine's locale:
// "Skift" for Shift, "Enter" for Return, "Mellemrum" for Space, "Page Up" for PgUp ...
// Installed in the application, it gives every QKeySequence shown as native text these names.
class Tastnavne : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
};
