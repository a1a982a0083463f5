#include "platform/FileTags.h"
#include "QtPrinters.h"
#include "TempTree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <optional>
#include <sys/types.h>
#include <sys/xattr.h>

namespace fs = std::filesystem;

namespace {

#ifdef __linux__
constexpr const char *TagAttribute = "user.xdg.tags";

std::optional<std::string> rawTags(const fs::path &path)
{
    char buffer[4096];
    const ssize_t size = lgetxattr(path.c_str(), TagAttribute, buffer, sizeof buffer);
    if (size < 0)
        return std::nullopt;
    return std::string(buffer, std::size_t(size));
}

bool writeRawTags(const fs::path &path, const std::string &value)
{
    return lsetxattr(path.c_str(), TagAttribute, value.data(), value.size(), 0) == 0;
}
#endif

// Only a missing feature of the file system counts; any other failure is for the tests to find.
bool keepsUserAttributes(const fs::path &folder)
{
#ifdef __linux__
    const char value = '1';
    return lsetxattr(folder.c_str(), "user.leftscan-probe", &value, 1, 0) == 0 || errno != ENOTSUP;
#else
    Q_UNUSED(folder);
    return true;
#endif
}

// A temporary tree on a file system that keeps user extended attributes: the usual temporary folder, or else
// /var/tmp or the current folder (the build folder when the tests run). Absent when none of them does.
std::unique_ptr<TempTree> treeKeepingAttributes()
{
    const char *previous = std::getenv("TMPDIR");
    const std::optional<std::string> saved = previous ? std::optional<std::string>(previous) : std::nullopt;
    std::unique_ptr<TempTree> found;
    for (const std::optional<std::string> &folder :
         {saved, std::optional<std::string>("/var/tmp"), std::optional<std::string>(fs::current_path().native())}) {
        if (folder)
            setenv("TMPDIR", folder->c_str(), 1);
        auto tree = std::make_unique<TempTree>();
        if (keepsUserAttributes(tree->root())) {
            found = std::move(tree);
            break;
        }
    }
    if (saved)
        setenv("TMPDIR", saved->c_str(), 1);
    else
        unsetenv("TMPDIR");
    return found;
}

class FileTagsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_tree = treeKeepingAttributes();
        if (!m_tree)
            GTEST_SKIP() << "no file system here keeps user extended attributes";
    }

    const TempTree &tree() const { return *m_tree; }

    std::unique_ptr<TempTree> m_tree;
};

} // namespace

TEST_F(FileTagsTest, ANewColourReplacesTheColourTagsAndKeepsTheOthers)
{
    const fs::path file = tree().writeFile("Library/Preferences/com.example.plist", "x");

    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Red"), QStringLiteral("Work"), QStringLiteral("Blue")}),
              std::nullopt);
    EXPECT_EQ(FileTags::tags(file),
              QStringList({QStringLiteral("Red"), QStringLiteral("Work"), QStringLiteral("Blue")}));

    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Green")}), std::nullopt);
    EXPECT_EQ(FileTags::tags(file), QStringList({QStringLiteral("Work"), QStringLiteral("Green")}));
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Work"), QStringLiteral("Gray")}), std::nullopt);
    EXPECT_EQ(FileTags::tags(file), QStringList({QStringLiteral("Work"), QStringLiteral("Gray")}));
#ifdef __linux__
    EXPECT_EQ(rawTags(file), "Work,Gray");
#endif
    EXPECT_EQ(TempTree::readFile(file), "x");
}

TEST_F(FileTagsTest, TagsAFolderAndAnItemWithAnyNameByItsExactPath)
{
    const fs::path folder = tree().makeFolder("Library/Caches/com.example.app");
    const fs::path odd = tree().writeFile("Library/bad\xff\xfe name 'quoted' \"too\"\n", "x");
    const fs::path similar = tree().writeFile("Library/bad\xef\xbf\xbd\xef\xbf\xbd name 'quoted' \"too\"\n", "y");

    ASSERT_EQ(FileTags::setTags(folder, {QStringLiteral("Orange")}), std::nullopt);
    ASSERT_EQ(FileTags::setTags(odd, {QStringLiteral("Überprüfen"), QStringLiteral("Purple")}), std::nullopt);

    EXPECT_EQ(FileTags::tags(folder), QStringList({QStringLiteral("Orange")}));
    EXPECT_EQ(FileTags::tags(odd), QStringList({QStringLiteral("Überprüfen"), QStringLiteral("Purple")}));
    EXPECT_TRUE(FileTags::tags(similar).isEmpty());
}

TEST_F(FileTagsTest, TaggingASymbolicLinkFailsAndLeavesItsTargetUntagged)
{
    const fs::path target = tree().writeFile("Library/real.plist", "x");
    const fs::path link = tree().makeSymlink("Library/link.plist", target.native());

    const auto error = FileTags::setTags(link, {QStringLiteral("Red")});

    EXPECT_TRUE(FileTags::tags(target).isEmpty());
    EXPECT_TRUE(fs::is_symlink(link));
#ifdef __linux__
    // Linux keeps no user attributes on links at all.
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("link.plist"))) << error->toStdString();
    EXPECT_TRUE(error->contains(QStringLiteral("Operation not permitted"))) << error->toStdString();
    EXPECT_TRUE(FileTags::tags(link).isEmpty());
    const auto targetTags = rawTags(target);
    const int targetError = errno;
    EXPECT_EQ(targetTags, std::nullopt);
    EXPECT_EQ(targetError, ENODATA);
#else
    Q_UNUSED(error);
#endif
}

TEST_F(FileTagsTest, FailuresLeaveTheExistingTagsAlone)
{
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Yellow")}), std::nullopt);

    const auto missing = FileTags::setTags(tree().path("Library/missing.plist"), {QStringLiteral("Red")});
    ASSERT_TRUE(missing.has_value());
    EXPECT_TRUE(missing->contains(QStringLiteral("No such file or directory"))) << missing->toStdString();

    EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("Red"), QString()}).has_value());
    EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("   ")}).has_value());
#ifdef __linux__
    EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("Red, Green")}).has_value());
#endif
    EXPECT_EQ(FileTags::tags(file), QStringList({QStringLiteral("Yellow")}));
    EXPECT_TRUE(FileTags::tags(tree().path("Library/missing.plist")).isEmpty());
}

TEST_F(FileTagsTest, AnEmptyListRemovesTheColourTags)
{
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Gray")}), std::nullopt);

    EXPECT_EQ(FileTags::setTags(file, {}), std::nullopt);
    EXPECT_TRUE(FileTags::tags(file).isEmpty());
    EXPECT_EQ(FileTags::setTags(file, {}), std::nullopt);
    EXPECT_TRUE(FileTags::setTags(tree().path("Library/missing"), {}).has_value());

    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Later"), QStringLiteral("Red")}), std::nullopt);
    EXPECT_EQ(FileTags::setTags(file, {}), std::nullopt);
    EXPECT_EQ(FileTags::tags(file), QStringList{QStringLiteral("Later")});
}

#ifdef __linux__
TEST_F(FileTagsTest, ReadsTheTagsOtherDesktopProgramsWrote)
{
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_TRUE(writeRawTags(file, "Red,Blue,Project X"));
    EXPECT_EQ(FileTags::tags(file),
              QStringList({QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Project X")}));

    ASSERT_TRUE(writeRawTags(file, "important, ,later,"));
    EXPECT_EQ(FileTags::tags(file), QStringList({QStringLiteral("important"), QStringLiteral("later")}));

    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Orange")}), std::nullopt);
    EXPECT_EQ(rawTags(file), "important,later,Orange");
}

TEST_F(FileTagsTest, TaggingKeepsTheUsersOwnTagsInTheirOrder)
{
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_TRUE(writeRawTags(file, "Work,Existing"));

    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Blue")}), std::nullopt);
    EXPECT_EQ(rawTags(file), "Work,Existing,Blue");

    ASSERT_TRUE(writeRawTags(file, "Red,Work,Yellow,Existing,Purple"));
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Green")}), std::nullopt);
    EXPECT_EQ(rawTags(file), "Work,Existing,Green");
}
#endif
