// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QTimer>
#include <QToolTip>

#include "legislation/legislacion.h"

namespace {
const QString kInputTitle = QStringLiteral("Entrada de Datos!!");

using InputSheet = WindowTest;

TEST_F(InputSheet, FrameIsFixedAndCaptioned)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Simulador I.I.V.T.N.U."));
    EXPECT_EQ(form->minimumSize(), QSize(754, 638));
    EXPECT_EQ(form->maximumSize(), QSize(754, 638));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(Form_borrador1, form.get());
    EXPECT_EQ(ui->PageControl1->tabText(0), QStringLiteral("Datos de la Liquidación"));
    EXPECT_EQ(ui->PageControl1->tabText(1), QStringLiteral("Resultados e Impresión"));
    EXPECT_EQ(ui->PageControl1->geometry(), QRect(24, 24, 697, 569));
    EXPECT_EQ(ui->Button_LIMPIAR->geometry(), QRect(408, 8, 89, 25));
    EXPECT_EQ(ui->BitBtn2->text(), QStringLiteral("Legislación"));
    EXPECT_EQ(ui->BitBtn4->text(), QStringLiteral("Volver"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->geometry(), QRect(549, 10, 121, 21));
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->geometry(), QRect(579, 123, 73, 21));
    EXPECT_EQ(ui->CurrencyEdit_edad->geometry(), QRect(528, 260, 49, 21));
    EXPECT_EQ(ui->ComboBox_bonificacion->geometry(), QRect(32, 504, 505, 21));
    EXPECT_EQ(ui->Edit_Bonificacion->geometry(), QRect(546, 504, 41, 21));
    EXPECT_EQ(ui->CheckBox1->pos(), QPoint(617, 70));
    // Pixel sizes as laid out: captions 13 px, pickers 12 px, the rest 11 px.
    EXPECT_EQ(ui->Label18->font().pixelSize(), 13);
    EXPECT_EQ(ui->DT_DEVENGO->font().pixelSize(), 12);
    EXPECT_EQ(ui->Label3->font().pixelSize(), 11);
    EXPECT_EQ(ui->Label_porcentaje->font().pixelSize(), 15);
    EXPECT_EQ(ui->Label_porcentaje->font().family(), QStringLiteral("Century Gothic"));
}

TEST_F(InputSheet, OpensWithTheDefaults)
{
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0);
    for (DatePicker *picker : {ui->DT_ADQUISICION, ui->DT_DEVENGO, ui->DT_PRESENTACION, ui->DT_VENCIMIENTOUSUFRUCTO})
        EXPECT_EQ(picker->value(), day(2, 6, 2014)) << picker->objectName().toStdString();
    EXPECT_EQ(ui->DT_DEVENGO->text(), QStringLiteral("lunes, 2 de junio de 2014"));
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->text(), QStringLiteral("02/06/2014"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), Currency());
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->text(), QString());
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->value(), money("100"));
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_VALORCATASTRAL));
    EXPECT_EQ(ui->RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(ui->RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(ui->RadioGroup3->itemIndex(), 0);
    EXPECT_FALSE(ui->RadioGroup3->isEnabled());
    EXPECT_FALSE(ui->CurrencyEdit_edad->isEnabled());
    EXPECT_FALSE(ui->Label10->isEnabled());
    EXPECT_FALSE(ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled());
    EXPECT_FALSE(ui->Label11->isEnabled());
    EXPECT_FALSE(ui->CheckBox4->isEnabled());
    EXPECT_FALSE(ui->CheckBox4->isChecked());
    EXPECT_TRUE(ui->CheckBox4->toolTip().isEmpty());
    EXPECT_FALSE(ui->CheckBox3->isChecked());
    EXPECT_EQ(ui->ComboBox_bonificacion->currentIndex(), -1);
    EXPECT_FALSE(ui->ComboBox_bonificacion->isEnabled());
    EXPECT_EQ(ui->Edit_Bonificacion->text(), QStringLiteral("0"));
    EXPECT_FALSE(ui->Edit_Bonificacion->isEnabled());
    EXPECT_TRUE(ui->CheckBox1->isChecked());
    EXPECT_TRUE(ui->CurrencyEdit_valorreducido->isReadOnly());
    EXPECT_TRUE(ui->CurrencyEdit_Valorfinal->isReadOnly());
    // Unlike the cadastral value, the two derived values show their 0.
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->text(), QStringLiteral("0,00 €"));
    EXPECT_TRUE(ui->Button_LIMPIAR->isEnabled());
    // Thirty working days from Monday 02/06/2014, Sundays and 24/06 skipped.
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("08/07/2014"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InputSheet, TodayOutsideThePickersRangesTakesTheNearestLimit)
{
    platform.clock.set(day(8, 12, 2026));
    form.reset();
    open();
    EXPECT_EQ(ui->DT_ADQUISICION->value(), day(31, 12, 2014));
    EXPECT_EQ(ui->DT_DEVENGO->value(), day(31, 12, 2014));
    EXPECT_EQ(ui->DT_PRESENTACION->value(), day(31, 12, 2014));
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->value(), day(8, 12, 2026)); // no limits
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InputSheet, PickerLimitsAreDeclared)
{
    EXPECT_EQ(ui->DT_ADQUISICION->maximumDate(), QDate(2014, 12, 31));
    EXPECT_EQ(ui->DT_DEVENGO->minimumDate(), QDate(2010, 1, 1));
    EXPECT_EQ(ui->DT_DEVENGO->maximumDate(), QDate(2014, 12, 31));
    EXPECT_EQ(ui->DT_PRESENTACION->minimumDate(), QDate(2014, 1, 1));
    EXPECT_EQ(ui->DT_PRESENTACION->maximumDate(), QDate(2014, 12, 31));
    EXPECT_TRUE(ui->DT_DEVENGO->longFormat());
    EXPECT_FALSE(ui->DT_VENCIMIENTOUSUFRUCTO->longFormat());
}

TEST_F(InputSheet, ReducedValueAndValueForSettlement)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("100000"));
    type(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("50"));
    focus(ui->DT_ADQUISICION);
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->value(), money("60000"));
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->text(), QStringLiteral("60.000,00 €"));
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), money("30000"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->text(), QStringLiteral("100.000,00 €"));
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->text(), QStringLiteral("50,00 "));

    QTest::mouseClick(ui->CheckBox1, Qt::LeftButton);
    EXPECT_FALSE(ui->CheckBox1->isChecked());
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->value(), money("100000"));
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), money("50000"));
}

TEST_F(InputSheet, ReducedValueIsShownRoundedToCents)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("1000,01"));
    focus(ui->CurrencyEdit_COEFICIENTE);
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->value(), money("600,01")); // 600.006
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), money("600,01"));
}

TEST_F(InputSheet, TypingThePercentageDoesNotRecomputeUntilLeft)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("1000"));
    type(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("50"));
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), money("600"));
    focus(ui->CurrencyEdit_VALORCATASTRAL);
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), money("300"));
}

struct PercentCase {
    const char *typed;
    const char *text;
};

class PercentageTyping : public WindowTest, public ::testing::WithParamInterface<PercentCase> {};

TEST_P(PercentageTyping, TextRuleKeepsItAtMostAHundred)
{
    type(ui->CurrencyEdit_COEFICIENTE, QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->editText(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->text(), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Typed, PercentageTyping,
                         ::testing::Values(PercentCase{"150", "15"}, PercentCase{"1000", "100"},
                                           PercentCase{"100,5", "100"}, PercentCase{"12,3456", "12,"},
                                           PercentCase{"99,99", "99,99"}, PercentCase{"12.5", "12,5"},
                                           PercentCase{"-7a", "7"}, PercentCase{"250", "25"}));

TEST_F(InputSheet, CadastralValueKeyFilter)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("1a2-3.4 5"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->editText(), QStringLiteral("123,45"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), money("123,45"));
}

TEST_F(InputSheet, CadastralValueStopsTakingKeysAboveTenMillion)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("10000000"));
    QTest::keyClicks(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("5")); // at ten million it still takes one
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->editText(), QStringLiteral("100000005"));
    QTest::keyClicks(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("7,"));
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_Backspace);
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->editText(), QStringLiteral("100000005"));
    QApplication::clipboard()->setText(QStringLiteral("1"));
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->editText(), QStringLiteral("100000005"));
}

TEST_F(InputSheet, APasteIsTheAmountMeantOrARefusalWithItsReason)
{
    const auto paste = [this](CurrencyEdit *edit, const QString &text) {
        focus(edit);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    };
    paste(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("1.234,56"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), money("1234,56"));
    paste(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("2.500"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), money("2500"));
    ASSERT_TRUE(messages().isEmpty());
    // Refused by the reading, by the field's filter (no sign, nothing past
    // ten million) and by the percentage's text rule (150 would become 15).
    paste(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("abc"));
    paste(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("-5"));
    paste(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("123.456.789.012"));
    paste(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("150"));
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), money("2500"));
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->value(), money("100"));
    EXPECT_EQ(messages(), (QStringList{QStringLiteral("«abc» no es un importe: escríbalo como 1.234,56"),
                                       QStringLiteral("Este campo no admite el importe pegado «-5»."),
                                       QStringLiteral("Este campo no admite el importe pegado «123.456.789.012»."),
                                       QStringLiteral("Este campo no admite el importe pegado «150».")}));
    EXPECT_EQ(platform.dialogs.last().title, kInputTitle);
}

TEST_F(InputSheet, MortisCausaOffersTheExtension)
{
    ui->RadioGroup1->button(1)->click();
    EXPECT_EQ(ui->Label7->text(), QStringLiteral("Fecha de Fallecimiento (Devengo del Impuesto)"));
    EXPECT_TRUE(ui->CheckBox4->isEnabled());
    EXPECT_EQ(ui->CheckBox4->toolTip(), QStringLiteral("Podrá solicitar prorroga por un período de 6 meses más."));
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("02/12/2014")); // six months

    QTest::mouseClick(ui->CheckBox4, Qt::LeftButton);
    EXPECT_TRUE(ui->CheckBox4->isChecked());
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("02/06/2015")); // one year

    ui->RadioGroup1->button(0)->click();
    EXPECT_EQ(ui->Label7->text(), QStringLiteral("Fecha de Transmisión (Devengo del Impuesto)"));
    EXPECT_FALSE(ui->CheckBox4->isEnabled());
    EXPECT_FALSE(ui->CheckBox4->isChecked());
    EXPECT_TRUE(ui->CheckBox4->toolTip().isEmpty());
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("08/07/2014"));
}

TEST_F(InputSheet, BareOwnershipEnablesTheUsufructInputs)
{
    ui->RadioGroup2->button(1)->click();
    EXPECT_TRUE(ui->RadioGroup3->isEnabled());
    EXPECT_TRUE(ui->CurrencyEdit_edad->isEnabled());
    EXPECT_TRUE(ui->Label10->isEnabled());
    EXPECT_FALSE(ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled());
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_edad));
    EXPECT_EQ(form->simulationValues().ownershipMode, OwnershipMode::BareAndUsufruct);

    type(ui->CurrencyEdit_edad, QStringLiteral("45"));
    ui->RadioGroup3->button(1)->click(); // "Temporal"
    EXPECT_TRUE(ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled());
    EXPECT_TRUE(ui->Label11->isEnabled());
    EXPECT_FALSE(ui->CurrencyEdit_edad->isEnabled());
    EXPECT_FALSE(ui->Label10->isEnabled());
    EXPECT_EQ(ui->CurrencyEdit_edad->text(), QString());
    EXPECT_EQ(ui->CurrencyEdit_edad->value(), Currency());

    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(day(1, 1, 2030));
    ui->RadioGroup3->button(0)->click(); // "Vitalicio"
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->value(), day(2, 6, 2014));
    EXPECT_TRUE(ui->CurrencyEdit_edad->isEnabled());
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_edad));
}

TEST_F(InputSheet, BackToFullOwnershipResetsTheUsufruct)
{
    ui->RadioGroup2->button(1)->click();
    ui->RadioGroup3->button(1)->click();
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(day(1, 1, 2030));
    ui->RadioGroup2->button(0)->click();
    EXPECT_EQ(ui->RadioGroup3->itemIndex(), 0);
    EXPECT_FALSE(ui->RadioGroup3->isEnabled());
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->value(), day(2, 6, 2014));
    EXPECT_FALSE(ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled());
    EXPECT_FALSE(ui->CurrencyEdit_edad->isEnabled());
    EXPECT_FALSE(ui->Label10->isEnabled());
    EXPECT_EQ(form->simulationValues().ownershipMode, OwnershipMode::FullOwnership);
}

TEST_F(InputSheet, AgeIsHeldInWholeYearsBetweenZeroAndOneHundredTen)
{
    ui->RadioGroup2->button(1)->click();
    type(ui->CurrencyEdit_edad, QStringLiteral("150"));
    focus(ui->DT_ADQUISICION);
    EXPECT_EQ(ui->CurrencyEdit_edad->value(), money("110"));
    EXPECT_EQ(ui->CurrencyEdit_edad->text(), QStringLiteral("110"));
    // The field shows the completed years the pass uses, not 45,6 rounded.
    type(ui->CurrencyEdit_edad, QStringLiteral("45,6"));
    focus(ui->DT_ADQUISICION);
    EXPECT_EQ(ui->CurrencyEdit_edad->text(), QStringLiteral("45"));
    EXPECT_EQ(ui->CurrencyEdit_edad->value(), money("45"));
}

TEST_F(InputSheet, BonusListAndPercentage)
{
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    EXPECT_TRUE(ui->ComboBox_bonificacion->isEnabled());
    EXPECT_TRUE(ui->Edit_Bonificacion->isEnabled());
    EXPECT_EQ(ui->ComboBox_bonificacion->currentText(),
              QStringLiteral("Art. 6 - O.M. (Transmisión Viv. habitual- Mortis Causa)"));
    EXPECT_EQ(ui->Edit_Bonificacion->text(), QStringLiteral("95"));
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    EXPECT_FALSE(ui->ComboBox_bonificacion->isEnabled());
    EXPECT_FALSE(ui->Edit_Bonificacion->isEnabled());
    EXPECT_EQ(ui->ComboBox_bonificacion->currentIndex(), -1);
    EXPECT_EQ(ui->Edit_Bonificacion->text(), QStringLiteral("0"));
}

TEST_F(InputSheet, AcquisitionAfterTheTransferIsReplacedByToday)
{
    ui->DT_DEVENGO->setValue(day(15, 3, 2014));
    focus(ui->DT_ADQUISICION);
    ui->DT_ADQUISICION->setValue(day(1, 4, 2014));
    focus(ui->DT_DEVENGO);
    ASSERT_EQ(messages(), QStringList{QStringLiteral("La fecha de devengo no puede ser inferior al titulo previo")});
    EXPECT_EQ(platform.dialogs.last().title, kInputTitle);
    EXPECT_EQ(ui->DT_ADQUISICION->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_ADQUISICION));
}

TEST_F(InputSheet, FilingBeforeTheTransferSendsTheFocusToTheTransferDate)
{
    ui->DT_DEVENGO->setValue(day(15, 3, 2014));
    focus(ui->DT_PRESENTACION);
    ui->DT_PRESENTACION->setValue(day(10, 3, 2014));
    focus(ui->CheckBox3);
    ASSERT_EQ(messages(), QStringList{QStringLiteral("La fecha de presentación no puede ser inferior al devengo")});
    EXPECT_EQ(platform.dialogs.last().title, kInputTitle);
    EXPECT_EQ(ui->DT_PRESENTACION->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_DEVENGO));
}

TEST_F(InputSheet, ATypedDateOutsideThePickersLimitsIsReportedAndDropped)
{
    focus(ui->DT_PRESENTACION);
    ui->DT_PRESENTACION->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(ui->DT_PRESENTACION, QStringLiteral("2015"));
    focus(ui->CheckBox3);
    ASSERT_EQ(messages(),
              QStringList{QStringLiteral("La fecha debe estar comprendida entre el 01/01/2014 y el 31/12/2014.")});
    EXPECT_EQ(platform.dialogs.last().title, kInputTitle);
    EXPECT_EQ(ui->DT_PRESENTACION->value(), day(2, 6, 2014));

    platform.dialogs.clear();
    focus(ui->DT_ADQUISICION);
    ui->DT_ADQUISICION->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(ui->DT_ADQUISICION, QStringLiteral("2015"));
    focus(ui->CheckBox3);
    ASSERT_EQ(messages(), QStringList{QStringLiteral("La fecha no puede ser posterior al 31/12/2014.")});
    EXPECT_EQ(ui->DT_ADQUISICION->value(), day(2, 6, 2014));
}

TEST_F(InputSheet, TransferBeforeTheAcquisitionIsReplacedByToday)
{
    ui->DT_ADQUISICION->setValue(day(1, 3, 2014));
    focus(ui->DT_DEVENGO);
    ui->DT_DEVENGO->setValue(day(10, 2, 2014));
    focus(ui->DT_PRESENTACION);
    ASSERT_EQ(messages(), QStringList{QStringLiteral("La fecha de devengo no puede ser inferior a la de adquisición")});
    EXPECT_EQ(ui->DT_DEVENGO->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_DEVENGO));
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("08/07/2014")); // the deadline of the new date
}

TEST_F(InputSheet, AnAcquisitionLaterThanTodayIsCheckedOnceMoreThenLeft)
{
    ui->DT_DEVENGO->setValue(day(1, 10, 2014));
    ui->DT_ADQUISICION->setValue(day(1, 9, 2014)); // after today, 02/06/2014
    focus(ui->DT_DEVENGO);
    ui->DT_DEVENGO->setValue(day(1, 8, 2014));
    focus(ui->DT_PRESENTACION);
    const QString text = QStringLiteral("La fecha de devengo no puede ser inferior a la de adquisición");
    EXPECT_EQ(messages(), (QStringList{text, text}));
    EXPECT_EQ(ui->DT_DEVENGO->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_DEVENGO));
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("08/07/2014"));
}

TEST_F(InputSheet, TemporaryUsufructEndingBeforeTheTransfer)
{
    ui->RadioGroup2->button(1)->click();
    ui->RadioGroup3->button(1)->click();
    ui->DT_ADQUISICION->setValue(day(1, 1, 2010));
    focus(ui->DT_DEVENGO);
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(day(1, 1, 2013));
    ui->DT_DEVENGO->setValue(day(10, 3, 2014));
    focus(ui->DT_PRESENTACION);
    ASSERT_EQ(messages(),
              QStringList{QStringLiteral("La fecha del usufructo no puede ser inferior a la fecha de devengo")});
    EXPECT_EQ(ui->DT_DEVENGO->value(), day(2, 6, 2014));
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_VENCIMIENTOUSUFRUCTO));
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("14/04/2014")); // computed before the reset
}

TEST_F(InputSheet, UsufructEndCheckedWhenLeft)
{
    ui->RadioGroup2->button(1)->click();
    ui->RadioGroup3->button(1)->click();
    focus(ui->DT_VENCIMIENTOUSUFRUCTO);
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(day(1, 5, 2014));
    focus(ui->DT_ADQUISICION);
    ASSERT_EQ(messages(),
              QStringList{QStringLiteral("La fecha del usufructo no puede ser inferior a la fecha de devengo")});
    EXPECT_EQ(ui->DT_VENCIMIENTOUSUFRUCTO->value(), day(2, 6, 2014));
    EXPECT_TRUE(focusIsIn(ui->DT_VENCIMIENTOUSUFRUCTO));
}

TEST_F(InputSheet, ClearingKeepsTheRevisionAnswerAndTheResultsBoxes)
{
    QTest::mouseClick(ui->CheckBox1, Qt::LeftButton);
    ui->CheckBox7->setChecked(false);
    ui->CheckBox8->setChecked(true);
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("5000"));
    type(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("30"));
    ui->RadioGroup1->button(1)->click();
    QTest::mouseClick(ui->CheckBox4, Qt::LeftButton);
    ui->RadioGroup2->button(1)->click();
    ui->RadioGroup3->button(1)->click();
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    ui->DT_ADQUISICION->setValue(day(1, 1, 2012));
    ui->DT_DEVENGO->setValue(day(1, 1, 2013));
    focus(ui->DT_PRESENTACION);
    ASSERT_TRUE(messages().isEmpty());

    QTest::mouseClick(ui->Button_LIMPIAR, Qt::LeftButton);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_FALSE(ui->CheckBox1->isChecked());
    EXPECT_FALSE(ui->CheckBox7->isChecked());
    EXPECT_TRUE(ui->CheckBox8->isChecked());
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), Currency());
    EXPECT_EQ(ui->CurrencyEdit_COEFICIENTE->value(), money("100"));
    EXPECT_EQ(ui->CurrencyEdit_valorreducido->value(), Currency());
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), Currency());
    for (DatePicker *picker : {ui->DT_ADQUISICION, ui->DT_DEVENGO, ui->DT_PRESENTACION, ui->DT_VENCIMIENTOUSUFRUCTO})
        EXPECT_EQ(picker->value(), day(2, 6, 2014)) << picker->objectName().toStdString();
    EXPECT_EQ(ui->RadioGroup1->itemIndex(), 0);
    EXPECT_FALSE(ui->CheckBox4->isChecked());
    EXPECT_FALSE(ui->CheckBox4->isEnabled());
    EXPECT_EQ(ui->Label20->text(), QStringLiteral("08/07/2014"));
    EXPECT_EQ(ui->RadioGroup2->itemIndex(), 0);
    EXPECT_EQ(ui->RadioGroup3->itemIndex(), 0);
    EXPECT_FALSE(ui->RadioGroup3->isEnabled());
    EXPECT_FALSE(ui->DT_VENCIMIENTOUSUFRUCTO->isEnabled());
    EXPECT_FALSE(ui->CheckBox3->isChecked());
    EXPECT_EQ(ui->Edit_Bonificacion->text(), QStringLiteral("0"));
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_VALORCATASTRAL));
}

TEST_F(InputSheet, TabOrderFollowsTheDeclaredOrder)
{
    ui->RadioGroup2->button(1)->click();
    focus(ui->CurrencyEdit_VALORCATASTRAL);
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *f = QApplication::focusWidget();
        while (f && f->objectName().isEmpty())
            f = f->parentWidget();
        visited << (f ? f->objectName() : QString());
    }
    const QStringList expected =
        QString::fromLatin1("CurrencyEdit_COEFICIENTE RadioGroup1_0 RadioGroup2_1 RadioGroup3_0 "
                            "CurrencyEdit_edad DT_ADQUISICION DT_DEVENGO DT_PRESENTACION "
                            "CheckBox3 CheckBox1 CurrencyEdit_VALORCATASTRAL "
                            "CurrencyEdit_COEFICIENTE")
            .split(u' ');
    EXPECT_EQ(visited, expected);
}

// Every input of the sheet as the user sees it.
QStringList inputs(const Controls *ui)
{
    QStringList seen;
    for (const CurrencyEdit *edit : {ui->CurrencyEdit_VALORCATASTRAL, ui->CurrencyEdit_COEFICIENTE, ui->CurrencyEdit_edad,
                                     ui->CurrencyEdit_valorreducido, ui->CurrencyEdit_Valorfinal})
        seen << edit->value().toPlainText();
    for (const DatePicker *picker :
         {ui->DT_VENCIMIENTOUSUFRUCTO, ui->DT_ADQUISICION, ui->DT_DEVENGO, ui->DT_PRESENTACION})
        seen << picker->value().toShortDateText();
    for (const QCheckBox *box : {ui->CheckBox4, ui->CheckBox3, ui->CheckBox1})
        seen << QString::number(box->isChecked());
    for (const RadioGroup *group : {ui->RadioGroup1, ui->RadioGroup2, ui->RadioGroup3})
        seen << QString::number(group->itemIndex());
    seen << QString::number(ui->ComboBox_bonificacion->currentIndex()) << ui->Edit_Bonificacion->text()
         << ui->Label20->text() << QString::number(ui->PageControl1->currentIndex());
    return seen;
}

// The named control the focus is in (a radio group's buttons count as the group).
QString focusedControl()
{
    const QWidget *f = QApplication::focusWidget();
    while (f && (f->objectName().isEmpty() || qobject_cast<const QRadioButton *>(f)))
        f = f->parentWidget();
    return f ? f->objectName() : QString();
}

TEST_F(InputSheet, ReturnOnAnyInputMovesOnOrKeepsItsMeaningAndChangesNothing)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("100000"));
    type(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("50"));
    ui->RadioGroup1->button(1)->click();
    QTest::mouseClick(ui->CheckBox4, Qt::LeftButton);
    ui->RadioGroup2->button(1)->click();
    type(ui->CurrencyEdit_edad, QStringLiteral("45"));
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    ui->DT_ADQUISICION->setValue(day(15, 3, 2004));
    ui->DT_DEVENGO->setValue(day(10, 1, 2013));
    focus(ui->DT_DEVENGO); // its exit refreshes the deadline
    focus(ui->CurrencyEdit_VALORCATASTRAL);
    ASSERT_TRUE(messages().isEmpty());

    // Where Return leaves the focus; a control that keeps Return's own
    // meaning keeps the focus too.
    const std::vector<std::pair<QWidget *, QWidget *>> cases{
        {ui->CurrencyEdit_VALORCATASTRAL, ui->CurrencyEdit_COEFICIENTE},
        {ui->CurrencyEdit_COEFICIENTE, ui->RadioGroup1},
        {ui->RadioGroup1->button(1), ui->RadioGroup2},
        {ui->CheckBox4, ui->CheckBox4},
        {ui->RadioGroup2->button(1), ui->RadioGroup3},
        {ui->RadioGroup3->button(0), ui->CurrencyEdit_edad},
        {ui->CurrencyEdit_edad, ui->DT_ADQUISICION},
        {ui->DT_ADQUISICION, ui->DT_ADQUISICION},
        {ui->DT_DEVENGO, ui->DT_DEVENGO},
        {ui->DT_PRESENTACION, ui->DT_PRESENTACION},
        {ui->CheckBox3, ui->CheckBox3},
        {ui->ComboBox_bonificacion, ui->CheckBox1},
        {ui->CheckBox1, ui->CheckBox1},
        {ui->CurrencyEdit_valorreducido, ui->Edit_Bonificacion},
        {ui->CurrencyEdit_Valorfinal, ui->Edit_Bonificacion},
        {ui->Edit_Bonificacion, ui->CurrencyEdit_VALORCATASTRAL},
    };
    const QStringList before = inputs(ui.get());
    for (const auto &[control, next] : cases) {
        SCOPED_TRACE(control->objectName().toStdString());
        focus(control);
        ASSERT_EQ(focusedControl(), control == ui->RadioGroup1->button(1)   ? QStringLiteral("RadioGroup1")
                                    : control == ui->RadioGroup2->button(1) ? QStringLiteral("RadioGroup2")
                                    : control == ui->RadioGroup3->button(0) ? QStringLiteral("RadioGroup3")
                                                                            : control->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focusedControl(), next->objectName());
        EXPECT_EQ(inputs(ui.get()), before);
    }
    // The temporary usufruct's end date, enabled in place of the age.
    ui->RadioGroup3->button(1)->click();
    const QStringList temporary = inputs(ui.get());
    focus(ui->DT_VENCIMIENTOUSUFRUCTO);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(focusedControl(), QStringLiteral("DT_VENCIMIENTOUSUFRUCTO"));
    EXPECT_EQ(inputs(ui.get()), temporary);
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(InputSheet, ReturnOnAFocusedButtonPressesIt)
{
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("100000"));
    QTest::mouseClick(ui->Button_LIMPIAR, Qt::LeftButton); // takes the focus
    type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("100000"));
    ui->Button_LIMPIAR->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(ui->Button_LIMPIAR, Qt::Key_Return);
    EXPECT_EQ(ui->CurrencyEdit_VALORCATASTRAL->value(), Currency());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (const QPushButton *button : form->findChildren<QPushButton *>())
        EXPECT_FALSE(button->autoDefault() || button->isDefault()) << button->objectName().toStdString();
}

TEST_F(InputSheet, HintsStayUpWhileTheWindowIsShown)
{
    EXPECT_EQ(ui->Label3->toolTip().split(u'\n').size(), 4);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), ui->Label3->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(ui->Label3, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), ui->Label3->toolTip());
    QToolTip::hideText();
}

TEST_F(InputSheet, VolverClosesTheWindowEscapeDoesNot)
{
    QTest::keyClick(ui->CurrencyEdit_VALORCATASTRAL, Qt::Key_Escape);
    EXPECT_TRUE(form->isVisible());
    QTest::mouseClick(ui->BitBtn4, Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}
} // namespace

namespace {
TEST_F(InputSheet, LegislacionOpensTheViewerModallyOverTheWindow)
{
    QWidget *shown = nullptr;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, form.get(), [&] {
        shown = QApplication::activeModalWidget();
        if (shown) {
            parent = shown->parentWidget();
            shown->close();
        }
    });
    QTest::mouseClick(ui->BitBtn2, Qt::LeftButton);
    ASSERT_NE(shown, nullptr);
    EXPECT_NE(shown, form.get());
    EXPECT_EQ(parent, form.get());
    EXPECT_EQ(Form_legislacion, nullptr); // freed on return
}
} // namespace
