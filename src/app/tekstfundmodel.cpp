#include "tekstfundmodel.h"

int TekstFundModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_fund.size());
}

int TekstFundModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TekstFundModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_fund.size())
        return {};
    const TekstFund& f = m_fund.at(index.row());
    switch (index.column()) {
    case 0:
        return f.dokument;
    case 1:
        return f.position;
    default:
        return f.tekst;
    }
}

QVariant TekstFundModel::headerData(int section, Qt::Orientation orientation, int role) const {
    static const char* const titles[] = {"Dokument", "Position", "Tekst"};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section > 2)
        return {};
    return QLatin1String(titles[section]);
}

void TekstFundModel::setFund(QList<TekstFund> fund) {
    beginResetModel();
    m_fund = std::move(fund);
    endResetModel();
}

void TekstFundModel::tilfoej(const QList<TekstFund>& fund) {
    if (fund.isEmpty())
        return;
    beginInsertRows({}, int(m_fund.size()), int(m_fund.size() + fund.size() - 1));
    m_fund.append(fund);
    endInsertRows();
}

void TekstFundModel::fjern(int row) {
    if (row < 0 || row >= m_fund.size())
        return;
    beginRemoveRows({}, row, row);
    m_fund.removeAt(row);
    endRemoveRows();
}
