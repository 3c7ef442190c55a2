#include "udskrivning.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextDocument>

#include <cmath>
#include <memory>

std::optional<double> Udskrivning::centimeter(const QString& tekst) {
    static const QRegularExpression tal(QStringLiteral("^[0-9]+(,[0-9]*)?$|^,[0-9]+$"));
    if (!tal.match(tekst).hasMatch())
        return std::nullopt;
    return QString(tekst).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QRect Udskrivning::sideRektangel(const QPrinter& printer, const Margener& margener) {
    const QRectF papir = printer.paperRect(QPrinter::DevicePixel);
    const double x = printer.resolution();
    const double y = printer.resolution();
    // Rounded to the nearest pixel, halves to the even one.
    const auto pixels = [](double cm, double ppi) { return int(std::rint(cm / 2.54 * ppi)); };
    const int venstre = pixels(margener.venstre, x);
    const int top = pixels(margener.top, y);
    const int hoejre = int(papir.width()) - pixels(margener.hoejre, x);
    const int bund = int(papir.height()) - pixels(margener.bund, y);
    if (hoejre <= venstre || bund <= top)
        return {};
    return {venstre, top, hoejre - venstre, bund - top};
}

bool Udskrivning::PrintWithMargins(const QTextDocument& dokument, const QFont& font,
                                   QPrinter& printer, const Margener& margener, int kopier) {
    printer.setFullPage(true);
    printer.setDocName(QString());
    const QRect side = sideRektangel(printer, margener);
    if (side.isEmpty() || kopier < 1)
        return false;
    // A copy laid out for the printer, page by page, leaves the editor's layout alone.
    const std::unique_ptr<QTextDocument> kopi(dokument.clone());
    kopi->setDefaultFont(font);
    kopi->documentLayout()->setPaintDevice(&printer);
    kopi->setDocumentMargin(0);
    kopi->setPageSize(side.size());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const int sider = kopi->pageCount();
    QCoreApplication::processEvents();
    for (int k = 0; k < kopier; ++k) {
        for (int s = 0; s < sider; ++s) {
            if (k > 0 || s > 0)
                printer.newPage();
            const QRectF udsnit(0, qreal(s) * side.height(), side.width(), side.height());
            painter.save();
            painter.translate(side.left(), side.top() - udsnit.top());
            kopi->drawContents(&painter, udsnit);
            painter.restore();
        }
        QCoreApplication::processEvents();
    }
    return painter.end();
}
