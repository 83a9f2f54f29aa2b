// SPDX-License-Identifier: MIT
// Tab "Notarios" and the dialog that adds a notary.
#include "admin/form_altanotarios.h"
#include "admin_fixture.h"
#include "test_database.h"

#include <QPushButton>
#include <QTableView>
#include <QCalendarWidget>
#include <QTest>

namespace {

using Kind = RecordingDialogs::Kind;

class NotaryTest : public AdminTest {
protected:
    void SetUp() override
    {
        AdminTest::SetUp();
        if (IsSkipped())
            return;
        db->exec(QStringLiteral("INSERT INTO notariosdb (nombrenotario) VALUES ('PÉREZ, JUAN'), ('GARCÍA, ANA'), "
                                "('GARRIDO, LUIS'), ('ALONSO, EVA')"));
    }
    QStringList listed()
    {
        QStringList names;
        auto *model = control<QTableView>("DBGrid1")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            names << model->index(row, 0).data().toString();
        return names;
    }
    void search(const QString &text)
    {
        control<QLineEdit>("Edit1")->setText(text);
        window->BitBtn4Click();
    }
    // Types the name into the dialog opened by "Insertar Registro" and saves.
    bool addNotary(const QString &name, bool typed = false)
    {
        bool leftOpen = false;
        whenShown<TForm_altanotarios>(
            [&](TForm_altanotarios &d) {
                auto *field = child<QLineEdit>(&d, "Edit1");
                EXPECT_EQ(QApplication::focusWidget(), field);
                if (typed)
                    QTest::keyClicks(field, name);
                else
                    field->setText(name);
                d.BitBtn1Click();
            },
            &leftOpen);
        window->BitBtn3Click();
        return leftOpen;
    }
};

TEST_F(NotaryTest, TheListOpensOrderedByNameAndVerTodosListsAll)
{
    openWindow();
    const QStringList all{QStringLiteral("ALONSO, EVA"), QStringLiteral("GARCÍA, ANA"), QStringLiteral("GARRIDO, LUIS"),
                          QStringLiteral("PÉREZ, JUAN")};
    EXPECT_EQ(listed(), all);
    EXPECT_EQ(control<QTableView>("DBGrid1")->model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Apellidos, Nombre"));
    search(QStringLiteral("GAR"));
    EXPECT_EQ(listed().size(), 2);
    window->BitBtn5Click();
    EXPECT_EQ(listed(), all);
}

TEST_F(NotaryTest, SearchListsNamesBeginningWithTheTextAndEmptiesTheField)
{
    openWindow();
    search(QStringLiteral("GAR"));
    QStringList found = listed();
    found.sort();
    EXPECT_EQ(found, (QStringList{QStringLiteral("GARCÍA, ANA"), QStringLiteral("GARRIDO, LUIS")}));
    EXPECT_EQ(text("Edit1"), QString());
    search(QStringLiteral("ARCÍA"));
    EXPECT_TRUE(listed().isEmpty()); // only the beginning matches
    search(QString());
    EXPECT_EQ(listed().size(), 4);
}

TEST_F(NotaryTest, LettersAreTypedAsCapitals)
{
    openWindow();
    auto *field = control<QLineEdit>("Edit1");
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("garc"));
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QStringLiteral("í"), Qt::NoModifier);
    QTest::keyClicks(field, QStringLiteral("a"));
    EXPECT_EQ(field->text(), QStringLiteral("GARCÍA"));
    EXPECT_FALSE(addNotary(QStringLiteral("nunez, inigo"), true));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM notariosdb WHERE nombrenotario='NUNEZ, INIGO'")).toInt(),
              1);
}

TEST_F(NotaryTest, AddingStoresTheNameAsTypedRefreshesTheListAndCloses)
{
    openWindow();
    EXPECT_FALSE(addNotary(QStringLiteral("  BLANCO, ROSA ")));
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("¿Está seguro de guardar los datos?"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("ATENCIÓN!!"));
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM notariosdb WHERE nombrenotario='  BLANCO, ROSA '")).toInt(), 1);
    EXPECT_TRUE(listed().contains(QStringLiteral("  BLANCO, ROSA ")));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(NotaryTest, AnEmptyNameIsRefusedBlanksAreStoredAndNoStoresNothing)
{
    openWindow();
    EXPECT_TRUE(addNotary(QString()));
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Debe introducir algún nombre"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Error"));
    fake.dialogs.answers = {false};
    EXPECT_TRUE(addNotary(QStringLiteral("NO, GUARDAR")));
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 4);
    EXPECT_FALSE(addNotary(QStringLiteral("   ")));
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 5);
}

TEST_F(NotaryTest, AfterASearchAddingReRunsThatSearch)
{
    openWindow();
    search(QStringLiteral("GAR"));
    addNotary(QStringLiteral("MARTÍN, PABLO"));
    EXPECT_EQ(listed().size(), 2);
    addNotary(QStringLiteral("GARZÓN, ELENA"));
    EXPECT_EQ(listed().size(), 3);
    window->BitBtn5Click();
    EXPECT_TRUE(listed().contains(QStringLiteral("MARTÍN, PABLO")));
}

TEST_F(NotaryTest, DeletingAsksThenRemovesTheSelectedNotaryAndRefreshes)
{
    openWindow();
    selectRow(control<QTableView>("DBGrid1"), 2); // GARRIDO, LUIS
    fake.dialogs.answers = {false};
    window->BitBtn2Click();
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("¿Está seguro de borrar el registro?"));
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 4);
    window->BitBtn2Click(); // Yes
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM notariosdb WHERE nombrenotario='GARRIDO, LUIS'")).toInt(),
              0);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("ALONSO, EVA"), QStringLiteral("GARCÍA, ANA"),
                                     QStringLiteral("PÉREZ, JUAN")}));
}

TEST_F(NotaryTest, DeletingTheOnlyResultLeavesAnEmptyListThatHasNothingToDelete)
{
    openWindow();
    search(QStringLiteral("PÉ"));
    ASSERT_EQ(listed().size(), 1);
    window->BitBtn2Click();
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_FALSE(control<QPushButton>("BitBtn2")->isEnabled());
    fake.dialogs.clear();
    window->BitBtn2Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("No existe registro seleccionado"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Borrar Registro!!"));
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 3);
}

TEST_F(NotaryTest, QuotesAndSqlInANameAreStoredAndFoundLiterallyOnlyPercentAndUnderscoreMatchAny)
{
    openWindow();
    const QString name = QStringLiteral("O'BRIEN \"X\"; DROP TABLE NOTARIOSDB; -- \\N :PX");
    EXPECT_FALSE(addNotary(name));
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 5);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM notariosdb WHERE nombrenotario=") +
                         QStringLiteral("'O''BRIEN \"X\"; DROP TABLE NOTARIOSDB; -- \\\\N :PX'"))
                  .toInt(),
              1);
    search(QStringLiteral("O'BRIEN \"X\";"));
    EXPECT_EQ(listed(), QStringList{name});
    search(QStringLiteral("%LUIS"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("GARRIDO, LUIS")});
    search(QStringLiteral("P_REZ"));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("PÉREZ, JUAN")}); // "_" stands for any one letter
}

TEST_F(NotaryTest, ANameTooLongForTheServerIsRefusedAndTheDialogKeepsIt)
{
    openWindow();
    const QString name(1000, u'A');
    bool leftOpen = false;
    whenShown<TForm_altanotarios>(
        [&](TForm_altanotarios &d) {
            child<QLineEdit>(&d, "Edit1")->setText(name);
            d.BitBtn1Click();
            EXPECT_EQ(child<QLineEdit>(&d, "Edit1")->text(), name);
        },
        &leftOpen);
    window->BitBtn3Click();
    EXPECT_TRUE(leftOpen);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_TRUE(fake.dialogs.last().text.startsWith(QStringLiteral("La base de datos no ha aceptado la operación: ")));
    EXPECT_TRUE(fake.dialogs.last().text.contains(QStringLiteral("nombrenotario")))
        << fake.dialogs.last().text.toStdString();
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 4);
    EXPECT_EQ(listed().size(), 4);
}

TEST_F(NotaryTest, AServerMessageWithAccentsReadsAsTheServerWroteIt)
{
    openWindow();
    ASSERT_TRUE(
        dataModule->MyConnection1.execute({{QStringLiteral("SET SESSION TRANSACTION READ ONLY")}, {}}).has_value());
    EXPECT_TRUE(addNotary(QStringLiteral("NUEVO, NOTARIO")));
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("La base de datos no ha aceptado la operación: No puedo "
                                                       "ejecutar sentencia en una transacción READ ONLY."))
        << fake.dialogs.last().text.toStdString();
    EXPECT_EQ(rows(QStringLiteral("notariosdb")), 4);
}

// The server stops while the window is open: the action reports it, stops,
// changes nothing; once the server is back the next action works.
TEST(AdminServerStopped, ActionsFailWhileTheServerIsDownAndWorkOnceItIsBack)
{
    SKIP_WITHOUT_TEST_DATABASE();
    if (qEnvironmentVariable("PLUSVALIA_LOCAL_DB").isEmpty())
        GTEST_SKIP() << "PLUSVALIA_LOCAL_DB not set";
    FakePlatform fake;
    PrivateServer server;
    TDataModule1 dataModule;
    dataModule.MyConnection1.setSettings(server.settings());
    ASSERT_TRUE(dataModule.MyConnection1.open().has_value());
    TForm_CONFIGURACION window(dataModule.MyConnection1);
    ASSERT_TRUE(window.FormCreate().has_value());
    auto *grid = window.findChild<QTableView *>(QStringLiteral("DBGrid2"));
    window.TabSheet3Show();
    EXPECT_EQ(grid->model()->rowCount(), 13);

    server.stop();
    auto *calendar = window.findChild<QCalendarWidget *>(QStringLiteral("MonthCalendar1"));
    calendar->setSelectedDate(QDate(2009, 3, 7));
    window.MonthCalendar1DblClick();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_EQ(fake.dialogs.last().title, AdministrationTitle);
    EXPECT_TRUE(fake.dialogs.last().text.startsWith(QStringLiteral("No se puede conectar")) ||
                fake.dialogs.last().text.startsWith(QStringLiteral("Se ha perdido la conexión")))
        << fake.dialogs.last().text.toStdString();
    // A list whose statement fails is left closed and empty, and its button off.
    window.BitBtn5Click();
    EXPECT_EQ(window.findChild<QTableView *>(QStringLiteral("DBGrid1"))->model()->rowCount(), 0);
    window.TabSheet3Show();
    EXPECT_EQ(grid->model()->rowCount(), 0);
    for (const char *button : {"BitBtn2", "BitBtn7"})
        EXPECT_FALSE(window.findChild<QPushButton *>(QLatin1String(button))->isEnabled()) << button;

    server.start();
    fake.dialogs.clear();
    window.MonthCalendar1DblClick();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("El día seleccionado se ha marcado como inhábil"));
    EXPECT_EQ(grid->model()->rowCount(), 14); // only the second attempt stored the day
    EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("BitBtn7"))->isEnabled());
}

} // namespace
