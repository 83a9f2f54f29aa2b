// SPDX-License-Identifier: MIT
#include "types/outputfile.h"

#include "filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
QByteArray contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(ninguno)");
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(saveFileContents(path("fichero"), "anterior"));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("carpeta")));
    }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

TEST_F(OutputFileTest, RefusesWithTheCauseAndLeavesEverythingAsItWas)
{
    const struct {
        const char *target;
        const char *message;
    } cases[] = {
        {"falta/otra/a.txt", "La carpeta «%1/falta/otra» no existe."},
        {"fichero/a.txt", "«%1/fichero» no es una carpeta."},
        {"carpeta", "«%1/carpeta» es una carpeta."},
        {"", "«%1» es una carpeta."},
    };
    for (const auto &c : cases) {
        const Expected<void> saved = saveFileContents(path(c.target), "nuevo");
        ASSERT_FALSE(saved) << c.target;
        EXPECT_EQ(saved.error().message, QString::fromUtf8(c.message).arg(dir.path())) << c.target;
    }
    EXPECT_EQ(entries(dir.path()), QStringList({u"carpeta"_qs, u"fichero"_qs}));
    EXPECT_TRUE(entries(path("carpeta")).isEmpty());
    EXPECT_EQ(contents(path("fichero")), "anterior");
}

TEST_F(OutputFileTest, ReadOnlyFileOrFolderIsAMatterOfPermission)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes through any permission";
    ASSERT_TRUE(QFile::setPermissions(path("fichero"), QFile::ReadOwner));
    EXPECT_EQ(saveFileContents(path("fichero"), "nuevo").error().message,
              u"No tiene permiso para modificar «%1»."_qs.arg(path("fichero")));
    ASSERT_TRUE(QFile::setPermissions(path("carpeta"), QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(saveFileContents(path("carpeta/a.txt"), "nuevo").error().message,
              u"No tiene permiso para escribir en la carpeta «%1»."_qs.arg(path("carpeta")));
    EXPECT_EQ(contents(path("fichero")), "anterior");
}

TEST_F(OutputFileTest, AWriteCutShortLeavesTheOldFileAndSaysWhy)
{
    Expected<void> saved;
    {
        const FileSizeLimit limit(4096);
        saved = saveFileContents(path("fichero"), QByteArray(10000, 'n'));
    }
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.error().message, u"El archivo supera el tamaño máximo permitido."_qs);
    EXPECT_EQ(contents(path("fichero")), "anterior");
    EXPECT_EQ(entries(dir.path()).size(), 2);
}

TEST_F(OutputFileTest, TheTargetChangesOnlyAtTheCommit)
{
    {
        OutputFile dropped(path("fichero"));
        ASSERT_TRUE(dropped.open());
        ASSERT_TRUE(dropped.write("abandonado"));
    }
    OutputFile file(path("fichero"));
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("nue"));
    ASSERT_TRUE(file.write("vo"));
    ASSERT_TRUE(file.sync());
    EXPECT_EQ(contents(path("fichero")), "anterior");
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(contents(path("fichero")), "nuevo");
    EXPECT_EQ(entries(dir.path()).size(), 2);
}
} // namespace
