// SPDX-License-Identifier: MIT
#include "widgets/radiogroup.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
TEST(RadioGroup, ItemsAreLaidOutInColumnsAndReadByIndex)
{
    RadioGroup group;
    group.setItemIndex(1); // asked for before the items exist, as a form does
    group.setItems({QStringLiteral("Inter-vivos"), QStringLiteral("Mortis-causa")});
    group.setColumns(2);
    ASSERT_NE(group.button(1), nullptr);
    EXPECT_EQ(group.button(1)->text(), QStringLiteral("Mortis-causa"));
    EXPECT_EQ(group.itemIndex(), 1);
    EXPECT_TRUE(group.button(1)->isChecked());
}

TEST(RadioGroup, EveryChangeOfTheChoiceIsReportedOnce)
{
    RadioGroup group;
    group.setItems({QStringLiteral("Vitalicio"), QStringLiteral("Temporal")});
    group.setItemIndex(0);
    int changes = 0;
    QObject::connect(&group, &RadioGroup::changed, &group, [&changes] { ++changes; });
    group.setItemIndex(0);
    EXPECT_EQ(changes, 0);
    group.button(1)->click();
    EXPECT_EQ(changes, 1);
    group.setItemIndex(0);
    EXPECT_EQ(changes, 2);
    group.setItemIndex(-1);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(group.itemIndex(), -1);
}

TEST(RadioGroup, TabStopsOnceOnTheChoice)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *before = new QLineEdit;
    auto *group = new RadioGroup;
    auto *after = new QLineEdit;
    layout->addWidget(before);
    layout->addWidget(group);
    layout->addWidget(after);
    QWidget::setTabOrder(before, group);
    QWidget::setTabOrder(group, after);
    group->setItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    group->setItemIndex(1);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus(Qt::TabFocusReason);
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), group->button(1));
    QTest::keyClick(group->button(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), after);
}
} // namespace

namespace {
TEST(RadioGroup, AnArrowKeyChoosesTheNextItemAndAHandlerMayMoveTheFocusOn)
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *group = new RadioGroup;
    auto *age = new QLineEdit;
    layout->addWidget(group);
    layout->addWidget(age);
    group->setItems({QStringLiteral("Plena Propiedad"), QStringLiteral("Nuda Propiedad y Usufructo")});
    group->setItemIndex(0);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QObject::connect(group, &RadioGroup::changed, age, [age] { age->setFocus(); });
    group->button(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(group->button(0), Qt::Key_Down);
    EXPECT_EQ(group->itemIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), age);
    // Without a handler moving it, the focus follows the choice.
    QObject::disconnect(group, &RadioGroup::changed, age, nullptr);
    group->button(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(group->button(1), Qt::Key_Up);
    EXPECT_EQ(group->itemIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), group->button(0));
}
} // namespace
