#pragma once

#include <QImage>
#include <QWidget>

class QLabel;

// The picture window: the picture scaled down to fit with its proportions kept, and a
// status bar reading "Bredde", the width, "Højde", the height, "Navn", the file name.
class Tbilledform : public QWidget {
    Q_OBJECT

public:
    explicit Tbilledform(QWidget* parent = nullptr);

    void showPicture(const QImage& picture, const QString& fileName);
    // Status bar panel `index` (0 to 5).
    QString panelText(int index) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fit();

    QImage m_picture;
    QLabel* m_image = nullptr;
    QList<QLabel*> m_panels;
};
