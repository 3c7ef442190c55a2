#include "vinduesplads.h"

#include "filtal.h"
#include "skaermplads.h"

#include "platform/platform.h"
#include "platform/textfile.h"

#include <QWidget>

void Vinduesplads::hent(QWidget& window, const QString& filnavn) {
    if (!Platform::files().exists(filnavn))
        return;
    QStringList lines;
    if (TextFile::read(filnavn, lines) && lines.size() >= 2) {
        const std::optional<int> x = FilTal::tal(lines[0]);
        const std::optional<int> y = FilTal::tal(lines[1]);
        if (x && y) {
            window.move(Skaermplads::inden(QRect(QPoint(*x, *y), window.size())).topLeft());
            return;
        }
    }
    window.move(20, 20);
}

bool Vinduesplads::gem(const QWidget& window, const QString& filnavn) {
    return TextFile::write(filnavn, {QString::number(window.x()), QString::number(window.y())})
        .ok();
}
