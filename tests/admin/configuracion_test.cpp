// SPDX-License-Identifier: MIT
// The administration window's frame and tab "Gravamenes y Tipos", and the
// dialog that stores a year's parameters.
#include "admin/form_nuevogravamen.h"
#include "admin/password_dialog.h"
#include "admin_fixture.h"
#include "test_database.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTest>

namespace {

using Kind = RecordingDialogs::Kind;

QString errorTitle()
{
    return AdministrationTitle;
}

TEST_F(AdminTest, WindowOpensWithTheStoredYearsAndAnEmptyYearBox)
{
    db->exec(QStringLiteral("INSERT INTO configuracionplusvaliasdb (ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,"
                            "FINTRAMO3,TIPOTRAMO1,TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107) "
                            "VALUES (2013,28,5,10,15,3.2,2.9,2.8,2.8,40),(2015,30,4,9,14,3.7,3.5,3.2,3,50)"));
    TForm_CONFIGURACION &w = openWindow();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Configuración de I.I.V.T.N.U."));
    EXPECT_EQ(w.minimumSize(), QSize(424, 410));
    EXPECT_EQ(w.maximumSize(), QSize(424, 410));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(w.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    auto *years = control<QComboBox>("ComboBox1");
    ASSERT_EQ(years->count(), 3);
    EXPECT_EQ(years->itemText(0), QStringLiteral("2015"));
    EXPECT_EQ(years->itemText(2), QStringLiteral("2013"));
    EXPECT_EQ(years->currentText(), QString());
    EXPECT_FALSE(control<QPushButton>("BitBtn8")->isEnabled());
    // Red while it can be pressed; disabled, its caption greys like any other.
    const QPalette &modificar = control<QPushButton>("BitBtn8")->palette();
    EXPECT_EQ(modificar.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::red));
    EXPECT_EQ(modificar.color(QPalette::Disabled, QPalette::ButtonText),
              QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText));
    EXPECT_EQ(text("Edit_fintramo1"), QString()); // nothing shown until a year is chosen
    EXPECT_EQ(control<QTabWidget>("PageControl1")->currentWidget(), control("TabSheet1"));
    EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(AdminTest, EscapeAndTheWindowManagerDoNotCloseTheWindowSalirDoes)
{
    TForm_CONFIGURACION &w = openWindow();
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    w.close();
    EXPECT_TRUE(w.isVisible());
    QTest::mouseClick(control<QPushButton>("BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(AdminTest, ChoosingAYearShowsItsParametersAndTheBandStarts)
{
    openWindow();
    auto *years = control<QComboBox>("ComboBox1");
    years->setCurrentIndex(0); // chosen from the list
    EXPECT_EQ(text("Edit_fintramo1"), QStringLiteral("5"));
    EXPECT_EQ(text("Edit_fintramo2"), QStringLiteral("10"));
    EXPECT_EQ(text("Edit_fintramo3"), QStringLiteral("15"));
    EXPECT_EQ(control<QLabel>("Label_iniciotramo2")->text(), QStringLiteral("6"));
    EXPECT_EQ(control<QLabel>("Label_iniciotramo3")->text(), QStringLiteral("11"));
    EXPECT_EQ(control<QLabel>("Label_iniciotramo4")->text(), QStringLiteral("16"));
    EXPECT_EQ(text("Edit_tipo1"), QStringLiteral("3,29"));
    EXPECT_EQ(text("Edit_tipo2"), QStringLiteral("2,97"));
    EXPECT_EQ(text("Edit_tipo3"), QStringLiteral("2,86"));
    EXPECT_EQ(text("Edit_tipo4"), QStringLiteral("2,86"));
    EXPECT_EQ(text("Edit_tipogravamen"), QStringLiteral("28,62"));
    EXPECT_EQ(text("Edit_reduccion"), QStringLiteral("40"));
    EXPECT_TRUE(control<QPushButton>("BitBtn8")->isEnabled());
}

TEST_F(AdminTest, TypingAYearDigitByDigitQueriesEachTextAndAnUnknownYearShowsZeros)
{
    openWindow();
    auto *years = control<QComboBox>("ComboBox1");
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("201"));
    EXPECT_EQ(years->currentText(), QStringLiteral("201"));
    EXPECT_EQ(text("Edit_fintramo1"), QStringLiteral("0"));
    EXPECT_EQ(control<QLabel>("Label_iniciotramo2")->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLabel>("Label_iniciotramo4")->text(), QStringLiteral("1"));
    EXPECT_EQ(text("Edit_tipo1"), QString());
    EXPECT_EQ(text("Edit_tipogravamen"), QStringLiteral("0"));
    EXPECT_EQ(text("Edit_reduccion"), QStringLiteral("0"));
    EXPECT_TRUE(control<QPushButton>("BitBtn8")->isEnabled());
    QTest::keyClick(years, Qt::Key_4);
    EXPECT_EQ(text("Edit_fintramo1"), QStringLiteral("5"));
}

TEST_F(AdminTest, LeavingAnEmptyYearBoxDisablesModificar)
{
    openWindow();
    auto *years = control<QComboBox>("ComboBox1");
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("2"));
    EXPECT_TRUE(control<QPushButton>("BitBtn8")->isEnabled());
    QTest::keyClick(years, Qt::Key_Backspace);
    EXPECT_TRUE(control<QPushButton>("BitBtn8")->isEnabled()); // every change enables it
    control<QPushButton>("BitBtn6")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(control<QPushButton>("BitBtn8")->isEnabled());
    // Leaving a box that holds a year leaves the button alone.
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("2014"));
    control<QPushButton>("BitBtn6")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(control<QPushButton>("BitBtn8")->isEnabled());
}

struct KeyCase {
    const char *what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *typed;
    bool passes;
};

const KeyCase kKeys[] = {
    {"digit", Qt::Key_7, Qt::NoModifier, "7", true},
    {"letter", Qt::Key_A, Qt::NoModifier, "a", false},
    {"blank", Qt::Key_Space, Qt::NoModifier, " ", false},
    {"comma", Qt::Key_Comma, Qt::NoModifier, ",", false},
    {"period", Qt::Key_Period, Qt::NoModifier, ".", false},
    {"minus", Qt::Key_Minus, Qt::NoModifier, "-", false},
    {"Ctrl+V", Qt::Key_V, Qt::ControlModifier, "", false},
    {"Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier, "", false},
};

TEST_F(AdminTest, DigitsOnlyFieldsRefuseEverythingButDigitsAndBackspace)
{
    openWindow();
    QGuiApplication::clipboard()->setText(QStringLiteral("99"));
    for (const char *name : {"Edit_fintramo1", "Edit_tipo1", "Edit_tipogravamen", "Edit_reduccion"}) {
        auto *field = control<QLineEdit>(name);
        for (const KeyCase &k : kKeys) {
            field->clear();
            field->setFocus();
            QTest::keyClick(field, k.key, k.modifiers);
            EXPECT_EQ(field->text(), k.passes ? QString::fromLatin1(k.typed) : QString()) << name << " " << k.what;
        }
        field->setText(QStringLiteral("12"));
        field->setCursorPosition(2);
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), QStringLiteral("1")) << name;
        EXPECT_EQ(field->contextMenuPolicy(), Qt::NoContextMenu);
    }
    auto *years = control<QComboBox>("ComboBox1");
    years->setFocus();
    for (const KeyCase &k : kKeys) {
        years->setEditText(QString());
        QTest::keyClick(years, k.key, k.modifiers);
        EXPECT_EQ(years->currentText(), k.passes ? QString::fromLatin1(k.typed) : QString()) << "year box " << k.what;
    }
}

TEST_F(AdminTest, TheTabFieldsAreOutOfTheTabOrder)
{
    openWindow();
    for (const char *name : {"Edit_fintramo1", "Edit_fintramo2", "Edit_fintramo3", "Edit_tipo1", "Edit_tipo2",
                             "Edit_tipo3", "Edit_tipo4", "Edit_tipogravamen", "Edit_reduccion"})
        EXPECT_EQ(control<QLineEdit>(name)->focusPolicy(), Qt::ClickFocus) << name;
}

TEST_F(AdminTest, LeavingABandLimitShowsTheNextStartOrTheConversionError)
{
    openWindow();
    auto *limit = control<QLineEdit>("Edit_fintramo2");
    limit->setFocus();
    QTest::keyClicks(limit, QStringLiteral("12"));
    control<QLineEdit>("Edit_fintramo3")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(control<QLabel>("Label_iniciotramo3")->text(), QStringLiteral("13"));
    EXPECT_TRUE(fake.dialogs.shown.empty());

    control<QLineEdit>("Edit_fintramo1")->setFocus(Qt::MouseFocusReason); // leaves the empty third limit
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("'' is not a valid integer value."));
    EXPECT_EQ(fake.dialogs.last().title, errorTitle());
    EXPECT_EQ(control<QLabel>("Label_iniciotramo4")->text(), QString());
}

// --- The dialog -------------------------------------------------------------

struct GravamenFields {
    const char *year, *rate, *l1, *l2, *l3, *t1, *t2, *t3, *t4, *reduction;
};

void fill(TForm_nuevogravamen &d, const GravamenFields &f)
{
    const std::pair<const char *, const char *> pairs[] = {
        {"Edit_anodevengo", f.year}, {"Edit1", f.rate},     {"Edit_fintramo1", f.l1}, {"Edit_fintramo2", f.l2},
        {"Edit_fintramo3", f.l3},    {"Edit_tipo1", f.t1},  {"Edit_tipo2", f.t2},     {"Edit_tipo3", f.t3},
        {"Edit_tipo4", f.t4},        {"Edit2", f.reduction}};
    for (const auto &[name, value] : pairs)
        d.findChild<QLineEdit *>(QLatin1String(name))->setText(QString::fromUtf8(value));
}

const GravamenFields k2015{"2015", "30", "4", "9", "14", "3,7", "3,5", "3,2", "3", "50,5"};

TEST_F(AdminTest, NewParametersAreStoredReportedAndTheWindowShowsItsYearAgain)
{
    openWindow();
    control<QComboBox>("ComboBox1")->setCurrentIndex(0); // 2014 shown
    bool leftOpen = true;
    whenShown<TForm_nuevogravamen>(
        [&](TForm_nuevogravamen &d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("Nuevo Gravamen y Tipos"));
            EXPECT_EQ(d.size(), QSize(393, 371));
            EXPECT_EQ(QApplication::focusWidget(), child(&d, "Edit_anodevengo"));
            EXPECT_EQ(child<QLineEdit>(&d, "Edit1")->text(), QString()); // new: every field empty
            fill(d, k2015);
            QTest::mouseClick(child<QPushButton>(&d, "BitBtn2"), Qt::LeftButton);
        },
        &leftOpen);
    QTest::mouseClick(control<QPushButton>("BitBtn6"), Qt::LeftButton);
    EXPECT_FALSE(leftOpen);
    ASSERT_FALSE(fake.dialogs.shown.empty());
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Datos guardados correctamente"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Guardar"));
    EXPECT_EQ(rows(QStringLiteral("configuracionplusvaliasdb")), 2);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT CONCAT_WS('/',TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,FINTRAMO3,TIPOTRAMO1,"
                                        "TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107) FROM "
                                        "configuracionplusvaliasdb WHERE ANODEVENGO=2015"))
                  .toString(),
              QStringLiteral("30.0000/4/9/14/3.7000/3.5000/3.2000/3.0000/50.5000"));
    // The window shows the year of its box (2014), not the year just stored,
    // and lists the new year only when opened again.
    EXPECT_EQ(text("Edit_fintramo1"), QStringLiteral("5"));
    EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(AdminTest, GuardarWithAnEmptyFieldAsksForTheDataAndStoresNothing)
{
    openWindow();
    TForm_nuevogravamen d(*data, 0, 0, window.get());
    d.show();
    QApplication::setActiveWindow(&d);
    fill(d, k2015);
    child<QLineEdit>(&d, "Edit2")->clear(); // only the reduction empty
    child<QLineEdit>(&d, "Edit_tipo3")->setFocus();
    d.BitBtn2Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Message);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Faltan datos para continuar"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Atención"));
    EXPECT_EQ(QApplication::focusWidget(), child(&d, "Edit_anodevengo"));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(rows(QStringLiteral("configuracionplusvaliasdb")), 1);

    // Blanks are not empty: they reach the conversion, which refuses them.
    child<QLineEdit>(&d, "Edit2")->setText(QStringLiteral(" "));
    d.BitBtn2Click();
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("' ' is not a valid floating point value."));
}

struct BadNumber {
    const char *field;
    const char *value;
    const char *shown;
};

TEST_F(AdminTest, ANumberThatDoesNotConvertOrFitStopsGuardarWithNothingStored)
{
    const BadNumber cases[] = {
        {"Edit_tipo1", "3.29", "'3.29' is not a valid floating point value."},
        {"Edit1", "28,6,2", "'28,6,2' is not a valid floating point value."},
        {"Edit2", "40%", "'40%' is not a valid floating point value."},
        // More decimals than the columns hold would be rounded by the server.
        {"Edit1", "28,62345", "El valor '28,62345' tiene más de 4 decimales."},
        {"Edit2", "2862345e-5", "El valor '2862345e-5' tiene más de 4 decimales."},
    };
    openWindow();
    for (const BadNumber &c : cases) {
        TForm_nuevogravamen d(*data, 0, 0, window.get());
        d.show();
        fill(d, k2015);
        child<QLineEdit>(&d, c.field)->setText(QString::fromUtf8(c.value));
        fake.dialogs.clear();
        d.BitBtn2Click();
        ASSERT_EQ(fake.dialogs.shown.size(), 1u) << c.field;
        EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
        EXPECT_EQ(fake.dialogs.last().text, QString::fromUtf8(c.shown));
        EXPECT_EQ(fake.dialogs.last().title, errorTitle());
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(child<QLineEdit>(&d, c.field)->text(), QString::fromUtf8(c.value));
        EXPECT_EQ(rows(QStringLiteral("configuracionplusvaliasdb")), 1);
    }
}

TEST_F(AdminTest, ATakenYearIsRefusedOnLeavingTheYearButNotTowardsVolver)
{
    openWindow();
    TForm_nuevogravamen d(*data, 0, 0, window.get());
    d.show();
    QApplication::setActiveWindow(&d);
    auto *year = child<QLineEdit>(&d, "Edit_anodevengo");
    year->setFocus();
    QTest::keyClicks(year, QStringLiteral("2014"));
    QTest::keyClick(year, Qt::Key_Tab);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Ya existen datos para este Año"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Error!!"));
    EXPECT_EQ(year->text(), QString());
    EXPECT_EQ(QApplication::focusWidget(), year);

    // A free year passes; towards "Volver" nothing is checked and the dialog closes.
    QTest::keyClicks(year, QStringLiteral("2016"));
    QTest::keyClick(year, Qt::Key_Tab);
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), child(&d, "Edit_fintramo1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("5")); // so that leaving it is quiet
    year->setFocus();
    year->setText(QStringLiteral("2014"));
    QTest::mouseClick(child<QPushButton>(&d, "BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(AdminTest, LeavingAnEmptyYearInModeNewIsAConversionError)
{
    openWindow();
    TForm_nuevogravamen d(*data, 0, 0, window.get());
    d.show();
    QApplication::setActiveWindow(&d);
    child(&d, "Edit_anodevengo")->setFocus();
    child(&d, "Edit_fintramo1")->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("'' is not a valid integer value."));
}

TEST_F(AdminTest, ModificarLoadsTheRowAndStoresTheChange)
{
    // Stored by other means, longer than the field lets one type.
    db->exec(QStringLiteral("UPDATE configuracionplusvaliasdb SET TIPOTRAMO2 = 2.857"));
    openWindow();
    control<QComboBox>("ComboBox1")->setCurrentIndex(0);
    whenShown<TForm_nuevogravamen>([&](TForm_nuevogravamen &d) {
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_anodevengo")->text(), QStringLiteral("2014"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit1")->text(), QStringLiteral("28,62"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_fintramo3")->text(), QStringLiteral("15"));
        EXPECT_EQ(child<QLabel>(&d, "Label20")->text(), QStringLiteral("6"));
        EXPECT_EQ(child<QLabel>(&d, "Label22")->text(), QStringLiteral("16"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_tipo1")->text(), QStringLiteral("3,29"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_tipo2")->text(), QStringLiteral("2,857"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit2")->text(), QStringLiteral("40"));
        child<QLineEdit>(&d, "Edit_tipo1")->setText(QStringLiteral("3,3"));
        d.BitBtn2Click();
    });
    QTest::mouseClick(control<QPushButton>("BitBtn8"), Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Datos modificados correctamente"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Modificar"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT CAST(TIPOTRAMO1 AS CHAR) FROM configuracionplusvaliasdb")).toString(),
              QStringLiteral("3.3000"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT CAST(TIPOTRAMO2 AS CHAR) FROM configuracionplusvaliasdb")).toString(),
              QStringLiteral("2.8570")); // written back whole, not cut to the typing limit
    EXPECT_EQ(text("Edit_tipo1"), QStringLiteral("3,3"));
    EXPECT_EQ(text("Edit_tipo2"), QStringLiteral("2,857"));
}

TEST_F(AdminTest, ModificarOnAYearWithoutARowChangesNothingYetReportsSuccess)
{
    openWindow();
    auto *years = control<QComboBox>("ComboBox1");
    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("2010"));
    whenShown<TForm_nuevogravamen>([&](TForm_nuevogravamen &d) {
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_anodevengo")->text(), QString());
        EXPECT_EQ(child<QLineEdit>(&d, "Edit1")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_fintramo2")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLineEdit>(&d, "Edit_tipo4")->text(), QStringLiteral("0"));
        EXPECT_EQ(child<QLabel>(&d, "Label21")->text(), QStringLiteral("1"));
        child<QLineEdit>(&d, "Edit_anodevengo")->setText(QStringLiteral("2010"));
        d.BitBtn2Click();
    });
    QTest::mouseClick(control<QPushButton>("BitBtn8"), Qt::LeftButton);
    EXPECT_EQ(fake.dialogs.last().text, QStringLiteral("Datos modificados correctamente"));
    EXPECT_EQ(rows(QStringLiteral("configuracionplusvaliasdb")), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT ANODEVENGO FROM configuracionplusvaliasdb")).toInt(), 2014);
}

TEST_F(AdminTest, ModifyingAYearIntoOneAlreadyStoredIsRefusedByTheServer)
{
    db->exec(QStringLiteral("INSERT INTO configuracionplusvaliasdb (ANODEVENGO,TIPOGRAVAMEN,FINTRAMO1,FINTRAMO2,"
                            "FINTRAMO3,TIPOTRAMO1,TIPOTRAMO2,TIPOTRAMO3,TIPOTRAMO4,COEFICIENTEREDUCTOR107) "
                            "VALUES (2013,28,5,10,15,3.2,2.9,2.8,2.8,40)"));
    openWindow();
    TForm_nuevogravamen d(*data, 1,
                          db->scalar(QStringLiteral("SELECT IDCONFIGURACIONPLUSVALIAS FROM configuracionplusvaliasdb "
                                                    "WHERE ANODEVENGO=2013"))
                              .toInt());
    d.show();
    child<QLineEdit>(&d, "Edit_anodevengo")->setText(QStringLiteral("2014"));
    d.BitBtn2Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_TRUE(fake.dialogs.last().text.startsWith(QStringLiteral("La base de datos no ha aceptado la operación: ")))
        << fake.dialogs.last().text.toStdString();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM configuracionplusvaliasdb WHERE ANODEVENGO=2014")).toInt(), 1);
    EXPECT_EQ(
        db->scalar(QStringLiteral("SELECT COUNT(*) FROM configuracionplusvaliasdb WHERE ANODEVENGO=2013")).toInt(), 1);
}

TEST_F(AdminTest, AFailedInsertLeavesTheTableAndTheDialogAsTheyWere)
{
    openWindow();
    TForm_nuevogravamen d(*data, 0, 0, window.get());
    d.show();
    fill(d, k2015);
    child<QLineEdit>(&d, "Edit_anodevengo")->setText(QStringLiteral("2014")); // somebody stored it meanwhile
    d.BitBtn2Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(child<QLineEdit>(&d, "Edit_anodevengo")->text(), QStringLiteral("2014"));
    EXPECT_EQ(child<QLineEdit>(&d, "Edit_tipo1")->text(), QStringLiteral("3,7"));
    EXPECT_EQ(rows(QStringLiteral("configuracionplusvaliasdb")), 1);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT CAST(TIPOGRAVAMEN AS CHAR) FROM configuracionplusvaliasdb")).toString(),
              QStringLiteral("28.6200"));
}

TEST_F(AdminTest, OpenAdministrationReportsAWindowThatCannotBeCreated)
{
    db->exec(QStringLiteral("DROP TABLE notariosdb"));
    OpenAdministration(nullptr);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.last().kind, Kind::Error);
    EXPECT_TRUE(fake.dialogs.last().text.contains(QStringLiteral("notariosdb")))
        << fake.dialogs.last().text.toStdString();
}

TEST(PasswordDialog, MasksThePasswordAndNamesTheServer)
{
    ConnectionSettings s;
    s.socket = QStringLiteral("/tmp/x.sock");
    PasswordDialog d(s, QStringLiteral("El servidor no ha aceptado la contraseña. Quedan 2 intentos."));
    auto *field = d.findChild<QLineEdit *>(QStringLiteral("password"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->echoMode(), QLineEdit::Password);
    QTest::keyClicks(field, QStringLiteral("s3cr'et"));
    EXPECT_EQ(d.password(), QStringLiteral("s3cr'et"));
    const auto labels = d.findChildren<QLabel *>();
    ASSERT_FALSE(labels.isEmpty());
    auto *notice = d.findChild<QLabel *>(QStringLiteral("notice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), QStringLiteral("El servidor no ha aceptado la contraseña. Quedan 2 intentos."));
    EXPECT_TRUE(std::any_of(labels.cbegin(), labels.cend(),
                            [](const QLabel *l) { return l->text().contains(QStringLiteral("/tmp/x.sock")); }));
}

// A wrong password asks again, three tries in all; a cancel ends quietly.
TEST(LogIn, AWrongPasswordAsksAgainThreeTimesAtMost)
{
    SKIP_WITHOUT_TEST_DATABASE();
    TestDatabase db;
    const QString user = QStringLiteral("login_") + db.name();
    db.exec(QStringLiteral("CREATE USER '%1'@'localhost' IDENTIFIED BY 'clave'").arg(user));
    const auto dropUser = qScopeGuard([&] { db.exec(QStringLiteral("DROP USER '%1'@'localhost'").arg(user)); });
    db.exec(QStringLiteral("GRANT SELECT ON %1.* TO '%2'@'localhost'").arg(db.name(), user));
    struct Case {
        const char *what;
        std::vector<std::optional<QString>> answers;
        std::optional<bool> outcome; // nothing: the last failure is reported
    };
    const QString wrong = QStringLiteral("mala");
    const Case cases[] = {
        {"right at once", {QStringLiteral("clave")}, true},
        {"right at the third try", {wrong, wrong, QStringLiteral("clave")}, true},
        {"three wrong ones", {wrong, wrong, wrong}, std::nullopt},
        {"a cancel after a wrong one", {wrong, std::nullopt}, false},
    };
    const QStringList notices{QString(), QStringLiteral("El servidor no ha aceptado la contraseña. Quedan 2 intentos."),
                              QStringLiteral("El servidor no ha aceptado la contraseña. Queda 1 intento.")};
    for (const Case &c : cases) {
        TMyConnection connection(QStringLiteral("login"));
        ConnectionSettings settings = db.settings();
        settings.user = user;
        connection.setSettings(settings);
        QStringList asked;
        const auto result = logIn(connection, [&](const QString &notice) {
            asked << notice;
            return c.answers.at(asked.size() - 1);
        });
        EXPECT_EQ(asked, notices.first(int(c.answers.size()))) << c.what;
        if (c.outcome) {
            ASSERT_TRUE(result.has_value()) << c.what << ": " << result.error().message.toStdString();
            EXPECT_EQ(*result, *c.outcome) << c.what;
            EXPECT_EQ(connection.isOpen(), *c.outcome) << c.what;
        } else {
            ASSERT_FALSE(result.has_value()) << c.what;
            EXPECT_TRUE(result.error().message.contains(QStringLiteral("Acceso denegado")))
                << result.error().message.toStdString();
        }
    }

    // A server that cannot be reached: no password would help, so no second try.
    TMyConnection connection(QStringLiteral("login"));
    ConnectionSettings nowhere = db.settings();
    nowhere.socket += QStringLiteral(".none");
    connection.setSettings(nowhere);
    int asked = 0;
    const auto result = logIn(connection, [&](const QString &) {
        ++asked;
        return std::optional<QString>(QStringLiteral("clave"));
    });
    EXPECT_EQ(asked, 1);
    ASSERT_FALSE(result.has_value());
    EXPECT_TRUE(result.error().message.startsWith(QStringLiteral("No se puede conectar")));
}

} // namespace
