#include "vinduesplads.h"

#include "platform/platform.h"
#include "platform/textfile.h"

#include <QWidget>

void Vinduesplads::hent(QWidget& window, const QString& filnavn) {
    if (!Platform::files().exists(filnavn))
        return;
    QStringList lines;
    bool left = false, top = false;
    if (TextFile::read(filnavn, lines) && lines.size() >= 2) {
        const int x = lines[0].trimmed().toInt(&left);
        const int y = lines[1].trimmed().toInt(&top);
        if (left && top) {
            window.move(x, y);
            return;
        }
    }
    window.move(20, 20);
}

bool Vinduesplads::gem(const QWidget& window, const QString& filnavn) {
    return TextFile::write(filnavn, {QString::number(window.x()), QString::number(window.y())})
        .ok();
}
