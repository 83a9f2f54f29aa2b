// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "report/report.h"

#include <vector>

namespace {
const QString kErrorTitle = QStringLiteral("Error");
const QString kWarning =
    QStringLiteral("ATENCIÓN!! La administración podrá incoar el correspondiente Expediente Sancionador");

class ResultsSheet : public WindowTest {
protected:
    // The worked example: land value 100,000.00 revised (reduced to
    // 60,000.00), whole share, acquired 15/03/2004, transferred 15/03/2014
    // and filed in time on 20/03/2014.
    void enterWorkedExample()
    {
        type(ui->CurrencyEdit_VALORCATASTRAL, QStringLiteral("100000"));
        focus(ui->DT_ADQUISICION);
        ui->DT_ADQUISICION->setValue(day(15, 3, 2004));
        focus(ui->DT_DEVENGO);
        ui->DT_DEVENGO->setValue(day(15, 3, 2014));
        focus(ui->DT_PRESENTACION);
        ui->DT_PRESENTACION->setValue(day(20, 3, 2014));
        focus(ui->CheckBox3);
        ASSERT_TRUE(messages().isEmpty()) << messages().join(u'|').toStdString();
    }

    void chooseBareOwnership(const char *age)
    {
        ui->RadioGroup2->button(1)->click();
        type(ui->CurrencyEdit_edad, QString::fromUtf8(age));
        focus(ui->CheckBox3);
    }

    [[nodiscard]] bool secondColumnShown() const
    {
        return ui->Label_BI2->isVisible() && ui->Label29->isVisible() && ui->Label_TOTAL2->isVisible() &&
               ui->Label53->isVisible() && ui->Label54->isVisible();
    }
    [[nodiscard]] bool secondColumnHidden() const
    {
        return !ui->Label_BI2->isVisible() && !ui->Label29->isVisible() && !ui->Label_TOTAL2->isVisible() &&
               !ui->Label53->isVisible() && !ui->Label54->isVisible();
    }
};

TEST_F(ResultsSheet, LayoutAndCaptions)
{
    EXPECT_EQ(ui->Label4->text(), QStringLiteral("[1] Base Imponible......................"));
    EXPECT_EQ(ui->Label27->text(), QStringLiteral("[12] TOTAL A INGRESAR.............."));
    EXPECT_EQ(ui->Label53->text(), QStringLiteral("[12] TOTAL A INGRESAR..............."));
    EXPECT_EQ(ui->Label28->text(), QStringLiteral("[5]+[8]+[9]+[11]"));
    EXPECT_EQ(ui->Label4->x(), 24);
    EXPECT_EQ(ui->Label29->x(), 368);
    EXPECT_EQ(ui->Label_BI->geometry().right() + 1, 321);
    EXPECT_EQ(ui->Label_BI2->geometry().right() + 1, 664);
    EXPECT_EQ(ui->Label_TOTAL->y(), 304);
    EXPECT_TRUE(ui->Label_TOTAL->font().bold());
    EXPECT_EQ(ui->CheckBox7->text(), QStringLiteral("Presentación con Ingreso"));
    EXPECT_TRUE(ui->CheckBox7->isChecked());
    EXPECT_FALSE(ui->CheckBox8->isChecked());
    EXPECT_EQ(ui->CheckBox8->geometry(), QRect(43, 381, 598, 28));
    EXPECT_EQ(ui->Label2->text(), QStringLiteral("Opciones de Impresión del borrador"));
    EXPECT_EQ(ui->BitBtn_PLENAPROPIEDAD->geometry(), QRect(64, 466, 153, 27));
    EXPECT_EQ(ui->BitBtn_NUDAPROPIEDAD->geometry(), QRect(64, 467, 153, 27));
    EXPECT_EQ(ui->BitBtn_USUFRUCTO->geometry(), QRect(464, 467, 151, 25));
    EXPECT_EQ(ui->BitBtn_USUFRUCTO->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(ui->Label_advertencia->font().family(), QStringLiteral("Courier New"));
}

TEST_F(ResultsSheet, MissingCadastralValueSendsTheUserBack)
{
    ui->RadioGroup2->button(1)->click(); // no age either: only the first failure is told
    showSheet(1);
    ASSERT_EQ(messages(),
              QStringList{QStringLiteral("Falta el valor catastral del suelo para realizar la simulación")});
    EXPECT_EQ(platform.dialogs.last().title, kErrorTitle);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(ui->Button_LIMPIAR->isEnabled());
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_VALORCATASTRAL));
}

TEST_F(ResultsSheet, MissingAgeOfALifeUsufruct)
{
    enterWorkedExample();
    ui->RadioGroup2->button(1)->click();
    showSheet(1);
    ASSERT_EQ(messages(), QStringList{QStringLiteral("Falta la edad del Usufructuario para realizar la simulación.")});
    EXPECT_EQ(platform.dialogs.last().title, kErrorTitle);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0);
    EXPECT_TRUE(focusIsIn(ui->CurrencyEdit_edad));
}

TEST_F(ResultsSheet, ATemporaryUsufructNeedsNoAge)
{
    enterWorkedExample();
    ui->RadioGroup2->button(1)->click();
    ui->RadioGroup3->button(1)->click();
    ui->DT_VENCIMIENTOUSUFRUCTO->setValue(day(15, 3, 2024));
    showSheet(1);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(ui->Button_LIMPIAR->isEnabled());
}

TEST_F(ResultsSheet, FullOwnershipWorkedExample)
{
    enterWorkedExample();
    showSheet(1);
    ASSERT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui->PageControl1->currentIndex(), 1);
    EXPECT_FALSE(ui->Button_LIMPIAR->isEnabled());
    EXPECT_EQ(ui->Label88->text(), QStringLiteral("Plena Propiedad"));
    EXPECT_EQ(ui->Label89->text(), QString());
    EXPECT_EQ(ui->Label_BI->text(), QStringLiteral("17.820,00 €"));
    EXPECT_EQ(ui->Label_TG->text(), QStringLiteral("28,62 %"));
    EXPECT_EQ(ui->Label_CT->text(), QStringLiteral("5.100,08 €"));
    EXPECT_EQ(ui->Label_BONIFICACION->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_CL->text(), QStringLiteral("5.100,08 €"));
    EXPECT_EQ(ui->Label_RUNICO->text(), QStringLiteral("0 %"));
    EXPECT_EQ(ui->Label_IRUNICO->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_RUNICOREDUCIDO->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_ID->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_RE->text(), QStringLiteral("0 %"));
    EXPECT_EQ(ui->Label_IRE->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_TOTAL->text(), QStringLiteral("5.100,08 €"));
    EXPECT_EQ(ui->Label_advertencia->text(), QString());
    EXPECT_TRUE(secondColumnHidden());
    EXPECT_TRUE(ui->BitBtn_PLENAPROPIEDAD->isVisible());
    EXPECT_FALSE(ui->BitBtn_NUDAPROPIEDAD->isVisible());
    EXPECT_FALSE(ui->BitBtn_USUFRUCTO->isVisible());
    EXPECT_EQ(form->simulationValues().rightName, QStringLiteral("PLENA PROPIEDAD"));
}

TEST_F(ResultsSheet, FullOwnershipWithTheBonus)
{
    enterWorkedExample();
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    showSheet(1);
    EXPECT_EQ(ui->Label_CT->text(), QStringLiteral("5.100,08 €"));
    EXPECT_EQ(ui->Label_BONIFICACION->text(), QStringLiteral("4.845,08 €"));
    EXPECT_EQ(ui->Label_CL->text(), QStringLiteral("255,00 €"));
    EXPECT_EQ(ui->Label_TOTAL->text(), QStringLiteral("255,00 €"));
}

TEST_F(ResultsSheet, BareOwnershipAndLifeUsufructWorkedExample)
{
    enterWorkedExample();
    chooseBareOwnership("45");
    showSheet(1);
    ASSERT_TRUE(messages().isEmpty()) << messages().join(u'|').toStdString();
    EXPECT_EQ(ui->Label88->text(), QStringLiteral("Nuda Propiedad"));
    EXPECT_EQ(ui->Label89->text(), QStringLiteral("Usufructo"));
    EXPECT_EQ(ui->Label_BI->text(), QStringLiteral("9.979,20 €"));
    EXPECT_EQ(ui->Label_BI2->text(), QStringLiteral("7.840,80 €"));
    EXPECT_EQ(ui->Label_CT->text(), QStringLiteral("2.856,05 €"));  // 2,856.0470
    EXPECT_EQ(ui->Label_CT2->text(), QStringLiteral("2.244,04 €")); // 2,244.0370
    EXPECT_EQ(ui->Label_TG2->text(), QStringLiteral("28,62 %"));
    EXPECT_TRUE(secondColumnShown());
    EXPECT_FALSE(ui->BitBtn_PLENAPROPIEDAD->isVisible());
    EXPECT_TRUE(ui->BitBtn_NUDAPROPIEDAD->isVisible());
    EXPECT_TRUE(ui->BitBtn_USUFRUCTO->isVisible());
}

TEST_F(ResultsSheet, BareOwnershipWithTheBonusTotalsFromTheExactSum)
{
    enterWorkedExample();
    chooseBareOwnership("45");
    QTest::mouseClick(ui->CheckBox3, Qt::LeftButton);
    showSheet(1);
    EXPECT_EQ(ui->Label_BONIFICACION->text(), QStringLiteral("2.713,24 €"));
    EXPECT_EQ(ui->Label_BONIFICACION2->text(), QStringLiteral("2.131,84 €"));
    // Net quotas 142.8070 and 112.1970 keep four decimals; filed in time,
    // the total is the net quota rounded once.
    EXPECT_EQ(ui->Label_CL->text(), QStringLiteral("142,81 €"));
    EXPECT_EQ(ui->Label_TOTAL->text(), QStringLiteral("142,81 €"));
    EXPECT_EQ(ui->Label_CL2->text(), QStringLiteral("112,20 €"));
    EXPECT_EQ(ui->Label_TOTAL2->text(), QStringLiteral("112,20 €"));
}

TEST_F(ResultsSheet, PriorRequirementWarningFollowsTheBoxAtOnce)
{
    enterWorkedExample();
    showSheet(1);
    QTest::mouseClick(ui->CheckBox8, Qt::LeftButton);
    EXPECT_EQ(ui->Label_advertencia->text(), kWarning);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 1);
    EXPECT_TRUE(form->simulationValues().priorRequirement);
    QTest::mouseClick(ui->CheckBox8, Qt::LeftButton);
    EXPECT_EQ(ui->Label_advertencia->text(), QString());
    EXPECT_FALSE(form->simulationValues().priorRequirement);
}

TEST_F(ResultsSheet, PaidAtFilingBoxRecomputesAtOnce)
{
    enterWorkedExample();
    showSheet(1);
    ASSERT_TRUE(form->simulationValues().paidAtFiling);
    QTest::mouseClick(ui->CheckBox7, Qt::LeftButton);
    EXPECT_FALSE(form->simulationValues().paidAtFiling);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 1);
}

TEST_F(ResultsSheet, LateFilingShowsTheSurchargeLines)
{
    enterWorkedExample();
    focus(ui->DT_PRESENTACION);
    ui->DT_PRESENTACION->setValue(day(20, 12, 2014)); // eight months after the deadline
    focus(ui->CheckBox3);
    showSheet(1);
    ASSERT_TRUE(messages().isEmpty());
    const SimulationValues &v = form->simulationValues();
    EXPECT_GT(v.fullOwnership.surchargePercent, 0);
    EXPECT_EQ(ui->Label_RUNICO->text(), QString::number(v.fullOwnership.surchargePercent) + QStringLiteral(" %"));
    EXPECT_EQ(ui->Label_IRUNICO->text(), v.fullOwnership.surchargeAmount.roundedToCents().toMoneyText());
    EXPECT_EQ(ui->Label_RUNICOREDUCIDO->text(), v.fullOwnership.reducedSurcharge.roundedToCents().toMoneyText());
    const Currency exactSum = v.fullOwnership.netQuota + v.fullOwnership.reducedSurcharge +
                              v.fullOwnership.lateInterest + v.fullOwnership.executiveAmount;
    EXPECT_EQ(ui->Label_TOTAL->text(), exactSum.roundedToCents().toMoneyText());
}

TEST_F(ResultsSheet, SwitchingModesSwapsTheColumnAndTheButtons)
{
    enterWorkedExample();
    chooseBareOwnership("45");
    showSheet(1);
    ASSERT_TRUE(secondColumnShown());
    showSheet(0);
    EXPECT_TRUE(ui->Button_LIMPIAR->isEnabled());
    ui->RadioGroup2->button(0)->click();
    showSheet(1);
    EXPECT_TRUE(secondColumnHidden());
    EXPECT_TRUE(ui->BitBtn_PLENAPROPIEDAD->isVisible());
    EXPECT_FALSE(ui->BitBtn_NUDAPROPIEDAD->isVisible());
    EXPECT_FALSE(ui->BitBtn_USUFRUCTO->isVisible());
    EXPECT_EQ(ui->Label_BI->text(), QStringLiteral("17.820,00 €"));
    EXPECT_EQ(ui->Label89->text(), QString());
}

TEST_F(ResultsSheet, PrintButtonsNameTheRightAndPreviewItsDraft)
{
    std::vector<PreparedDocument> previews;
    QWidget *previewParent = nullptr;
    ReportPreviewSeam::Override preview([&](QWidget *parent, const PreparedDocument &document) {
        previewParent = parent;
        previews.push_back(document);
    });
    enterWorkedExample();
    showSheet(1);
    EXPECT_EQ(form->simulationValues().rightName, QStringLiteral("PLENA PROPIEDAD"));
    QTest::mouseClick(ui->BitBtn_PLENAPROPIEDAD, Qt::LeftButton);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previewParent, form.get());
    EXPECT_TRUE(previews[0].texts().contains(QStringLiteral("PLENA PROPIEDAD")));
    EXPECT_TRUE(previews[0].texts().contains(QStringLiteral("17.820,00 €")));

    showSheet(0);
    chooseBareOwnership("45");
    showSheet(1);
    EXPECT_EQ(form->simulationValues().rightName, QStringLiteral("PLENA PROPIEDAD"));
    QTest::mouseClick(ui->BitBtn_NUDAPROPIEDAD, Qt::LeftButton);
    EXPECT_EQ(form->simulationValues().rightName, QStringLiteral("NUDA PROPIEDAD"));
    QTest::mouseClick(ui->BitBtn_USUFRUCTO, Qt::LeftButton);
    EXPECT_EQ(form->simulationValues().rightName, QStringLiteral("USUFRUCTO"));
    ASSERT_EQ(previews.size(), 3u);
    EXPECT_TRUE(previews[1].texts().contains(QStringLiteral("9.979,20 €")));
    EXPECT_TRUE(previews[2].texts().contains(QStringLiteral("USUFRUCTO")));
    EXPECT_TRUE(previews[2].texts().contains(QStringLiteral("7.840,80 €")));
    EXPECT_FALSE(previews[2].texts().contains(QStringLiteral("9.979,20 €")));
}

TEST_F(ResultsSheet, NoResultOfAnEarlierPassSurvivesAFailedOne)
{
    enterWorkedExample();
    showSheet(1);
    ASSERT_EQ(ui->Label_BI->text(), QStringLiteral("17.820,00 €"));
    showSheet(0);
    QTest::mouseClick(ui->Button_LIMPIAR, Qt::LeftButton);
    showSheet(1); // cadastral value missing: back to the input sheet
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(ui->PageControl1->currentIndex(), 0);
    for (QLabel *line : {ui->Label_BI, ui->Label_CT, ui->Label_CL, ui->Label_TOTAL})
        EXPECT_EQ(line->text(), QStringLiteral("0,00 €")) << line->objectName().toStdString();
}

TEST_F(ResultsSheet, AShareOfZeroGivesZerosWithoutAMessage)
{
    enterWorkedExample();
    type(ui->CurrencyEdit_COEFICIENTE, QStringLiteral("0"));
    focus(ui->CheckBox3);
    showSheet(1);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(ui->CurrencyEdit_Valorfinal->value(), Currency());
    EXPECT_EQ(ui->Label_BI->text(), QStringLiteral("0,00 €"));
    EXPECT_EQ(ui->Label_TOTAL->text(), QStringLiteral("0,00 €"));
}
} // namespace
