#pragma once

#include "engine/tekstsoegning.h"

#include <QAbstractTableModel>

// The rows of the text search window: document, position and line of each hit.
class TekstFundModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setFund(QList<TekstFund> fund);
    void tilfoej(const QList<TekstFund>& fund);
    const TekstFund& fund(int row) const { return m_fund.at(row); }
    void fjern(int row);

private:
    QList<TekstFund> m_fund;
};
