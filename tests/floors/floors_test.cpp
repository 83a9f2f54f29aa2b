// SPDX-License-Identifier: MIT
// The floors of src/: a folder uses only folders on lower floors. Every
// #include "<folder>/..." of a source and every plusvalia_<folder> named in a
// target_link_libraries is checked against the floor list the build declares.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {
using Floors = std::map<QString, int>; // folder -> floor, lowest 0

Floors floorsFrom(const QString &declared)
{
    Floors floors;
    const QStringList levels = declared.split(u'|');
    for (int level = 0; level < levels.size(); ++level)
        for (const QString &folder : levels[level].split(u' ', Qt::SkipEmptyParts))
            floors[folder] = level;
    return floors;
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// One message per use of the same or a higher floor, per folder on no floor
// and per floor folder that does not exist.
QStringList floorViolations(const QString &srcDir, const Floors &floors)
{
    QStringList violations;
    const QStringList folders = QDir(srcDir).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &folder : folders)
        if (!floors.contains(folder))
            violations << folder + QStringLiteral(" is on no floor");
    for (const auto &[folder, level] : floors)
        if (!folders.contains(folder))
            violations << folder + QStringLiteral(" is on a floor but not in src/");

    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*[<"]([^">]+)[">])"),
                                            QRegularExpression::MultilineOption);
    static const QRegularExpression link(QStringLiteral(R"(target_link_libraries\s*\(([^)]*)\))"));
    static const QRegularExpression library(QStringLiteral(R"(\bplusvalia_(\w+))"));

    const auto check = [&](const QString &file, const QString &folder, const QString &used, const QString &how) {
        const auto user = floors.find(folder);
        const auto target = floors.find(used);
        if (user == floors.end() || target == floors.end() || used == folder)
            return;
        if (target->second >= user->second)
            violations << QStringLiteral("%1 %2 %3 (floor %4 uses floor %5)")
                              .arg(file, how, used)
                              .arg(user->second + 1)
                              .arg(target->second + 1);
    };

    for (const QString &folder : folders) {
        QDirIterator files(srcDir + u'/' + folder, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QString name = QDir(srcDir).relativeFilePath(path);
            const QString text = readAll(path);
            if (name.endsWith(QStringLiteral("CMakeLists.txt"))) {
                for (auto call = link.globalMatch(text); call.hasNext();)
                    for (auto lib = library.globalMatch(call.next().captured(1)); lib.hasNext();)
                        check(name, folder, lib.next().captured(1), QStringLiteral("links"));
                continue;
            }
            for (auto it = include.globalMatch(text); it.hasNext();) {
                const QString header = it.next().captured(1);
                if (header.contains(QStringLiteral("..")))
                    violations << name + QStringLiteral(" includes ") + header + QStringLiteral(" by a relative path");
                else if (header.contains(u'/'))
                    check(name, folder, header.section(u'/', 0, 0), QStringLiteral("includes"));
            }
        }
    }
    return violations;
}

TEST(Floors, EveryFolderUsesOnlyLowerFloors)
{
    const QStringList violations =
        floorViolations(QStringLiteral(PLUSVALIA_SOURCE_DIR), floorsFrom(QStringLiteral(PLUSVALIA_FLOORS)));
    EXPECT_TRUE(violations.isEmpty()) << violations.join(u'\n').toStdString();
}

// The check itself, on small trees with one fault each.
TEST(Floors, TheCheckFindsEachKindOfFault)
{
    struct Case {
        const char *file;
        const char *text;
        const char *expected; // a part of the one message, or nullptr for none
    };
    const Case cases[] = {
        {"high/a.cpp", "#include \"low/a.h\"\n#include <QString>\n#include \"a_local.h\"\n", nullptr},
        {"low/a.cpp", "  #  include \"high/b.h\"\n", "low/a.cpp includes high (floor 1 uses floor 3)"},
        {"low/a.h", "#include \"peer/b.h\"\n", "low/a.h includes peer (floor 1 uses floor 1)"},
        {"low/sub/a.cpp", "#include <high/b.h>\n", "low/sub/a.cpp includes high"},
        {"low/a.cpp", "#include \"../high/b.h\"\n", "by a relative path"},
        {"low/CMakeLists.txt", "target_link_libraries(plusvalia_low PUBLIC\n  plusvalia_options\n plusvalia_high)\n",
         "low/CMakeLists.txt links high"},
        {"high/CMakeLists.txt", "target_link_libraries(plusvalia-high PRIVATE plusvalia_high plusvalia_low)\n",
         nullptr},
        {"stray/a.cpp", "", "stray is on no floor"},
    };
    const Floors floors = floorsFrom(QStringLiteral("low peer|middle|high"));
    for (const Case &c : cases) {
        QTemporaryDir src;
        ASSERT_TRUE(src.isValid());
        for (const char *folder : {"low", "peer", "middle", "high"})
            ASSERT_TRUE(QDir(src.path()).mkpath(QString::fromLatin1(folder)));
        const QString path = src.filePath(QString::fromUtf8(c.file));
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.text);
        file.close();

        const QStringList violations = floorViolations(src.path(), floors);
        if (!c.expected) {
            EXPECT_TRUE(violations.isEmpty()) << c.file << ": " << violations.join(u'\n').toStdString();
        } else {
            ASSERT_EQ(violations.size(), 1) << c.file << ": " << violations.join(u'\n').toStdString();
            EXPECT_TRUE(violations.front().contains(QString::fromUtf8(c.expected)))
                << violations.front().toStdString();
        }
    }
    // A folder on a floor that src/ does not have.
    QTemporaryDir empty;
    EXPECT_EQ(floorViolations(empty.path(), floorsFrom(QStringLiteral("gone"))),
              QStringList{QStringLiteral("gone is on a floor but not in src/")});
}
} // namespace
