// SPDX-License-Identifier: MIT
// The administration edition asks for the database password at start-up;
// it is kept only in memory, never written anywhere.
#pragma once

#include "db/connection.h"

#include <QDialog>

#include <optional>

class QLineEdit;

class PasswordDialog final : public QDialog {
    Q_OBJECT
public:
    PasswordDialog(const ConnectionSettings &settings, QWidget *parent = nullptr);
    [[nodiscard]] QString password() const;

private:
    QLineEdit *m_password;
};

// Asks; nothing when the user cancels.
[[nodiscard]] std::optional<QString> askPassword(const ConnectionSettings &settings);
