#pragma once

#include <QString>
#include <optional>

// Numbers read from the settings and position files, which the user or another program may
// have changed: each is clamped to the range its use allows before anything adds to it.
class FilTal {
public:
    // Window coordinates and sizes: far beyond any screen, and far enough from the ends of
    // int that adding a width, a margin or a centre never overflows.
    static constexpr int kGraense = 1000000;

    // The number a line holds (blanks around it allowed), clamped to [mindst, hoejst];
    // nullopt when the line holds no whole number.
    static std::optional<int> tal(const QString& line, int mindst = -kGraense,
                                  int hoejst = kGraense);
};
