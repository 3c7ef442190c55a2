#pragma once

#include <QRect>
#include <optional>

class QFont;
class QPrinter;
class QString;
class QTextDocument;

// Printing a document inside page margins given in centimetres, once per copy.
class Udskrivning {
public:
    struct Margener {
        double venstre = 0;
        double hoejre = 0;
        double top = 0;
        double bund = 0;
    };

    // A number as the print dialog holds it, "2,5": the decimal comma whatever the locale;
    // nullopt for anything else.
    static std::optional<double> centimeter(const QString& tekst);
    // The part of the paper inside the margins, in the printer's pixels from the paper's
    // corner; empty when the margins leave nothing.
    static QRect sideRektangel(const QPrinter& printer, const Margener& margener);
    // Prints `kopier` copies of the document, laid out in `font` where it names no other,
    // within the margins. False when the printer could not be started.
    static bool PrintWithMargins(const QTextDocument& dokument, const QFont& font,
                                 QPrinter& printer, const Margener& margener, int kopier);
};
