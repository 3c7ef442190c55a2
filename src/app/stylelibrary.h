#pragma once

#include <QList>
#include <QPalette>
#include <QString>
#include <QStringList>

// The program's named visual styles, read once from the installed "Styles" folder: one file
// "<Name>.qss" per style, whose header comment
//   /* palette: window=#eaf3fb; windowText=#1c2a38; ... */
// gives the style's colours. The shared rules in "common.qss" are put before each style's
// own rules, and every "@key" in them is replaced by that colour of the style (or by one
// derived from the others). A style turns into a QPalette plus an application style sheet
// on the Fusion style, so widgets the sheet leaves alone still match.
class StyleLibrary {
public:
    // Reads every style file that is present and readable; missing ones are left out.
    StyleLibrary();

    // The styles found, in the fixed order of the program's style list.
    QStringList names() const;
    bool contains(const QString& name) const;

    // Applies the named style (ignoring case) to the whole application. An unknown name
    // changes nothing and gives false.
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
    };

    const Style* find(const QString& name) const;

    QList<Style> m_styles;
    QString m_current;
};
