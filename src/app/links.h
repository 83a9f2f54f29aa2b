// SPDX-License-Identifier: MIT
// The municipality's addresses shown and opened by the start and About windows.
#pragma once

#include <QString>

namespace Links {
// Shown by the start window's Label4 and opened as it reads.
inline const QString WebAddress = QStringLiteral("www.sarvelina.example");
inline const QString ContactMailbox = QStringLiteral("zumeria@sarvelina.example");
// The contact link, with the entity text and the attachment path as the
// mail program expects them.
inline const QString ContactMailLink =
    QStringLiteral("mailto:") + ContactMailbox +
    QStringLiteral("?Subject=Contacto y sugerencias para la aplicación Corvesa&Attach=") +
    QStringLiteral("&quot;c:\\Mail Attachments\\attachment.txt&quot;");
} // namespace Links
