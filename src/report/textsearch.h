// SPDX-License-Identifier: MIT
// Finds a text in the memos of a prepared document and says where each
// occurrence is drawn, so the preview can highlight it. The places come from
// the renderer itself: each memo is painted on a device that only records
// where its lines of text go, so they match the page whatever way it lays
// text out.
#pragma once

#include "report/report.h"

#include <QList>
#include <QPolygonF>

#include <vector>

struct TextMatch {
    int page = 0;
    int object = 0;      // index among the page's objects
    qsizetype start = 0; // in the memo's text
    qsizetype length = 0;
    QList<QPolygonF> areas; // on the paper, in template units; one per line the match spans
};

// Every occurrence of text, ignoring case, page by page in drawing order.
[[nodiscard]] std::vector<TextMatch> findText(const PreparedDocument &document, const QString &text);
