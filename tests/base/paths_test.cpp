#include "base/gameerror.h"
#include "base/paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Sets an environment variable for the life of the object.
class TEnvironment {
public:
    TEnvironment(const char* name, const QString& value)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
        qputenv(name, value.toUtf8());
    }
    ~TEnvironment() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

void MakeCatalogue(const QString& folder) {
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/BASES.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

// An installed game: the program in PREFIX/bin, its data in
// PREFIX/share/tarvenia, and another copy in a system data folder.
TEST(Paths, TheDataIsFoundBesideTheProgramThenUnderShareThenInTheSystemFolders) {
    const QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    const QString share = root.filePath(QStringLiteral("prefix/share/tarvenia"));
    const QString system = root.filePath(QStringLiteral("system/tarvenia"));
    QDir().mkpath(bin);
    const TEnvironment home("XDG_DATA_HOME", root.filePath(QStringLiteral("home")));
    const TEnvironment dirs("XDG_DATA_DIRS", root.filePath(QStringLiteral("system")));

    EXPECT_THROW(
        try { DataFolder(bin); } catch (const TGameError& error) {
            // The player learns every folder that was looked into.
            const QString text = QString::fromStdString(error.what());
            EXPECT_TRUE(text.contains(bin)) << error.what();
            EXPECT_TRUE(text.contains(share)) << error.what();
            throw;
        },
        TGameError);

    MakeCatalogue(system);
    EXPECT_EQ(DataFolder(bin), system);
    EXPECT_EQ(DataFolderCandidates(bin), (QStringList{bin, share, system}));
    MakeCatalogue(share);
    EXPECT_EQ(DataFolder(bin), share);
    MakeCatalogue(bin);
    EXPECT_EQ(DataFolder(bin), bin);
}
