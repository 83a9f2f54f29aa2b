// SPDX-License-Identifier: MIT
// Small A4 templates for the engine's tests.
#pragma once

#include "report/reporttemplate.h"

#include <gtest/gtest.h>

inline ReportTemplate makeTemplate(const char *objects, bool frame = true)
{
    auto parsed = ReportTemplate::fromJson(
        QByteArrayLiteral(R"~({"page": {"paper_mm": [210, 297], "margins_mm": [10, 10, 10, 10], "frame": )~") +
        (frame ? "true" : "false") + R"~(}, "font": {"family": "Arial", "size": 10}, "objects": [)~" + objects + "]}");
    EXPECT_TRUE(parsed) << parsed.error().message.toStdString();
    return parsed ? *parsed : ReportTemplate();
}
