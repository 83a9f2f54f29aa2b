// SPDX-License-Identifier: MIT
// The window "Coste de presentar fuera de plazo": the late-filing chart of
// the simulation on the results sheet, opened modally from it. A cursor
// follows the mouse or the arrow keys along the filing dates and one line
// below the chart reads its day in the window's money format; the chart is
// exported as PNG or PDF (the same pictures plusvalia-calc --grafico draws).
// Esc closes it.
#pragma once

#include "simulation/filing_cost.h"

#include <QDialog>

#include <memory>

class QLineSeries;

namespace Ui {
class TForm_grafico;
}

class TForm_grafico final : public QDialog {
    Q_OBJECT

public:
    TForm_grafico(FilingCostCurve curve, QWidget *parent = nullptr);
    ~TForm_grafico() override;

    // The day under the cursor, an index into the curve's days.
    [[nodiscard]] std::size_t cursorDay() const { return m_cursor; }
    void moveCursorTo(std::size_t day);

    void Button_PNGClick();
    void Button_PDFClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Asks where, then writes the picture whole; a failure is told.
    void exportPicture(const QString &caption, const QString &suffix, const QString &filter, bool pdf);

    std::unique_ptr<Ui::TForm_grafico> ui;
    FilingCostCurve m_curve;
    QLineSeries *m_cursorLine = nullptr; // owned by the chart
    std::size_t m_cursor = 0;
};

// Creates the window for curve, shows it modally and frees it.
void ShowFilingCostChart(QWidget *parent, FilingCostCurve curve);
