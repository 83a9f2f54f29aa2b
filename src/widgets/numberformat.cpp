// SPDX-License-Identifier: MIT
#include "widgets/numberformat.h"

#include <QList>

#include <algorithm>

namespace {
bool isPlaceholder(QChar c)
{
    return c == u'0' || c == u'#' || c == u',' || c == u'.';
}

QString formatSection(Currency magnitude, QStringView section, bool negative)
{
    qsizetype first = 0;
    while (first < section.size() && !isPlaceholder(section[first]))
        ++first;
    qsizetype last = section.size();
    while (last > first && !isPlaceholder(section[last - 1]))
        --last;
    if (first == section.size())
        return section.toString(); // no digits: a fixed text
    const QStringView prefix = section.first(first);
    const QStringView digits = section.sliced(first, last - first);
    const QStringView suffix = section.sliced(last);

    const qsizetype point = digits.indexOf(u'.');
    const int decimals = point < 0 ? 0 : static_cast<int>(digits.sliced(point + 1).count(u'0'));
    QString number = magnitude.toGroupedText(decimals);
    if (!digits.contains(u','))
        number.remove(u'.');
    const bool shownAsZero =
        std::all_of(number.cbegin(), number.cend(), [](QChar c) { return c == u'0' || c == u'.' || c == u','; });
    if (negative && !shownAsZero)
        number.prepend(u'-');
    return prefix + number + suffix;
}
} // namespace

QString formatWithPattern(Currency value, QStringView pattern)
{
    const QList<QStringView> sections = pattern.split(u';');
    const bool negative = value < Currency();
    const Currency magnitude = negative ? -value : value;
    if (value.isZero() && sections.size() > 2 && !sections[2].isEmpty())
        return formatSection(magnitude, sections[2], false);
    if (negative && sections.size() > 1 && !sections[1].isEmpty())
        return formatSection(magnitude, sections[1], false);
    return formatSection(magnitude, sections[0], negative);
}
