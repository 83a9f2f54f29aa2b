// SPDX-License-Identifier: MIT
#include "admin/password_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PasswordDialog::PasswordDialog(const ConnectionSettings &settings, QWidget *parent)
    : QDialog(parent), m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("PasswordDialog"));
    setWindowTitle(QStringLiteral("Conexión con la base de datos"));
    const QString server =
        settings.socket.isEmpty() ? QStringLiteral("%1:%2").arg(settings.host).arg(settings.port) : settings.socket;
    auto *label = new QLabel(QStringLiteral("Contraseña del usuario «%1» de la base de datos «%2» en %3:")
                                 .arg(settings.user, settings.database, server),
                             this);
    label->setWordWrap(true);
    m_password->setObjectName(QStringLiteral("password"));
    m_password->setEchoMode(QLineEdit::Password);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_password);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

QString PasswordDialog::password() const
{
    return m_password->text();
}

std::optional<QString> askPassword(const ConnectionSettings &settings)
{
    PasswordDialog dialog(settings);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.password();
}
