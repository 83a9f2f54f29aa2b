// SPDX-License-Identifier: MIT
// A file written whole or not at all. The content goes to a QSaveFile (a
// temporary file beside the target) and replaces the target only once every
// write, the flush and the sync to disk succeeded: a failure leaves nothing
// new and an existing file as it was. Failures are told in Spanish, naming
// their cause (a missing folder, a folder in the way, a permission, a full
// disk), as one sentence the caller places after the file's name.
#pragma once

#include "types/error.h"

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

class OutputFile final {
public:
    explicit OutputFile(const QString &fileName);

    [[nodiscard]] Expected<void> open();
    // The whole of data, or a failure (a short write is one).
    [[nodiscard]] Expected<void> write(QByteArrayView data);
    // Flushes and syncs to disk, where a full disk may first show; the
    // target is still untouched. Lets a caller write several files and name
    // them only when all are safely on disk.
    [[nodiscard]] Expected<void> sync();
    // Syncs, if not yet done, and puts the file in place. Without a commit,
    // the destructor throws the temporary file away.
    [[nodiscard]] Expected<void> commit();

private:
    std::unexpected<Error> fail(int cause);

    QSaveFile m_file;
    bool m_failed = false;
    bool m_synced = false;
};

// All of data into fileName, or nothing.
[[nodiscard]] Expected<void> saveFileContents(const QString &fileName, QByteArrayView data);
