// SPDX-License-Identifier: MIT
#include "draft/draft.h"

#include "artwork/artwork.h"
#include "report/renderer.h"
#include "rules/rules.h"
#include "rules/tax_year.h"

namespace {
const QString kTemplatePath = QStringLiteral(":/draft/borrador.json");

// Built into the program and checked by the tests, so a failure here is a
// broken build or installation: the caller says so instead of ending the
// program, and the simulation stays usable.
const Expected<ReportTemplate> &draftTemplate()
{
    static const Expected<ReportTemplate> parsed = []() -> Expected<ReportTemplate> {
        Expected<ReportTemplate> read = ReportTemplate::fromFile(kTemplatePath);
        if (!read)
            return failure(QStringLiteral("No se puede preparar el borrador: %1").arg(read.error().message));
        return read;
    }();
    return parsed;
}

const QImage &draftLogo()
{
    static const QImage logo = Artwork::draftLogo();
    return logo;
}

const RightResult &resultOf(const SimulationValues &values, DraftRight right)
{
    switch (right) {
    case DraftRight::BareOwnership:
        return values.bareOwnership;
    case DraftRight::Usufruct:
        return values.usufruct;
    case DraftRight::FullOwnership:
        break;
    }
    return values.fullOwnership;
}

DayCount dayCount(TDateTime date)
{
    return DayCount{date.value()};
}
} // namespace

Expected<Report> CreateDraftReport()
{
    const Expected<ReportTemplate> &layout = draftTemplate();
    if (!layout)
        return std::unexpected(layout.error());
    Report report(QStringLiteral("Borrador de autoliquidación I.I.V.T.N.U."), QStringLiteral("borrador"), *layout);
    report.setPicture(QStringLiteral("logo"), draftLogo());
    return report;
}

void SetDraftVariables(Report &report, SimulationValues &values, DraftRight right)
{
    // 1. The right name: only the bare-ownership and usufruct buttons change it.
    if (right == DraftRight::BareOwnership)
        values.rightName = RightNameBare;
    else if (right == DraftRight::Usufruct)
        values.rightName = RightNameUsufruct;

    const RightResult &result = resultOf(values, right);
    const Currency hundred = Currency::fromInt(100);

    // 2. Variables 1 to 30. The band table is the one the increment terms apply.
    const TaxParameters &tax = taxParameters();
    report.setVariable(QStringLiteral("FINTRAMO1"), tax.bands[0].lastYear);
    report.setVariable(QStringLiteral("FINTRAMO2"), tax.bands[1].lastYear);
    report.setVariable(QStringLiteral("FINTRAMO3"), tax.bands[2].lastYear);
    report.setVariable(QStringLiteral("TIPOTRAMO1"), tax.bands[0].annualPercentage);
    report.setVariable(QStringLiteral("TIPOTRAMO2"), tax.bands[1].annualPercentage);
    report.setVariable(QStringLiteral("TIPOTRAMO3"), tax.bands[2].annualPercentage);
    report.setVariable(QStringLiteral("TIPOTRAMO4"), tax.bands[3].annualPercentage);
    report.setVariable(QStringLiteral("INICIOTRAMO2"), tax.firstYearOf(1));
    report.setVariable(QStringLiteral("INICIOTRAMO3"), tax.firstYearOf(2));
    report.setVariable(QStringLiteral("INICIOTRAMO4"), tax.firstYearOf(3));
    report.setVariable(QStringLiteral("TIPOGRAVAMEN"), values.taxRate);
    report.setVariable(QStringLiteral("PORCENTTRANSMITIDO"), values.shareTransferred);
    report.setVariable(QStringLiteral("FECHADEVENGO"), dayCount(values.accrualDate));
    report.setVariable(QStringLiteral("FECHAPRESENTACION"), dayCount(values.filingDate));
    report.setVariable(QStringLiteral("FECHAADQUISICION"), dayCount(values.acquisitionDate));
    report.setVariable(QStringLiteral("CLASETRANSMISION"), quotedLiteral(values.rightName));
    report.setVariable(QStringLiteral("PORCENTINCREMENTO"), values.annualPercentage);
    report.setVariable(QStringLiteral("PORCENTAPLICABLE"), values.totalPercentage.mulDiv(100, 1));
    report.setVariable(QStringLiteral("VCSUELO"), values.cadastralValue);
    report.setVariable(QStringLiteral("VREDUCIDO"), values.reducedValue);
    report.setVariable(QStringLiteral("PORCENTAJEDERECHO"),
                       right == DraftRight::BareOwnership ? hundred - values.rightPercentage : values.rightPercentage);
    report.setVariable(QStringLiteral("BASEDECALCULO"), result.rightValue);
    report.setVariable(QStringLiteral("ANOSTRANSCURRIDOS"), values.yearsElapsed);
    report.setVariable(QStringLiteral("BASEIMPONIBLE"), result.incrementBase);
    report.setVariable(QStringLiteral("CUOTATRIBUTARIA"), result.grossQuota);
    report.setVariable(QStringLiteral("BONIFICACIONORDENANZAS"), result.bonusAmount);
    report.setVariable(QStringLiteral("TEXTOBONIFICACION"), quotedLiteral(values.bonusDescription));
    report.setVariable(QStringLiteral("PORCENTAJEBONIFICACION"), values.bonusPercentage);
    report.setVariable(QStringLiteral("CUOTALIQUIDA"), result.netQuota);
    report.setVariable(QStringLiteral("TOTALINTERESEDEMORA"), result.lateInterest);

    // 3. Full ownership: the window keeps no surcharge for it, so compute it
    // again with the arguments the pass gave the rule.
    SurchargeResult surcharge;
    if (right == DraftRight::FullOwnership) {
        LateFilingSurcharge(flag(values.paidAtFiling), flag(values.priorRequirement), flag(values.extension),
                            result.netQuota, flag(values.mortisCausa), values.accrualDate, values.filingDate,
                            surcharge);
    } else {
        surcharge.SurchargePercent = result.surchargePercent;
        surcharge.SurchargeAmount = result.surchargeAmount;
        surcharge.ReducedSurcharge = result.reducedSurcharge;
    }

    // 4. Variables 31 to 36; each right prints its own executive surcharge.
    report.setVariable(QStringLiteral("IMPORTERECARGO"), surcharge.SurchargeAmount);
    report.setVariable(QStringLiteral("RECARGO"), surcharge.SurchargePercent);
    report.setVariable(QStringLiteral("IMPORTERECARGOREDUCIDO"), surcharge.ReducedSurcharge);
    report.setVariable(QStringLiteral("BASEPREVIA"), values.provisionalBase);
    report.setVariable(QStringLiteral("RECARGOEJECUTIVO"), result.executivePercent);
    report.setVariable(QStringLiteral("IMPORTERECARGOEJECUTIVO"), result.executiveAmount);

    // 5. The amount to pay: the exact sum of the four values just set.
    report.setVariable(QStringLiteral("IMPORTEAPAGAR"),
                       result.netQuota + surcharge.ReducedSurcharge + result.lateInterest + result.executiveAmount);
}

void PrintDraft(QWidget *parent, Report &report, SimulationValues &values, DraftRight right)
{
    SetDraftVariables(report, values, right);
    report.showReport(parent);
}

Expected<PreparedDocument> PrepareDraft(SimulationValues values, DraftRight right)
{
    Expected<Report> report = CreateDraftReport();
    if (!report)
        return std::unexpected(report.error());
    SetDraftVariables(*report, values, right);
    return report->prepare();
}

Expected<void> WriteDraftPdf(const SimulationValues &values, DraftRight right, const QString &fileName)
{
    const Expected<PreparedDocument> document = PrepareDraft(values, right);
    if (!document)
        return std::unexpected(document.error());
    return writePdf(*document, fileName);
}
