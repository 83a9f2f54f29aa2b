// SPDX-License-Identifier: MIT
// The administration edition asks for the database password at start-up;
// it is kept only in memory, never written anywhere. A password the server
// refuses is asked for again, three tries in all, as a login prompt does.
#pragma once

#include "db/connection.h"
#include "types/error.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLineEdit;

class PasswordDialog final : public QDialog {
    Q_OBJECT
public:
    // notice: why it asks again, shown above the field; empty the first time.
    PasswordDialog(const ConnectionSettings &settings, const QString &notice, QWidget *parent = nullptr);
    [[nodiscard]] QString password() const;

private:
    QLineEdit *m_password;
};

// Asks; nothing when the user cancels.
using PasswordPrompt = std::function<std::optional<QString>(const QString &notice)>;
[[nodiscard]] std::optional<QString> askPassword(const ConnectionSettings &settings, const QString &notice);

// Opens the connection with a password from ask. A password the server
// refuses asks again, up to three tries; any other failure ends at once.
// true: open; false: the user cancelled; an Error: the last failure.
[[nodiscard]] Expected<bool> logIn(TMyConnection &connection, const PasswordPrompt &ask);
