#include "markoerliste.h"

#include "markoertegner.h"

#include <QPainter>

namespace {

// A filled circle or square of 10 x 10 pixels, 5 pixels from the row's top.
class FormTegner : public MarkoerTegner {
public:
    FormTegner(MarkoerListe::Form form, QColor farve, QObject* parent)
        : MarkoerTegner(QPalette::Button, QPalette::ButtonText, parent), m_form(form),
          m_farve(farve) {}

protected:
    void tegnMarkoer(QPainter* painter, const QRect& raekke) const override {
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_farve);
        const QRect markoer(raekke.left() + 2, raekke.top() + 5, 10, 10);
        if (m_form == MarkoerListe::Form::Cirkel) {
            painter->setRenderHint(QPainter::Antialiasing);
            painter->drawEllipse(markoer);
        } else {
            painter->drawRect(markoer);
        }
    }

private:
    MarkoerListe::Form m_form;
    QColor m_farve;
};

} // namespace

MarkoerListe::MarkoerListe(Form form, QColor farve, QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new FormTegner(form, farve, this));
    setFrameShape(QFrame::NoFrame);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont skrift = font();
    skrift.setPixelSize(13);
    setFont(skrift);
    // The program's style sheet gives lists the base colour; these lie on the button face.
    setStyleSheet(QStringLiteral("QListView { background-color: palette(button); border: none; }"));
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
