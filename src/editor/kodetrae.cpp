#include "kodetrae.h"

Kodetrae::Kodetrae(QObject* parent) : QAbstractItemModel(parent) {}

void Kodetrae::begynd() {
    beginResetModel();
}

void Kodetrae::afslut() {
    endResetModel();
}

void Kodetrae::ryd(bool medRod) {
    m_knuder.clear();
    if (medRod) {
        Knude rod;
        rod.ord = QStringLiteral("Hjemmeside");
        rod.data.TagEnd = 1;
        m_knuder.append(rod);
    }
}

int Kodetrae::tilfoej(int foraelder, const QString& ord, const TData& data, Navnerum rum) {
    Knude knude;
    knude.rum = rum;
    knude.ord = ord;
    knude.data = data;
    knude.foraelder = foraelder;
    knude.raekke = int(m_knuder[foraelder].boern.size());
    knude.dybde = m_knuder[foraelder].dybde + 1;
    const int nr = int(m_knuder.size());
    m_knuder[foraelder].boern.append(nr);
    m_knuder.append(std::move(knude));
    return nr;
}

QString Kodetrae::tekst(int knude) const {
    return m_knuder[knude].ord + m_knuder[knude].note;
}

void Kodetrae::noterSkiftet() {
    if (m_knuder.isEmpty())
        return;
    // The texts change in place: the views keep their expanded nodes and repaint.
    emit layoutAboutToBeChanged();
    emit layoutChanged();
}

void Kodetrae::forHverKnude(const std::function<void(int)>& besoeg) const {
    if (m_knuder.isEmpty())
        return;
    // An explicit stack of (node, next child) keeps deep trees off the call stack.
    QList<std::pair<int, int>> stak{{0, 0}};
    while (!stak.isEmpty()) {
        auto& [knude, naeste] = stak.last();
        const QList<int>& boern = m_knuder[knude].boern;
        if (naeste == boern.size()) {
            stak.removeLast();
            continue;
        }
        const int barn = boern[naeste++];
        besoeg(barn);
        stak.append({barn, 0});
    }
}

QModelIndex Kodetrae::indexAf(int knude) const {
    if (knude < 0 || knude >= m_knuder.size())
        return {};
    return createIndex(knude == 0 ? 0 : m_knuder[knude].raekke, 0, quintptr(knude));
}

int Kodetrae::knudeAf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    return int(index.internalId());
}

QModelIndex Kodetrae::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 && !m_knuder.isEmpty() ? createIndex(0, 0, quintptr(0)) : QModelIndex();
    const QList<int>& boern = m_knuder[knudeAf(parent)].boern;
    return row < boern.size() ? createIndex(row, 0, quintptr(boern[row])) : QModelIndex();
}

QModelIndex Kodetrae::parent(const QModelIndex& child) const {
    const int knude = knudeAf(child);
    return knude > 0 ? indexAf(m_knuder[knude].foraelder) : QModelIndex();
}

int Kodetrae::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return m_knuder.isEmpty() ? 0 : 1;
    if (parent.column() != 0)
        return 0;
    return int(m_knuder[knudeAf(parent)].boern.size());
}

int Kodetrae::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant Kodetrae::data(const QModelIndex& index, int role) const {
    const int knude = knudeAf(index);
    if (knude < 0 || role != Qt::DisplayRole)
        return {};
    return tekst(knude);
}
