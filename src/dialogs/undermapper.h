#pragma once

#include <QStringList>

// The names of a folder's visible subfolders (links to folders included) that have a
// logical form, in name order; none when the folder cannot be read.
QStringList undermapper(const QString& folder);
