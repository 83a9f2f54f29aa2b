// SPDX-License-Identifier: MIT
#include "outputfile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {
QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// The reason for an operating-system error code; Qt's own words (or the
// system's) for the rare ones.
QString causeText(int cause, const QFileInfo &info, const QString &qtReason)
{
    switch (cause) {
    case EACCES:
    case EPERM:
        return QStringLiteral("No tiene permiso para escribir en la carpeta «%1».").arg(shown(info.absolutePath()));
    case EROFS:
        return QStringLiteral("La carpeta «%1» está en un disco de solo lectura.").arg(shown(info.absolutePath()));
    case ENOSPC:
        return QStringLiteral("No queda espacio en el disco.");
    case EDQUOT:
        return QStringLiteral("Se ha agotado su cuota de disco.");
    case EFBIG:
        return QStringLiteral("El archivo supera el tamaño máximo permitido.");
    case EIO:
        return QStringLiteral("Error de entrada/salida en el disco.");
    case ENAMETOOLONG:
        return QStringLiteral("El nombre del archivo es demasiado largo.");
    default:
        break;
    }
    QString reason = qtReason;
    if (reason.isEmpty() && cause != 0)
        reason = QString::fromLocal8Bit(std::strerror(cause));
    return reason.isEmpty() ? QStringLiteral("No se pudo escribir el archivo.")
                            : QStringLiteral("No se pudo escribir el archivo (%1).").arg(reason);
}

// Why the file cannot be created, judged on the file system first: QSaveFile
// reports a folder or a read-only file in the way as a plain write error.
QString openCause(const QFileInfo &info, int cause, const QString &qtReason)
{
    if (info.isDir())
        return QStringLiteral("«%1» es una carpeta.").arg(shown(info.absoluteFilePath()));
    QString existing = info.absolutePath();
    for (QString parent; !QFileInfo::exists(existing) && (parent = QFileInfo(existing).absolutePath()) != existing;)
        existing = parent;
    if (!QFileInfo(existing).isDir())
        return QStringLiteral("«%1» no es una carpeta.").arg(shown(existing));
    if (existing != info.absolutePath())
        return QStringLiteral("La carpeta «%1» no existe.").arg(shown(info.absolutePath()));
    if (info.exists() && !info.isWritable())
        return QStringLiteral("No tiene permiso para modificar «%1».").arg(shown(info.absoluteFilePath()));
    return causeText(cause, info, qtReason);
}
} // namespace

OutputFile::OutputFile(const QString &fileName) : m_file(fileName) {}

Expected<void> OutputFile::open()
{
    errno = 0;
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {};
    const int cause = errno;
    m_failed = true;
    return failure(openCause(QFileInfo(m_file.fileName()), cause, m_file.errorString()));
}

Expected<void> OutputFile::write(QByteArrayView data)
{
    if (m_failed)
        return failure(QStringLiteral("No se pudo escribir el archivo."));
    errno = 0;
    if (m_file.write(data.data(), data.size()) == data.size())
        return {};
    return fail(errno);
}

Expected<void> OutputFile::sync()
{
    if (m_failed)
        return failure(QStringLiteral("No se pudo escribir el archivo."));
    errno = 0;
    if (!m_file.flush() || m_file.error() != QFileDevice::NoError)
        return fail(errno);
    // Some file systems report a full disk only when the data reaches it;
    // QSaveFile's own sync ignores that.
    if (::fsync(m_file.handle()) != 0 && errno != EINVAL)
        return fail(errno);
    m_synced = true;
    return {};
}

Expected<void> OutputFile::commit()
{
    if (!m_synced) {
        if (Expected<void> synced = sync(); !synced)
            return synced;
    }
    errno = 0;
    if (!m_file.commit()) {
        const int cause = errno;
        m_failed = true;
        return failure(causeText(cause, QFileInfo(m_file.fileName()), m_file.errorString()));
    }
    return {};
}

std::unexpected<Error> OutputFile::fail(int cause)
{
    m_failed = true;
    if (cause == 0 && m_file.error() == QFileDevice::ResourceError)
        cause = ENOSPC;
    const QString message = causeText(cause, QFileInfo(m_file.fileName()), m_file.errorString());
    m_file.cancelWriting();
    return failure(message);
}

Expected<void> saveFileContents(const QString &fileName, QByteArrayView data)
{
    OutputFile file(fileName);
    Expected<void> done = file.open();
    if (done)
        done = file.write(data);
    return done ? file.commit() : done;
}
