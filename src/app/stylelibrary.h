#pragma once

#include <QList>
#include <QPalette>
#include <QString>
#include <QStringList>

#include <optional>

// The program's named visual styles, in the installed "Styles" folder: one file
// "<Name>.qss" per style, whose header comment
//   /* palette: window=#eaf3fb; windowText=#1c2a38; ... */
// gives the style's colours. The shared rules in "common.qss" are put before each style's
// own rules, and every "@key" in them is replaced by that colour of the style (or by one
// derived from the others). A style turns into a QPalette plus an application style sheet
// on the Fusion style, so widgets the sheet leaves alone still match.
class StyleLibrary {
public:
    // Finds the style files present and readable; missing ones are left out. A style is
    // read when it is first applied.
    StyleLibrary();

    // The styles found, in the fixed order of the program's style list.
    QStringList names() const;
    bool contains(const QString& name) const;

    // Applies the named style (ignoring case) to the whole application. An unknown name, or
    // a style file that can no longer be read, changes nothing and gives false.
    bool apply(const QString& name);
    // Plain Fusion with its own palette and no sheet: the look when no style can be used.
    void applyBuiltIn();

    // Name of the style applied last; empty while the built-in look (or nothing) is used.
    QString current() const { return m_current; }

private:
    struct Style {
        QString name;
        QPalette palette;
        QString sheet;
        bool resolved;
    };

    // The place of the named style (ignoring case); -1 for none.
    qsizetype indexOf(const QString& name) const;
    // Reads the style's file and works out its palette and sheet, once.
    bool resolve(Style& style) const;

    QString m_folder;
    mutable std::optional<QString> m_common; // the shared rules, read with the first style
    QList<Style> m_styles;
    QString m_current;
};
