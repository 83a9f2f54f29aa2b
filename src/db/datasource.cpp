// SPDX-License-Identifier: MIT
#include "db/datasource.h"

#include "db/query.h"

TDataSource::TDataSource(TMyQuery &query, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent), m_query(query), m_columns(std::move(columns)), m_selection(this)
{
    connect(&m_query, &TMyQuery::resultChanged, this, &TDataSource::resultChanged);
    connect(&m_query, &TMyQuery::currentRowChanged, this, &TDataSource::queryRowChanged);
    connect(&m_selection, &QItemSelectionModel::currentRowChanged, this, &TDataSource::selectionRowChanged);
    resultChanged();
}

TDataSource::~TDataSource() = default;

int TDataSource::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_query.recordCount();
}

int TDataSource::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TDataSource::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return {};
    const GridColumn &column = m_columns.at(index.column());
    if (role == Qt::DisplayRole)
        return m_query.valueAt(index.row(), m_query.columnIndex(column.field)).asString();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(column.alignment);
    return {};
}

QVariant TDataSource::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section < m_columns.size()) {
        if (role == Qt::DisplayRole)
            return m_columns.at(section).title;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(m_columns.at(section).alignment);
        return {};
    }
    // The row indicator marks the current row.
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section == m_indicatorRow ? QStringLiteral("▶") : QString();
    return {};
}

Qt::ItemFlags TDataSource::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TDataSource::resultChanged()
{
    beginResetModel();
    m_indicatorRow = -1;
    endResetModel();
    selectRow(m_query.currentRow());
}

void TDataSource::queryRowChanged(int row)
{
    selectRow(row);
}

void TDataSource::selectionRowChanged(const QModelIndex &current)
{
    if (m_syncing || !current.isValid())
        return;
    m_syncing = true;
    m_query.setCurrentRow(current.row());
    m_syncing = false;
    selectRow(m_query.currentRow());
}

void TDataSource::selectRow(int row)
{
    const int previous = m_indicatorRow;
    m_indicatorRow = row;
    if (previous >= 0 && previous < rowCount())
        Q_EMIT headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0)
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    if (m_syncing)
        return;
    m_syncing = true;
    if (row < 0) {
        m_selection.clear();
    } else {
        const QModelIndex at = index(row, 0);
        m_selection.setCurrentIndex(at, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    m_syncing = false;
}
