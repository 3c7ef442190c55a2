#pragma once

#include <QString>

// One program of the program list: the menu text, the program file's full path, its start
// arguments (the program window stores none) and how its window is shown (1 normal,
// 3 maximised).
struct TProgRec {
    QString Caption;
    QString Filnavn;
    QString Parameter;
    quint8 ShowType = 1;
};
