#pragma once

#include <QPoint>
#include <QString>

class QListWidget;
class QWidget;
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
// A drag with the mouse from the node to the point `at` of `target` (a tree's viewport or a
// widget of its own): press on the node, move beyond the start distance, drop on the target.
// Returns when the drag has ended.
void drag(StrukturVisning* tree, StrukturItem* node, QWidget* target, QPoint at);
// The same on a row of a list.
void click(QListWidget* list, int row);
void doubleClick(QListWidget* list, int row);

} // namespace TreeClicks
