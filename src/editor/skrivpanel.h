#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class TColorGrid;
class TFontSizeComboBox;

// The font panel above a rich text document: the colour grid, the font names, the size box
// with the quick sizes 10, 11, 12 and 14, and the heading and body text buttons. It shows
// what the window tells it and reports what the user picks; the window applies it.
class TSkrivPanel : public QWidget {
    Q_OBJECT

public:
    // `overskrift` and `tekst` are the window's "O" and "T" actions.
    TSkrivPanel(QAction* overskrift, QAction* tekst, QWidget* parent = nullptr);

    TColorGrid* ColorGrid() const { return m_colorGrid; }
    QComboBox* FontName() const { return m_fontName; }
    TFontSizeComboBox* SizBox() const { return m_sizBox; }

    // Lists every font family, sorted; done once, when the panel is first shown.
    void FillFontNames();
    // Shows a font name, unless it is the one shown last.
    void ShowFontName(const QString& name);
    // Rebuilds the size box when the font differs from the one it was built for, then
    // chooses `size`, or the first entry when that size is not listed; the chosen size.
    int ShowFontSize(const QString& name, int size);

signals:
    void fontValgt(const QString& name);
    void stoerrelseValgt(int size);
    void farveValgt(const QColor& color);
    void hjaelp();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TColorGrid* m_colorGrid;
    QComboBox* m_fontName;
    TFontSizeComboBox* m_sizBox;
    QString OldFontname;
    QString OldFontSizname;
};
