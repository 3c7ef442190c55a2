#pragma once

#include <QString>

// One entry of a recent or favourite list: what the menu shows and the full path.
struct TReopenRec {
    QString Caption;
    QString Filnavn;
};

// The kind of path a list holds: it decides the existence checks and the duplicate rule.
enum class TItemtype { itFil, itBibliotek, itAndet };
