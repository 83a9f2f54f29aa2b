// SPDX-License-Identifier: MIT
// The one way a call reports that it could not do its work: it returns
// Expected<T> (std::expected<T, Error>), whose Error carries the message the
// user reads, in Spanish, complete and ready to show. Nothing is thrown
// across a library's edge; the caller decides where the message goes (a
// message box at the window's edge, standard error in the calculator).
//
//   Expected<Currency> parseAmount(QStringView text)
//   {
//       if (text.isEmpty())
//           return failure(QStringLiteral("Falta el importe"));
//       return amount;
//   }
//   if (const auto amount = parseAmount(text); !amount)
//       dialogs.message(window, amount.error().message, title);
#pragma once

#include <QString>

#include <expected>
#include <utility>

struct Error {
    QString message; // for the user, in Spanish
};

template <class T> using Expected = std::expected<T, Error>;

// The failed result of any Expected<T>: return failure(message);
[[nodiscard]] inline std::unexpected<Error> failure(QString message)
{
    return std::unexpected<Error>(Error{std::move(message)});
}
