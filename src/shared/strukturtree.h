#pragma once

#include "engine/strukturvisning.h"

#include <functional>

class QDrag;

// A tree of the engine that drags and takes drops. A drag carries no data of its own: the
// elements dragged are registered with the engine when it starts and pasted when it ends, so
// the tree's rules decide everything and the tree never moves its own items.
class StrukturTree : public StrukturVisning {
    Q_OBJECT

public:
    // What decides about drags and drops on a tree.
    class Regler {
    public:
        virtual ~Regler() = default;
        // May the selection of `tree` be dragged? Registers it when it may.
        virtual bool startingDrag(const StrukturTree& tree) = 0;
        // Whether a drop would be taken.
        virtual bool accepts(const QDropEvent* event) const = 0;
    };

    explicit StrukturTree(QWidget* parent = nullptr);

    void setRegler(Regler* regler) { m_regler = regler; }
    bool accepts(const QDropEvent* event) const { return m_regler && m_regler->accepts(event); }

    // The mime type of a drag between the program's own trees.
    static QString mimeType();
    // Runs a drag until it is dropped or given up. It is QDrag::exec; a window system that
    // runs no drags of its own (the offscreen platform runs none) is given one here, and
    // none restores QDrag::exec.
    using Udfoerer = std::function<void(QDrag& drag)>;
    static void setUdfoerer(Udfoerer udfoerer);

signals:
    // The drag that started here is over, dropped or not.
    void dragEnded();
    // A drop that the rules accepted, at a point of the viewport.
    void dropped(const QDropEvent* event);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Regler* m_regler = nullptr;
};
