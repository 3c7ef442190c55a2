#pragma once

#include <QString>

class QListWidget;
class StrukturVisning;
class StrukturItem;

// The mouse on a tree's nodes and a list's rows, as the user uses it: events on the viewport
// at the row.
namespace TreeClicks {

// The one node of that text anywhere in the tree, failing the test when there is not one.
StrukturItem* node(const StrukturVisning* tree, const QString& text);
// A left click on the node.
void click(StrukturVisning* tree, StrukturItem* node);
// A double click as the window system delivers it: press, release, double click, release.
void doubleClick(StrukturVisning* tree, StrukturItem* node);
// The same on a row of a list.
void click(QListWidget* list, int row);
void doubleClick(QListWidget* list, int row);

} // namespace TreeClicks
