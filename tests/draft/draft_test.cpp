// SPDX-License-Identifier: MIT
// The 37 variables each print button sets, for every right of the worked examples.
#include "draft/draft.h"

#include "fakes.h"
#include "worked_examples.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
using Variables = std::vector<std::pair<QString, ReportValue>>;

DayCount dayCount(const char *text)
{
    return DayCount{day(text).value()};
}

// Variables 1 to 10: the same band table on every draft.
Variables bandTable()
{
    return {
        {QStringLiteral("FINTRAMO1"), std::int32_t{5}},     {QStringLiteral("FINTRAMO2"), std::int32_t{10}},
        {QStringLiteral("FINTRAMO3"), std::int32_t{15}},    {QStringLiteral("TIPOTRAMO1"), money("3.29")},
        {QStringLiteral("TIPOTRAMO2"), money("2.97")},      {QStringLiteral("TIPOTRAMO3"), money("2.86")},
        {QStringLiteral("TIPOTRAMO4"), money("2.86")},      {QStringLiteral("INICIOTRAMO2"), std::int32_t{6}},
        {QStringLiteral("INICIOTRAMO3"), std::int32_t{11}}, {QStringLiteral("INICIOTRAMO4"), std::int32_t{16}},
    };
}

struct RightFigures {
    const char *rightName;
    const char *rightPercentage;
    const char *rightValue;
    const char *incrementBase;
    const char *grossQuota;
    const char *bonusAmount;
    const char *netQuota;
    const char *amountToPay;
};

// All 37 variables of the worked example (100,000.00 with "SI", ten years,
// filed in time, so no surcharge, interest or executive surcharge) for one
// right, with the bonus of 95 %.
Variables workedExampleVariables(const RightFigures &right)
{
    Variables expected = bandTable();
    const Variables rest = {
        {QStringLiteral("TIPOGRAVAMEN"), money("28.62")},
        {QStringLiteral("PORCENTTRANSMITIDO"), money("100")},
        {QStringLiteral("FECHADEVENGO"), dayCount("15/03/2014")},
        {QStringLiteral("FECHAPRESENTACION"), dayCount("02/04/2014")},
        {QStringLiteral("FECHAADQUISICION"), dayCount("15/03/2004")},
        {QStringLiteral("CLASETRANSMISION"), Expression{QStringLiteral("'%1'").arg(QLatin1String(right.rightName))}},
        {QStringLiteral("PORCENTINCREMENTO"), money("2.97")},
        {QStringLiteral("PORCENTAPLICABLE"), money("29.7")},
        {QStringLiteral("VCSUELO"), money("100000")},
        {QStringLiteral("VREDUCIDO"), money("60000")},
        {QStringLiteral("PORCENTAJEDERECHO"), money(right.rightPercentage)},
        {QStringLiteral("BASEDECALCULO"), money(right.rightValue)},
        {QStringLiteral("ANOSTRANSCURRIDOS"), std::int32_t{10}},
        {QStringLiteral("BASEIMPONIBLE"), money(right.incrementBase)},
        {QStringLiteral("CUOTATRIBUTARIA"), money(right.grossQuota)},
        {QStringLiteral("BONIFICACIONORDENANZAS"), money(right.bonusAmount)},
        {QStringLiteral("TEXTOBONIFICACION"), Expression{u'\'' + kBonusDescription + u'\''}},
        {QStringLiteral("PORCENTAJEBONIFICACION"), money("95")},
        {QStringLiteral("CUOTALIQUIDA"), money(right.netQuota)},
        {QStringLiteral("TOTALINTERESEDEMORA"), money("0")},
        {QStringLiteral("IMPORTERECARGO"), money("0")},
        {QStringLiteral("RECARGO"), std::int32_t{0}},
        {QStringLiteral("IMPORTERECARGOREDUCIDO"), money("0")},
        {QStringLiteral("BASEPREVIA"), money("17820")},
        {QStringLiteral("RECARGOEJECUTIVO"), std::int32_t{0}},
        {QStringLiteral("IMPORTERECARGOEJECUTIVO"), money("0")},
        {QStringLiteral("IMPORTEAPAGAR"), money(right.amountToPay)},
    };
    expected.insert(expected.end(), rest.begin(), rest.end());
    return expected;
}

const char *kindOf(const ReportValue &value)
{
    static const char *const names[] = {"integer", "Currency", "date", "text"};
    return names[value.index()];
}

std::string show(const ReportValue &value)
{
    return QStringLiteral("%1 %2")
        .arg(QLatin1String(kindOf(value)), formatValue(value, PrintStyle::PlainNumber).value_or(QStringLiteral("?")))
        .toStdString();
}

void expectVariables(const Report &report, const Variables &expected)
{
    const auto &actual = report.variables().entries();
    ASSERT_EQ(actual.size(), 37u);
    ASSERT_EQ(expected.size(), 37u);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].first, expected[i].first) << "variable " << i + 1;
        EXPECT_EQ(actual[i].second, expected[i].second)
            << "variable " << i + 1 << " " << expected[i].first.toStdString() << ": got " << show(actual[i].second)
            << ", expected " << show(expected[i].second);
    }
}

const ReportValue &variable(const Report &report, const char *name)
{
    const ReportValue *value = report.variables().find(QString::fromLatin1(name));
    EXPECT_NE(value, nullptr) << name;
    static const ReportValue none;
    return value ? *value : none;
}

Currency currency(const Report &report, const char *name)
{
    const auto *value = std::get_if<Currency>(&variable(report, name));
    EXPECT_NE(value, nullptr) << name << " is not a Currency";
    return value ? *value : Currency();
}

TEST(DraftVariables, FullOwnershipWorkedExampleWithTheBonus)
{
    SimulationValues values = pass(withBonus(workedExample()));
    Report report = CreateDraftReport().value();
    EXPECT_EQ(report.variables().size(), 0u) << "the template declares no variables";
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    expectVariables(report, workedExampleVariables(
                                {"PLENA PROPIEDAD", "100", "60000", "17820", "5100.08", "4845.08", "255", "255"}));
    EXPECT_EQ(values.rightName, QStringLiteral("PLENA PROPIEDAD"));
}

TEST(DraftVariables, BareOwnershipAndUsufructOfTheWorkedExampleAged45)
{
    SimulationValues values = pass(withBonus(lifeUsufruct(workedExample(), "45")));
    Report report = CreateDraftReport().value();

    // Usufruct 44 %: its value 26,400.00 and base 7,840.80; the bare
    // ownership keeps 56 %, 33,600.00 and 9,979.20.
    SetDraftVariables(report, values, DraftRight::BareOwnership);
    EXPECT_EQ(values.rightName, QStringLiteral("NUDA PROPIEDAD"));
    expectVariables(report, workedExampleVariables({"NUDA PROPIEDAD", "56", "33600", "9979.20", "2856.0470", "2713.24",
                                                    "142.8070", "142.8070"}));

    SetDraftVariables(report, values, DraftRight::Usufruct);
    EXPECT_EQ(values.rightName, QStringLiteral("USUFRUCTO"));
    expectVariables(report, workedExampleVariables({"USUFRUCTO", "44", "26400", "7840.80", "2244.0370", "2131.84",
                                                    "112.1970", "112.1970"}));
}

TEST(DraftVariables, BareOwnershipGetsTheRemainderOfTheUsufructPercentage)
{
    // A usufructuary aged 30 holds 59 %: the bare ownership prints 41.
    SimulationValues values = pass(lifeUsufruct(workedExample(), "30"));
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::BareOwnership);
    EXPECT_EQ(currency(report, "PORCENTAJEDERECHO"), money("41"));
    SetDraftVariables(report, values, DraftRight::Usufruct);
    EXPECT_EQ(currency(report, "PORCENTAJEDERECHO"), money("59"));
}

TEST(DraftVariables, SharedValuesAreTheSameForBothRightsOfAPass)
{
    SimulationValues values = pass(withBonus(lifeUsufruct(lateUnpaid(), "45")));
    Report bare = CreateDraftReport().value();
    Report usufruct = CreateDraftReport().value();
    SetDraftVariables(bare, values, DraftRight::BareOwnership);
    SetDraftVariables(usufruct, values, DraftRight::Usufruct);
    // clang-format off
    const char *const sharedNames[] = {
        "FINTRAMO1", "FINTRAMO2", "FINTRAMO3", "TIPOTRAMO1", "TIPOTRAMO2",
        "TIPOTRAMO3", "TIPOTRAMO4", "INICIOTRAMO2", "INICIOTRAMO3", "INICIOTRAMO4",
        "TIPOGRAVAMEN", "PORCENTTRANSMITIDO", "FECHADEVENGO", "FECHAPRESENTACION", "FECHAADQUISICION",
        "PORCENTINCREMENTO", "PORCENTAPLICABLE", "VCSUELO", "VREDUCIDO", "ANOSTRANSCURRIDOS",
        "TEXTOBONIFICACION", "PORCENTAJEBONIFICACION", "BASEPREVIA", "RECARGO", "RECARGOEJECUTIVO"};
    // clang-format on
    for (const char *shared : sharedNames)
        EXPECT_EQ(variable(bare, shared), variable(usufruct, shared)) << shared;
    // Each right keeps its own executive surcharge, computed on its own quota.
    EXPECT_EQ(currency(bare, "IMPORTERECARGOEJECUTIVO"), values.bareOwnership.executiveAmount);
    EXPECT_EQ(currency(usufruct, "IMPORTERECARGOEJECUTIVO"), values.usufruct.executiveAmount);
    EXPECT_NE(currency(bare, "IMPORTERECARGOEJECUTIVO"), currency(usufruct, "IMPORTERECARGOEJECUTIVO"));
}

TEST(DraftVariables, FullOwnershipComputesItsLateFilingSurchargeAgain)
{
    SimulationValues values = pass(lateUnpaid());
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    EXPECT_EQ(variable(report, "RECARGO"), ReportValue(std::int32_t{20}));
    EXPECT_EQ(currency(report, "IMPORTERECARGO"), money("200"));
    EXPECT_EQ(currency(report, "IMPORTERECARGOREDUCIDO"), money("200"));
    EXPECT_EQ(currency(report, "TOTALINTERESEDEMORA"), money("9.1781"));
    EXPECT_EQ(variable(report, "RECARGOEJECUTIVO"), ReportValue(std::int32_t{5}));
    EXPECT_EQ(currency(report, "IMPORTERECARGOEJECUTIVO"), money("60"));
    EXPECT_EQ(currency(report, "IMPORTEAPAGAR"), money("1269.1781"));

    // The same figures as the results sheet shows for full ownership.
    const RightResult &sheet = values.fullOwnership;
    EXPECT_EQ(variable(report, "RECARGO"), ReportValue(sheet.surchargePercent));
    EXPECT_EQ(currency(report, "IMPORTERECARGO"), sheet.surchargeAmount);
    EXPECT_EQ(currency(report, "IMPORTERECARGOREDUCIDO"), sheet.reducedSurcharge);
    EXPECT_EQ(currency(report, "IMPORTEAPAGAR"), sheet.amountToPay);
    EXPECT_EQ(sheet.total, money("1269.18"));
}

TEST(DraftVariables, TheAmountToPayIsTheExactSumOfItsFourLines)
{
    // Bare ownership and usufruct keep four decimals all the way down.
    SimulationValues values = pass(withBonus(lifeUsufruct(lateUnpaid(), "45")));
    for (DraftRight right : {DraftRight::BareOwnership, DraftRight::Usufruct}) {
        Report report = CreateDraftReport().value();
        SetDraftVariables(report, values, right);
        const Currency sum = currency(report, "CUOTALIQUIDA") + currency(report, "IMPORTERECARGOREDUCIDO") +
                             currency(report, "TOTALINTERESEDEMORA") + currency(report, "IMPORTERECARGOEJECUTIVO");
        EXPECT_EQ(currency(report, "IMPORTEAPAGAR"), sum);
        const RightResult &sheet = right == DraftRight::BareOwnership ? values.bareOwnership : values.usufruct;
        EXPECT_EQ(currency(report, "IMPORTEAPAGAR"), sheet.amountToPay);
        EXPECT_EQ(sum.roundedToCents(), sheet.total);
    }
}

TEST(DraftVariables, WithoutABonusTheDescriptionIsEmptyAndThePercentageZero)
{
    // Never chosen since the window opened.
    SimulationValues values = pass(workedExample());
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    EXPECT_EQ(formatValue(variable(report, "TEXTOBONIFICACION"), PrintStyle::Text), QString());
    EXPECT_EQ(currency(report, "PORCENTAJEBONIFICACION"), Currency());
    EXPECT_EQ(currency(report, "BONIFICACIONORDENANZAS"), Currency());

    // Chosen in an earlier pass, then unticked: nothing of it is printed.
    values = pass(workedExample(), pass(withBonus(workedExample())));
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    EXPECT_EQ(formatValue(variable(report, "TEXTOBONIFICACION"), PrintStyle::Text), QString());
    EXPECT_EQ(currency(report, "PORCENTAJEBONIFICACION"), Currency());
}

TEST(DraftVariables, ADescriptionWithAQuoteStillEvaluatesToItsText)
{
    SimulationValues values = pass(workedExample());
    values.bonusDescription = QStringLiteral("Art. 6 - O.M. (Viv. d'uso)");
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    EXPECT_EQ(formatValue(variable(report, "TEXTOBONIFICACION"), PrintStyle::Text), values.bonusDescription);
}

TEST(DraftVariables, TheBandTableIsTheSameForEveryRight)
{
    SimulationValues full = pass(workedExample());
    SimulationValues split = pass(lifeUsufruct(lateUnpaid(), "70"));
    const Variables bands = bandTable();
    for (auto [values, right] :
         {std::pair{&full, DraftRight::FullOwnership}, std::pair{&split, DraftRight::BareOwnership},
          std::pair{&split, DraftRight::Usufruct}}) {
        Report report = CreateDraftReport().value();
        SetDraftVariables(report, *values, right);
        const Variables first(report.variables().entries().begin(), report.variables().entries().begin() + 10);
        EXPECT_EQ(first, bands);
    }
}

// The printed band table and the percentages the rules apply agree by
// construction: for every count of whole years, the band the draft's table
// places it in carries the percentage ComputeIncrementTerms applies.
TEST(DraftVariables, TheBandTableAgreesWithTheRules)
{
    SimulationValues values = pass(workedExample());
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::FullOwnership);
    const auto integer = [&report](const char *name) {
        const auto *value = std::get_if<std::int32_t>(&variable(report, name));
        EXPECT_NE(value, nullptr) << name << " is not an integer";
        return value ? *value : 0;
    };
    const std::int32_t ends[] = {integer("FINTRAMO1"), integer("FINTRAMO2"), integer("FINTRAMO3")};
    const std::int32_t starts[] = {integer("INICIOTRAMO2"), integer("INICIOTRAMO3"), integer("INICIOTRAMO4")};
    const Currency rates[] = {currency(report, "TIPOTRAMO1"), currency(report, "TIPOTRAMO2"),
                              currency(report, "TIPOTRAMO3"), currency(report, "TIPOTRAMO4")};
    for (int band = 0; band < 3; ++band)
        EXPECT_EQ(starts[band], ends[band] + 1) << "band " << band + 2;

    const TDateTime acquisition = TDateTime::fromYmd(1980, 7, 1);
    for (int years = 0; years <= 30; ++years) {
        IncrementTerms terms;
        ComputeIncrementTerms(acquisition, TDateTime::fromYmd(1980 + years, 7, 1), terms);
        const int band = static_cast<int>(std::ranges::count_if(ends, [years](std::int32_t end) { return years > end; }));
        EXPECT_EQ(terms.AnnualPercentage, years == 0 ? Currency() : rates[band]) << years << " years";
    }
}

TEST(DraftVariables, EveryClickSetsAllThirtySevenAgain)
{
    SimulationValues values = pass(lifeUsufruct(workedExample(), "45"));
    Report report = CreateDraftReport().value();
    SetDraftVariables(report, values, DraftRight::BareOwnership);
    SetDraftVariables(report, values, DraftRight::Usufruct);
    EXPECT_EQ(report.variables().size(), 37u);
    EXPECT_EQ(formatValue(variable(report, "CLASETRANSMISION"), PrintStyle::Text), QStringLiteral("USUFRUCTO"));
    EXPECT_EQ(currency(report, "BASEIMPONIBLE"), money("7840.80"));
}

TEST(PrintDraft, SetsTheVariablesAndShowsAFreshDocumentInThePreview)
{
    FakePlatform fake;
    std::vector<PreparedDocument> shown;
    ReportPreviewSeam::Override guard([&](QWidget *, const PreparedDocument &document) { shown.push_back(document); });
    SimulationValues values = pass(lifeUsufruct(workedExample(), "45"));
    Report report = CreateDraftReport().value();
    QWidget window;
    PrintDraft(&window, report, values, DraftRight::BareOwnership);
    PrintDraft(&window, report, values, DraftRight::Usufruct);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_TRUE(shown[0].texts().contains(QStringLiteral("NUDA PROPIEDAD")));
    EXPECT_TRUE(shown[0].texts().contains(QStringLiteral("9.979,20 €")));
    // The second print shows "USUFRUCTO" and nothing of the first.
    EXPECT_TRUE(shown[1].texts().contains(QStringLiteral("USUFRUCTO")));
    EXPECT_FALSE(shown[1].texts().contains(QStringLiteral("NUDA PROPIEDAD")));
    EXPECT_FALSE(shown[1].texts().contains(QStringLiteral("9.979,20 €")));
    EXPECT_TRUE(shown[1].texts().contains(QStringLiteral("7.840,80 €")));
}
} // namespace
