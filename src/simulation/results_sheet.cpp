// SPDX-License-Identifier: MIT
#include "simulation/results_sheet.h"

#include <QtGlobal>

namespace {
constexpr std::array<std::array<const char *, ResultLineCount>, 2> kCaptions = {{
    {
        QT_TRANSLATE_NOOP("ResultsSheet", "[1] Base Imponible......................"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[2] Tipo de Gravamen.................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[3] Cuota Tributaria [1]x[2]..........."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[4] Bonificación........................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[5] Cuota Líquida [3]-[4].............."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[6] Recargo único......................"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[7] Importe Recargo único............"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[8] R. único reducido [7]x75%......."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[9] Intereses Demora.................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[10] Recargo Ejecutivo................"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[11] Importe R. Ejecutivo............."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[12] TOTAL A INGRESAR.............."),
    },
    {
        QT_TRANSLATE_NOOP("ResultsSheet", "[1] Base Imponible....................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[2] Tipo de Gravamen................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[3] Cuota Tributaria [1]x[2].........."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[4] Bonificación........................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[5] Cuota Líquida [3]-[4].............."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[6] Recargo único......................"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[7] Importe Recargo único............"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[8] R. único reducido [7]x75%........"),
        QT_TRANSLATE_NOOP("ResultsSheet", "[9] Intereses Demora..................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[10] Recargo Ejecutivo................."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[11] Importe R. Ejecutivo.............."),
        QT_TRANSLATE_NOOP("ResultsSheet", "[12] TOTAL A INGRESAR..............."),
    },
}};

constexpr const char *kFullOwnership = QT_TRANSLATE_NOOP("ResultsSheet", "Plena Propiedad");
constexpr const char *kBareOwnership = QT_TRANSLATE_NOOP("ResultsSheet", "Nuda Propiedad");
constexpr const char *kUsufruct = QT_TRANSLATE_NOOP("ResultsSheet", "Usufructo");
constexpr const char *kTotalNote = QT_TRANSLATE_NOOP("ResultsSheet", "[5]+[8]+[9]+[11]");
constexpr const char *kWarning =
    QT_TRANSLATE_NOOP("ResultsSheet", "ATENCIÓN!! La administración podrá incoar el correspondiente "
                                      "Expediente Sancionador");

ResultColumn columnOf(const char *heading, std::size_t column, const RightResult &r, Currency taxRate)
{
    using F = ResultLine::Format;
    const std::array<std::pair<F, Currency>, ResultLineCount> lines = {{
        {F::Money, r.incrementBase},
        {F::Percent, taxRate},
        {F::Money, r.grossQuota},
        {F::Money, r.bonusAmount},
        {F::Money, r.netQuota},
        {F::Percent, Currency::fromInt(r.surchargePercent)},
        {F::Money, r.surchargeAmount},
        {F::Money, r.reducedSurcharge},
        {F::Money, r.lateInterest},
        {F::Percent, Currency::fromInt(r.executivePercent)},
        {F::Money, r.executiveAmount},
        {F::Money, r.total},
    }};
    ResultColumn result{heading, {}};
    for (std::size_t i = 0; i < ResultLineCount; ++i)
        result.lines[i] = {kCaptions[column][i], lines[i].first, lines[i].second};
    return result;
}
} // namespace

QString ResultLine::text() const
{
    if (format == Format::Money)
        return value.toMoneyText();
    return value.toPlainText() + QStringLiteral(" %");
}

ResultsSheet resultsSheetOf(const SimulationValues &values)
{
    const char *warning = values.priorRequirement ? kWarning : nullptr;
    if (values.ownershipMode == OwnershipMode::FullOwnership)
        return {{columnOf(kFullOwnership, 0, values.fullOwnership, values.taxRate)}, 1, warning};
    return {{columnOf(kBareOwnership, 0, values.bareOwnership, values.taxRate),
             columnOf(kUsufruct, 1, values.usufruct, values.taxRate)},
            2,
            warning};
}

const char *resultCaption(std::size_t column, std::size_t line)
{
    return kCaptions[column][line];
}

std::array<const char *, 2> resultHeadings(OwnershipMode mode)
{
    if (mode == OwnershipMode::FullOwnership)
        return {kFullOwnership, ""};
    return {kBareOwnership, kUsufruct};
}

const char *resultTotalNote()
{
    return kTotalNote;
}
