// SPDX-License-Identifier: MIT
// TDataSource: binds a statement's fetched result to a grid. It is the grid's
// model and selection model: the grid shows the result's rows, its selected
// row is the statement's current row, and selecting a row makes it current.
#pragma once

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QList>
#include <QString>

class TMyQuery;

struct GridColumn {
    QString field;
    QString title;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

class TDataSource final : public QAbstractTableModel {
    Q_OBJECT
public:
    TDataSource(TMyQuery &query, QList<GridColumn> columns, QObject *parent = nullptr);
    ~TDataSource() override;

    [[nodiscard]] QItemSelectionModel *selectionModel() { return &m_selection; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    void resultChanged();
    void queryRowChanged(int row);
    void selectionRowChanged(const QModelIndex &current);
    void selectRow(int row);

    TMyQuery &m_query;
    QList<GridColumn> m_columns;
    QItemSelectionModel m_selection;
    int m_indicatorRow = -1;
    bool m_syncing = false;
};
