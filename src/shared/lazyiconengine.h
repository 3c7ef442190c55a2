#pragma once

#include <QIconEngine>
#include <functional>
#include <optional>

// An icon that is loaded when it is first drawn or measured, not when it is made: start-up
// makes far more icons, for menus, tool bars, the icon lists and hidden windows, than the
// first show draws, and reading an SVG or a style's pictures is what costs.
class LazyIconEngine : public QIconEngine {
public:
    // The icon of a file, a square SVG of the resource. Being square, it is measured without
    // being loaded: a tree asks the size of every row's icon before it draws any.
    static QIcon icon(const QString& fileName);
    // The icon `load` gives.
    static QIcon icon(std::function<QIcon()> load);

    explicit LazyIconEngine(std::function<QIcon()> load, bool square = false)
        : m_load(std::move(load)), m_square(square) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    bool isNull() override;

private:
    const QIcon& loaded();

    std::function<QIcon()> m_load;
    bool m_square;
    std::optional<QIcon> m_icon;
};
