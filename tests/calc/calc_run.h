// SPDX-License-Identifier: MIT
// Runs plusvalia-calc in-process and keeps what it wrote to each stream.
#pragma once

#include "calc/calc_cli.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

struct CalcRun {
    int code = -1;
    QString out;
    QString err;
};

// Reads a temporary file back from its start and closes it.
inline QString drain(std::FILE *file)
{
    std::fflush(file);
    std::rewind(file);
    QByteArray bytes;
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, static_cast<qsizetype>(n));
    std::fclose(file);
    return QString::fromUtf8(bytes);
}

inline CalcRun run(const std::vector<std::string> &args)
{
    std::FILE *out = std::tmpfile();
    std::FILE *err = std::tmpfile();
    CalcRun result;
    result.code = runCalculator(args, out, err);
    result.out = drain(out);
    result.err = drain(err);
    return result;
}

inline CalcRun run(std::initializer_list<const char *> args)
{
    return run(std::vector<std::string>(args.begin(), args.end()));
}

inline CalcRun run(const QStringList &args)
{
    std::vector<std::string> list;
    for (const QString &arg : args)
        list.push_back(arg.toStdString());
    return run(list);
}
