// SPDX-License-Identifier: MIT
// Paints prepared pages with QPainter, so the preview, the printer, a PDF and
// a PNG all come from the same code. Output files are written whole or not
// at all (OutputFile): a failed write leaves nothing under the chosen name.
#pragma once

#include "report/report.h"
#include "types/error.h"

#include <QImage>
#include <QRectF>
#include <QString>

class QIODevice;
class QPainter;

// Paints page pageIndex into target (painter coordinates): the paper is scaled
// uniformly to fit and placed at target's top-left corner. The paper itself
// is not filled.
void renderPage(QPainter &painter, const QRectF &target, const PreparedDocument &document, int pageIndex);

// The page on white at dpi dots per inch.
[[nodiscard]] QImage renderPageImage(const PreparedDocument &document, int pageIndex, int dpi);

// Every page, one PDF page each, on paper of the document's size; a failure
// when the device takes less than the whole document.
[[nodiscard]] Expected<void> writePdf(const PreparedDocument &document, QIODevice &device);
[[nodiscard]] Expected<void> writePdf(const PreparedDocument &document, const QString &fileName);
// One page as a PNG image.
[[nodiscard]] Expected<void> writePng(const PreparedDocument &document, int pageIndex, const QString &fileName,
                                      int dpi);
