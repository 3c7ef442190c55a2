#include "tastnavne.h"

#include <QHash>

QString Tastnavne::translate(const char* context, const char* sourceText, const char*, int) const {
    // Ctrl, Alt, Tab, Del, Ins, Home, End and Esc keep the names on the keys.
    static const QHash<QByteArray, QString> danish = {{"Shift", QStringLiteral("Skift")},
                                                      {"Return", QStringLiteral("Enter")},
                                                      {"Space", QStringLiteral("Mellemrum")},
                                                      {"Backspace", QStringLiteral("Tilbage")},
                                                      {"PgUp", QStringLiteral("Page Up")},
                                                      {"PgDown", QStringLiteral("Page Down")},
                                                      {"Left", QStringLiteral("Venstre")},
                                                      {"Right", QStringLiteral("Højre")},
                                                      {"Up", QStringLiteral("Op")},
                                                      {"Down", QStringLiteral("Ned")},
                                                      {"Print", QStringLiteral("Print Screen")}};
    if (qstrcmp(context, "QShortcut") != 0)
        return {};
    return danish.value(QByteArray(sourceText));
}
