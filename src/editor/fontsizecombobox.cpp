#include "fontsizecombobox.h"

#include <QFontDatabase>
#include <QIntValidator>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>

TFontSizeComboBox::TFontSizeComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    lineEdit()->setValidator(new QIntValidator(1, 999, this));
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit OnNyFontsize(itemText(index).toInt()); });
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] {
        bool ok = false;
        const int size = currentText().toInt(&ok);
        if (ok && size > 0)
            emit OnNyFontsize(size);
    });
}

void TFontSizeComboBox::setFontName(const QString& name) {
    FFontName = name;
    BuildSizeList();
}

void TFontSizeComboBox::BuildSizeList() {
    const QString shown = currentText();
    const QSignalBlocker quiet(this);
    clear();
    if (FFontName.isEmpty())
        return;
    QList<int> sizes;
    if (QFontDatabase::isSmoothlyScalable(FFontName) || QFontDatabase::isScalable(FFontName)) {
        sizes = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    } else {
        sizes = QFontDatabase::pointSizes(FFontName);
        std::sort(sizes.begin(), sizes.end());
        sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
    }
    for (const int size : std::as_const(sizes))
        addItem(QString::number(size));
    setCurrentIndex(findText(shown));
    setEditText(shown);
}

bool TFontSizeComboBox::vaelgStoerrelse(int size) {
    const int index = findText(QString::number(size));
    if (index < 0)
        return false;
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    return true;
}
