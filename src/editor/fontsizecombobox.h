#pragma once

#include <QComboBox>

// The size box of the document window's font panel: the sizes a font offers, rebuilt each
// time the font name is set. A scalable font offers the sixteen usual sizes; a bitmap font
// its own sizes in ascending order. Picking a size, or typing one and pressing Enter, tells
// the number through OnNyFontsize.
class TFontSizeComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TFontSizeComboBox(QWidget* parent = nullptr);

    const QString& FontName() const { return FFontName; }
    // Rebuilds the size list for the font; the entry equal to the box's text stays chosen.
    void setFontName(const QString& name);
    // Chooses the entry equal to `size` without telling anyone; false when it is not listed.
    bool vaelgStoerrelse(int size);

signals:
    void OnNyFontsize(int nyFontsize);

private:
    void BuildSizeList();

    QString FFontName;
};
