// SPDX-License-Identifier: MIT
// The legal texts the legislation viewer shows, one per radio button: heading
// lines (the law, the subsection where there is one, the article) followed by
// the article's wording, one paragraph per line. They live in the program's
// resources as UTF-8 files.
#pragma once

#include <QString>

namespace Legislation {

inline constexpr int kTextCount = 9;

// The text of radio button `number` (1 to 9), lines separated by "\n" and no
// line break at the end; empty for any other number.
[[nodiscard]] QString text(int number);

} // namespace Legislation
