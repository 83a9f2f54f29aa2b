// SPDX-License-Identifier: MIT
// The late-filing chart: the amount to pay of each right against the filing
// date (a FilingCostCurve), with and without payment at filing, the deadline,
// the chosen filing date and the first day of each surcharge band marked.
// One builder serves the window's view and the headless pictures (PNG, PDF)
// that the window exports and the calculator writes.
#pragma once

#include "simulation/filing_cost.h"
#include "types/error.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QSize>
#include <QString>

class QChart;

class FilingCostChart final {
    Q_DECLARE_TR_FUNCTIONS(FilingCostChart)

public:
    // The size of an exported picture, in pixels (and the proportions of the PDF).
    static constexpr QSize PictureSize{1100, 650};

    // A new chart for a view (which takes it) or a picture.
    [[nodiscard]] static QChart *build(const FilingCostCurve &curve);
    // As the results sheet heads its column: "Plena Propiedad", "Nuda Propiedad", "Usufructo".
    [[nodiscard]] static QString rightName(const FilingCostCurve &curve, int right);
    // One line about a day: its date, its surcharge and each right's amounts.
    [[nodiscard]] static QString describeDay(const FilingCostCurve &curve, const FilingCostDay &day);

    // Need a QApplication (the chart is a graphics widget); any display, or
    // none with the offscreen platform.
    [[nodiscard]] static Expected<QByteArray> png(const FilingCostCurve &curve);
    [[nodiscard]] static Expected<QByteArray> pdf(const FilingCostCurve &curve);
};
