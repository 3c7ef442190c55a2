#pragma once

#include <QStringList>

// The lines a new document of a known kind starts with, and the line after which the caret
// is to stand. The extension is compared exactly: ".html" has a template, ".HTML" none.
class DokumentSkabelon {
public:
    struct Skabelon {
        QStringList linjer;
        int markeret = -1; // index of the marked line; -1: no template
    };
    static Skabelon af(const QString& ext);
};
