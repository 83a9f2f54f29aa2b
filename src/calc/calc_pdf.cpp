// SPDX-License-Identifier: MIT
#include "calc_pdf.h"

#include "platform/application.h"
#include "report/renderer.h"

#include <QBuffer>
#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>

Expected<DraftRight> draftRightFor(const std::optional<std::string> &name, OwnershipMode mode)
{
    const bool full = mode == OwnershipMode::FullOwnership;
    if (!name) {
        if (full)
            return DraftRight::FullOwnership;
        return failure(QStringLiteral("Con --nuda-propiedad indique el derecho del borrador: --derecho nuda o "
                                      "--derecho usufructo"));
    }
    DraftRight right;
    if (*name == "plena")
        right = DraftRight::FullOwnership;
    else if (*name == "nuda")
        right = DraftRight::BareOwnership;
    else if (*name == "usufructo")
        right = DraftRight::Usufruct;
    else
        return failure(QStringLiteral("Valor no válido para --derecho: \"%1\" (plena, nuda o usufructo)")
                           .arg(QString::fromStdString(*name)));
    if ((right == DraftRight::FullOwnership) != full) {
        return failure(full ? QStringLiteral("La simulación es de plena propiedad: el borrador solo puede ser "
                                             "--derecho plena")
                            : QStringLiteral("La simulación es de nuda propiedad y usufructo: el borrador puede ser "
                                             "--derecho nuda o --derecho usufructo"));
    }
    return right;
}

namespace {
// Qt's own notes on bringing up graphics without a desktop (no
// XDG_RUNTIME_DIR, ...) are no concern of the calculator's user: its error
// stream carries the calculator's messages only. Errors still show.
void quietQtMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}
} // namespace

GraphicsSession::GraphicsSession() : m_previousHandler(qInstallMessageHandler(quietQtMessages))
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "plusvalia-calc";
    static char *argv[] = {name, nullptr};
    m_application = std::make_unique<QApplication>(argc, argv);
    Platform::installQtTranslation();
}

GraphicsSession::~GraphicsSession()
{
    m_application.reset();
    qInstallMessageHandler(m_previousHandler);
}

Expected<QByteArray> drawDraftPdf(const SimulationValues &values, DraftRight right)
{
    const GraphicsSession graphics;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    const Expected<PreparedDocument> document = PrepareDraft(values, right);
    if (!document)
        return std::unexpected(document.error());
    if (const Expected<void> drawn = writePdf(*document, pdf); !drawn)
        return std::unexpected(drawn.error());
    return pdf.data();
}
