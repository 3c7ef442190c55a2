#include "markoerliste.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int RaekkeHoejde = 19;

// Draws one row: marker 10 x 10 at (2, 5), text at (14, 1), a silver line along the bottom.
class MarkoerTegner : public QStyledItemDelegate {
public:
    MarkoerTegner(MarkoerListe::Form form, QColor farve, QObject* parent)
        : QStyledItemDelegate(parent), m_form(form), m_farve(farve) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect raekke = option.rect;
        const bool valgt = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(raekke, valgt ? option.palette.highlight() : option.palette.button());
        painter->setRenderHint(QPainter::Antialiasing, m_form == MarkoerListe::Form::Cirkel);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_farve);
        const QRect markoer(raekke.left() + 2, raekke.top() + 5, 10, 10);
        if (m_form == MarkoerListe::Form::Cirkel)
            painter->drawEllipse(markoer);
        else
            painter->drawRect(markoer);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setFont(option.font);
        painter->setPen(valgt ? option.palette.highlightedText().color() : QColor(Qt::black));
        const QRect tekst = raekke.adjusted(14, 1, -2, 0);
        painter->drawText(
            tekst, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, tekst.width()));
        painter->setPen(QColor(192, 192, 192));
        painter->drawLine(raekke.left(), raekke.bottom(), raekke.right(), raekke.bottom());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {14 + option.fontMetrics.horizontalAdvance(index.data().toString()) + 4,
                RaekkeHoejde};
    }

private:
    MarkoerListe::Form m_form;
    QColor m_farve;
};

} // namespace

MarkoerListe::MarkoerListe(Form form, QColor farve, QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new MarkoerTegner(form, farve, this));
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont skrift = font();
    skrift.setPixelSize(13);
    setFont(skrift);
    QPalette farver = palette();
    farver.setBrush(QPalette::Base, farver.button());
    setPalette(farver);
}

QStringList MarkoerListe::tekster() const {
    QStringList result;
    for (int i = 0; i < count(); ++i)
        result << item(i)->text();
    return result;
}

void MarkoerListe::setTekster(const QStringList& tekster) {
    clear();
    addItems(tekster);
}

bool MarkoerListe::harValgt() const {
    return valgtRaekke() >= 0;
}

int MarkoerListe::valgtRaekke() const {
    const QList<QListWidgetItem*> valgte = selectedItems();
    return valgte.isEmpty() ? -1 : row(valgte.first());
}

void MarkoerListe::vaelg(int raekke) {
    if (raekke < 0 || raekke >= count()) {
        clearSelection();
        return;
    }
    setCurrentRow(raekke, QItemSelectionModel::ClearAndSelect);
}
