// SPDX-License-Identifier: MIT
#include "legislation/legislation_texts.h"

#include <QFile>

#include <array>

namespace Legislation {

QString text(int number)
{
    static const std::array<const char *, kTextCount> files = {
        "art104.txt", "art105.txt", "art106.txt",      "art107.txt",         "art108.txt",
        "art109.txt", "art110.txt", "rd828-art41.txt", "ordenanza-art9.txt",
    };
    if (number < 1 || number > kTextCount)
        return {};
    QFile file(QStringLiteral(":/legislation/") + QLatin1String(files[number - 1]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace Legislation
