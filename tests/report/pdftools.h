// SPDX-License-Identifier: MIT
// Reads a PDF back the way a user's viewer does, through poppler-utils.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <optional>

namespace pdftools {

// Standard output of a poppler tool, or nothing when it fails.
inline std::optional<QString> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

enum class Order {
    Reading, // as a viewer's reading order guesses it
    Layout,  // lines keep their horizontal order
    Drawing, // in the order the page draws its texts
};

// The text of the document.
inline std::optional<QString> text(const QString &pdf, Order order = Order::Reading)
{
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (order == Order::Layout)
        arguments << QStringLiteral("-layout");
    else if (order == Order::Drawing)
        arguments << QStringLiteral("-raw");
    arguments << pdf << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

struct Info {
    int pages = 0;
    QString pageSize; // "595.276 x 841.89 pts (A4)"
};

inline std::optional<Info> info(const QString &pdf)
{
    const auto output = run(QStringLiteral("pdfinfo"), {pdf});
    if (!output)
        return std::nullopt;
    Info result;
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption).match(*output);
    const auto size =
        QRegularExpression(QStringLiteral("^Page size:\\s+(.+)$"), QRegularExpression::MultilineOption).match(*output);
    if (pages.hasMatch())
        result.pages = pages.captured(1).toInt();
    if (size.hasMatch())
        result.pageSize = size.captured(1).trimmed();
    return result;
}

} // namespace pdftools
