// SPDX-License-Identifier: MIT
#include "widgets/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 8, 4);
    grid->setVerticalSpacing(0);
    // Takes part in a declared tab order before its items exist.
    setFocusPolicy(Qt::TabFocus);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (!checked)
            return;
        updateTabStop();
        Q_EMIT changed();
    });
}

void RadioGroup::setItems(const QStringList &items)
{
    m_items = items;
    rebuild();
}

void RadioGroup::setColumns(int columns)
{
    m_columns = columns < 1 ? 1 : columns;
    rebuild();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    m_wanted = index;
    if (index == itemIndex())
        return;
    if (QAbstractButton *target = m_group->button(index)) {
        target->setChecked(true);
        return;
    }
    // No choice: an exclusive group cannot uncheck its last button itself.
    m_group->setExclusive(false);
    if (QAbstractButton *checked = m_group->checkedButton())
        checked->setChecked(false);
    m_group->setExclusive(true);
    Q_EMIT changed();
}

QRadioButton *RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

void RadioGroup::updateTabStop()
{
    // One tab stop for the group, on its choice: the arrow keys move between items.
    QAbstractButton *stop = m_group->checkedButton() ? m_group->checkedButton() : m_group->button(0);
    const auto buttons = m_group->buttons();
    for (QAbstractButton *b : buttons)
        b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    setFocusProxy(stop);
}

void RadioGroup::rebuild()
{
    const int kept = itemIndex() >= 0 ? itemIndex() : m_wanted;
    setFocusProxy(nullptr);
    const auto old = m_group->buttons();
    for (QAbstractButton *b : old) {
        m_group->removeButton(b);
        delete b;
    }
    auto *grid = static_cast<QGridLayout *>(layout());
    const int rows = (static_cast<int>(m_items.size()) + m_columns - 1) / m_columns;
    QWidget *previous = this;
    for (int i = 0; i < m_items.size(); ++i) {
        auto *b = new QRadioButton(m_items[i], this);
        b->setObjectName(objectName() + QLatin1String("_") + QString::number(i));
        m_group->addButton(b, i);
        grid->addWidget(b, rows ? i % rows : 0, rows ? i / rows : 0);
        // The items take the group's place in the window's tab order.
        QWidget::setTabOrder(previous, b);
        previous = b;
    }
    if (QAbstractButton *b = m_group->button(kept)) {
        const QSignalBlocker quiet(m_group);
        b->setChecked(true);
    }
    updateTabStop();
}
