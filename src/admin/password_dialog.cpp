// SPDX-License-Identifier: MIT
#include "admin/password_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasswordDialog::PasswordDialog(const ConnectionSettings &settings, const QString &notice, QWidget *parent)
    : QDialog(parent), m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(tr("Conexión con la base de datos"));
    const QString server =
        settings.socket.isEmpty() ? QStringLiteral("%1:%2").arg(settings.host).arg(settings.port) : settings.socket;
    auto *label = new QLabel(
        tr("Contraseña del usuario «%1» de la base de datos «%2» en %3:").arg(settings.user, settings.database, server),
        this);
    label->setWordWrap(true);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    if (!notice.isEmpty()) {
        auto *again = new QLabel(notice, this);
        again->setObjectName(QStringLiteral("notice"));
        again->setWordWrap(true);
        again->setStyleSheet(QStringLiteral("color: #b00000;"));
        layout->addWidget(again);
    }
    layout->addWidget(label);
    layout->addWidget(m_password);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

QString PasswordDialog::password() const
{
    return m_password->text();
}

std::optional<QString> askPassword(const ConnectionSettings &settings, const QString &notice)
{
    PasswordDialog dialog(settings, notice);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}

Expected<bool> logIn(TMyConnection &connection, const PasswordPrompt &ask)
{
    constexpr int kTries = 3;
    QString notice;
    for (int tried = 1;; ++tried) {
        const std::optional<QString> password = ask(notice);
        if (!password)
            return false;
        ConnectionSettings settings = connection.settings();
        settings.password = *password;
        connection.setSettings(settings);
        const auto opened = connection.open();
        if (opened)
            return true;
        if (!connection.accessDenied() || tried == kTries)
            return std::unexpected(opened.error());
        const int left = kTries - tried;
        notice = left == 1
                     ? PasswordDialog::tr("El servidor no ha aceptado la contraseña. Queda 1 intento.")
                     : PasswordDialog::tr("El servidor no ha aceptado la contraseña. Quedan %1 intentos.").arg(left);
    }
}
