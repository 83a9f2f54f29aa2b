// SPDX-License-Identifier: MIT
// RadioGroup: a framed group of exclusive choices, declared by its items and
// columns, read and set by index (-1: none). Every change of the choice,
// by the user or by the program, emits changed() once. The arrow keys choose
// the next or the previous item, which takes the focus before the change is
// reported.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    [[nodiscard]] QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    [[nodiscard]] int columns() const { return m_columns; }
    void setColumns(int columns);
    [[nodiscard]] int itemIndex() const;
    void setItemIndex(int index);
    [[nodiscard]] QRadioButton *button(int index) const;

Q_SIGNALS:
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void updateTabStop();

    QStringList m_items;
    int m_columns = 1;
    int m_wanted = -1; // the choice asked for before the items exist
    QButtonGroup *m_group;
};
