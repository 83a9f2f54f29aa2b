// SPDX-License-Identifier: MIT
// Tab "Calendario": listing a year, marking and unmarking non-working days.
#include "admin_fixture.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace {

class CalendarTest : public AdminTest {
protected:
    QCalendarWidget *calendar() { return control<QCalendarWidget>("MonthCalendar1"); }
    QTableView *grid() { return control<QTableView>("DBGrid2"); }
    QPushButton *unmark() { return control<QPushButton>("BitBtn7"); }
    void showTab()
    {
        openWindow();
        control<QTabWidget>("PageControl1")->setCurrentWidget(control("TabSheet3"));
    }
    QString selectedDay()
    {
        return grid()->model()->index(grid()->selectionModel()->currentIndex().row(), 0).data().toString();
    }
    int dayRows(const char *day)
    {
        return db
            ->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE fechainhabil='%1'")
                         .arg(QLatin1String(day)))
            .toInt();
    }
    void clickDay(QDate day)
    {
        calendar()->setSelectedDate(day);
        window->MonthCalendar1Click();
    }
    void doubleClickDay(QDate day)
    {
        clickDay(day);
        window->MonthCalendar1DblClick();
    }
};

TEST_F(CalendarTest, ShowingTheTabListsTheCalendarYearAndSelectsItsLastDay)
{
    showTab();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2009, 2, 25));
    EXPECT_EQ(grid()->model()->rowCount(), 13); // 14 listed days of 2009, one of them a Sunday
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Días Inhábiles"));
    EXPECT_EQ(grid()->model()->index(0, 0).data().toString(), QStringLiteral("01/01/2009"));
    EXPECT_EQ(selectedDay(), QStringLiteral("25/12/2009"));
    EXPECT_TRUE(unmark()->isEnabled());
    // "Desmarcar Inhábil" at once asks about that day.
    fake.dialogs.answers = {false};
    window->BitBtn7Click();
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("¿Está seguro de marcar como hábil el día 25/12/2009 ?"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("ATENCIÓN!!"));
    EXPECT_EQ(dayRows("2009-12-25"), 1);
}

TEST_F(CalendarTest, MarkingAnUnlistedSaturdayStoresItWithItsYearAndSelectsIt)
{
    showTab();
    const int before = rows(QStringLiteral("calendarioinhabildb"));
    doubleClickDay(QDate(2009, 3, 7)); // a Saturday
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("El día seleccionado se ha marcado como inhábil"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Guardar"));
    EXPECT_EQ(rows(QStringLiteral("calendarioinhabildb")), before + 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT anoinhabil FROM calendarioinhabildb WHERE fechainhabil='2009-03-07'"))
                  .toInt(),
              2009);
    EXPECT_EQ(grid()->model()->rowCount(), 14);
    EXPECT_EQ(selectedDay(), QStringLiteral("07/03/2009"));
}

TEST_F(CalendarTest, ADoubleClickOnTheCalendarMarksTheDayButEnterMarksNothing)
{
    showTab();
    const int before = rows(QStringLiteral("calendarioinhabildb"));
    calendar()->setSelectedDate(QDate(2009, 3, 7));
    auto *days = calendar()->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(days, nullptr);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_TRUE(fake.dialogs.shown.empty());
    EXPECT_EQ(rows(QStringLiteral("calendarioinhabildb")), before);

    QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, days->visualRect(days->currentIndex()).center());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("El día seleccionado se ha marcado como inhábil"));
    EXPECT_EQ(dayRows("2009-03-07"), 1);
    EXPECT_EQ(selectedDay(), QStringLiteral("07/03/2009"));
}

TEST_F(CalendarTest, ADoubleClickOnAGreyDayOfAnotherMonthMarksThatDay)
{
    showTab(); // February 2009: the first row starts in January, the last one in March
    auto *days = calendar()->findChild<QTableView *>(QStringLiteral("qt_calendar_calendarview"));
    ASSERT_NE(days, nullptr);
    for (const auto &[row, month] : {std::pair{days->model()->rowCount() - 1, 3}, std::pair{1, 1}}) {
        calendar()->setCurrentPage(2009, 2);
        const QModelIndex grey = days->model()->index(row, 0); // a Monday
        const QDate day(2009, month, grey.data().toInt());
        const QPoint at = days->visualRect(grey).center();
        // As a user's double click arrives: a click, then the second press.
        QTest::mouseClick(days->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(days->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(days->viewport(), Qt::LeftButton, {}, at);
        EXPECT_EQ(fake.dialogs.texts().join(u'|'), QStringLiteral("El día seleccionado se ha marcado como inhábil"))
            << month;
        fake.dialogs.clear();
        EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM calendarioinhabildb WHERE fechainhabil='%1'")
                                 .arg(day.toString(Qt::ISODate)))
                      .toInt(),
                  1)
            << month;
        EXPECT_EQ(calendar()->selectedDate(), day);
    }
}

TEST_F(CalendarTest, MarkingAListedDaySelectsItAndStoresNothing)
{
    showTab();
    const int before = rows(QStringLiteral("calendarioinhabildb"));
    doubleClickDay(QDate(2009, 4, 9));
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Esa fecha ya está marcada como inhabil en el calendario"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Error"));
    EXPECT_EQ(selectedDay(), QStringLiteral("09/04/2009"));
    EXPECT_EQ(rows(QStringLiteral("calendarioinhabildb")), before);
}

TEST_F(CalendarTest, ASundayIsNeverStored)
{
    showTab();
    const int before = rows(QStringLiteral("calendarioinhabildb"));
    doubleClickDay(QDate(2009, 3, 8));
    EXPECT_EQ(fake.dialogs.last().text,
              QStringLiteral("Todos los domingos están marcados como inhabiles en el calendario"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Error"));
    EXPECT_EQ(rows(QStringLiteral("calendarioinhabildb")), before);
}

TEST_F(CalendarTest, AYearWithoutDaysDisablesUnmarkingUntilItsFirstDayIsMarked)
{
    showTab();
    clickDay(QDate(2020, 5, 4));
    EXPECT_EQ(grid()->model()->rowCount(), 0);
    EXPECT_FALSE(unmark()->isEnabled());
    window->MonthCalendar1DblClick();
    EXPECT_EQ(grid()->model()->rowCount(), 1);
    EXPECT_TRUE(unmark()->isEnabled());
    EXPECT_EQ(selectedDay(), QStringLiteral("04/05/2020"));
}

TEST_F(CalendarTest, ClickingADayLocatesItOrStaysOnTheLastDayAndAnotherYearReLists)
{
    showTab();
    clickDay(QDate(2009, 3, 3));
    EXPECT_EQ(selectedDay(), QStringLiteral("25/12/2009"));
    clickDay(QDate(2009, 10, 12));
    EXPECT_EQ(selectedDay(), QStringLiteral("12/10/2009"));
    clickDay(QDate(2014, 6, 24));
    EXPECT_EQ(grid()->model()->rowCount(), 14);
    EXPECT_EQ(selectedDay(), QStringLiteral("24/06/2014"));
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(CalendarTest, ClickingARowMovesTheCalendarWithoutReReadingTheList)
{
    showTab();
    QSignalSpy reread(grid()->model(), &QAbstractItemModel::modelReset);
    const QModelIndex third = grid()->model()->index(2, 0);
    grid()->selectionModel()->setCurrentIndex(third, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    window->DBGrid2CellClick();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2009, 2, 28));
    EXPECT_EQ(reread.count(), 0);
}

TEST_F(CalendarTest, UnmarkingAsksAboutTheListedDayNoKeepsItYesRemovesIt)
{
    showTab();
    clickDay(QDate(2009, 5, 1));
    calendar()->setSelectedDate(QDate(2009, 7, 1)); // the calendar may show another day
    fake.dialogs.answers = {false};
    window->BitBtn7Click();
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("¿Está seguro de marcar como hábil el día 01/05/2009 ?"));
    EXPECT_EQ(dayRows("2009-05-01"), 1);
    fake.dialogs.answers = {true};
    window->BitBtn7Click();
    EXPECT_EQ(dayRows("2009-05-01"), 0);
    EXPECT_EQ(grid()->model()->rowCount(), 12);
    EXPECT_EQ(selectedDay(), QStringLiteral("25/12/2009"));
}

TEST_F(CalendarTest, MarkingAndUnmarkingLeaveTheNotaryListAsItWas)
{
    db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ('GARCÍA, ANA'), ('LÓPEZ, LUIS')"));
    showTab();
    auto *notaries = control<QTableView>("DBGrid1");
    selectRow(notaries, 1);
    QSignalSpy reread(notaries->model(), &QAbstractItemModel::modelReset);
    doubleClickDay(QDate(2009, 3, 7));
    window->BitBtn7Click();
    EXPECT_EQ(reread.count(), 0);
    EXPECT_EQ(notaries->selectionModel()->currentIndex().row(), 1);
    EXPECT_EQ(notaries->model()->rowCount(), 2);
}

} // namespace
