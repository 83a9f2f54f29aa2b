// SPDX-License-Identifier: MIT
#include "widgets/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
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

bool RadioGroup::eventFilter(QObject *watched, QEvent *event)
{
    // The arrow keys choose the next or previous item. Qt's own move checks
    // the item before it takes the focus, so a handler of changed() that
    // sends the focus on (to the age, say) would see it taken back.
    auto *from = qobject_cast<QAbstractButton *>(watched);
    if (event->type() != QEvent::KeyPress || !from || m_group->id(from) < 0)
        return QGroupBox::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool next = key->key() == Qt::Key_Down || key->key() == Qt::Key_Right;
    const bool previous = key->key() == Qt::Key_Up || key->key() == Qt::Key_Left;
    if ((!next && !previous) || key->modifiers() != Qt::NoModifier)
        return QGroupBox::eventFilter(watched, event);
    QAbstractButton *to = m_group->button(m_group->id(from) + (next ? 1 : -1));
    if (to && to->isEnabled()) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        to->setChecked(true);
    }
    return true;
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
        b->installEventFilter(this);
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
