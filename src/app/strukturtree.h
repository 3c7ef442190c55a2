#pragma once

#include <QTreeWidget>
#include <functional>

// The two trees of the main window. A drag carries no data of its own: the window registers
// the dragged elements with the engine when it starts and pastes them when it ends, so the
// hooks below decide everything and the tree never moves its own items.
class StrukturTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit StrukturTree(QWidget* parent = nullptr);

    // May the selection be dragged? Registers it when it may.
    std::function<bool()> startingDrag;
    // Called when the drag is over, dropped or not.
    std::function<void()> dragEnded;
    // Whether a drop here would be taken.
    std::function<bool(const QDropEvent* event)> accepts;
    // A drop at a point of the viewport.
    std::function<void(const QDropEvent* event)> dropped;

    // The mime type of a drag between the program's own trees.
    static QString mimeType();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
