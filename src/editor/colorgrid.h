#pragma once

#include <QColor>
#include <QWidget>

// The sixteen standard colours in two rows. A left click chooses the foreground colour (drawn
// with "FG"), a right click the background colour ("BG"); -1 means none of the sixteen.
class TColorGrid : public QWidget {
    Q_OBJECT

public:
    explicit TColorGrid(QWidget* parent = nullptr);

    static QColor farve(int index);
    int ForegroundIndex() const { return m_foreground; }
    int BackgroundIndex() const { return m_background; }
    QColor ForegroundColor() const { return farve(m_foreground); }
    void setForegroundIndex(int index);
    void setBackgroundIndex(int index);
    // Chooses the colour's entry as foreground, none when it is not one of the sixteen.
    void setForegroundColor(const QColor& color);

    QSize sizeHint() const override;

signals:
    // The user chose a foreground colour.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect cell(int index) const;

    int m_foreground = 0;
    int m_background = 15;
};
