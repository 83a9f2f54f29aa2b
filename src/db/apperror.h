// SPDX-License-Identifier: MIT
// AppError: a failure that ends the event handler it arose in (a statement the
// server refused, a lost connection, a number that does not convert). Handlers
// let it propagate; the window's handler boundary shows its text and stops.
#pragma once

#include <QString>

#include <exception>

class AppError final : public std::exception {
public:
    explicit AppError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
