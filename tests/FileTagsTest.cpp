// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileTags.h"
#include "QtPrinters.h"
#include "TempTree.h"
#include "platform/TagAttribute.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace fs = std::filesystem;

namespace {

// The attribute's value as the system keeps it; absent when the item has none.
std::optional<QByteArray> rawTags(const fs::path &path)
{
    char buffer[4096];
    const ssize_t size = TagAttribute::get(path, buffer, sizeof buffer);
    return size < 0 ? std::nullopt : std::optional(QByteArray(buffer, qsizetype(size)));
}

// The attribute's value for these tag names, as another program would store it.
QByteArray valueFor(const QStringList &names)
{
    QList<QByteArray> entries;
    for (const QString &name : names)
        entries.append(TagAttribute::entryForName(name));
    return TagAttribute::encoded(entries);
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
        // Only a missing feature of the file system counts; any other failure is for the tests to find.
        if (TagAttribute::set(tree->root(), valueFor({QStringLiteral("probe")})) == 0 || errno != ENOTSUP) {
            TagAttribute::remove(tree->root());
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

TEST_F(FileTagsTest, ANewColourReplacesTheColourTagsAndKeepsTheUsersOwnInTheirOrder)
{
    const struct {
        QStringList before;
        QStringList given;
        QStringList after;
    } cases[] = {
        {{}, {"Red", "Work", "Blue"}, {"Red", "Work", "Blue"}},
        {{"Red", "Work", "Blue"}, {"Green"}, {"Work", "Green"}},
        {{"Work", "Green"}, {"Work", "Gray"}, {"Work", "Gray"}},
        {{"Red", "Work", "Yellow", "Existing", "Purple"}, {"Green"}, {"Work", "Existing", "Green"}},
        // An empty list takes the colours away, and the attribute with them when nothing else is left.
        {{"Later", "Red"}, {}, {"Later"}},
        {{"Gray"}, {}, {}},
        {{}, {}, {}},
    };
    int index = 0;
    for (const auto &each : cases) {
        SCOPED_TRACE(each.before.join(u',').toStdString() + " given " + each.given.join(u',').toStdString());
        const fs::path file = tree().writeFile("Library/com.example." + std::to_string(index++), "x");
        if (!each.before.isEmpty()) {
            ASSERT_EQ(TagAttribute::set(file, valueFor(each.before)), 0);
        }

        ASSERT_EQ(FileTags::setTags(file, each.given), std::nullopt);

        EXPECT_EQ(FileTags::tags(file), each.after);
        EXPECT_EQ(rawTags(file), each.after.isEmpty() ? std::nullopt : std::optional(valueFor(each.after)));
        EXPECT_EQ(TempTree::readFile(file), "x");
    }
}

TEST_F(FileTagsTest, ReadsAndWritesTheDesktopsCommaSeparatedNames)
{
    if (TagAttribute::encoded({"a", "b"}) != "a,b")
        GTEST_SKIP() << "this system keeps its tags in another form";
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_EQ(TagAttribute::set(file, "Red,Blue,Project X"), 0);
    EXPECT_EQ(FileTags::tags(file), QStringList({"Red", "Blue", "Project X"}));

    ASSERT_EQ(TagAttribute::set(file, "important, ,later,"), 0);
    EXPECT_EQ(FileTags::tags(file), QStringList({"important", "later"}));
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Orange")}), std::nullopt);
    EXPECT_EQ(rawTags(file), "important,later,Orange");

    // Another program's tags keep their bytes, whatever their encoding and spacing.
    ASSERT_EQ(TagAttribute::set(file, "Latin-1 caf\xe9, Red,\xff\xfe,  spaced "), 0);
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Blue")}), std::nullopt);
    EXPECT_EQ(rawTags(file), "Latin-1 caf\xe9,\xff\xfe,  spaced ,Blue");
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

TEST_F(FileTagsTest, TaggingASymbolicLinkNeverTagsItsTarget)
{
    const fs::path target = tree().writeFile("Library/real.plist", "x");
    const fs::path link = tree().makeSymlink("Library/link.plist", target.native());

    const auto error = FileTags::setTags(link, {QStringLiteral("Red")});

    EXPECT_EQ(rawTags(target), std::nullopt);
    EXPECT_TRUE(fs::is_symlink(link));
    // Where the system keeps no user attributes on links (Linux), the link stays untagged and the failure says so.
    if (error) {
        EXPECT_TRUE(error->contains(QStringLiteral("Operation not permitted"))) << error->toStdString();
        EXPECT_TRUE(FileTags::tags(link).isEmpty());
    } else {
        EXPECT_EQ(FileTags::tags(link), QStringList({QStringLiteral("Red")}));
    }
}

TEST_F(FileTagsTest, FailuresLeaveTheExistingTagsAlone)
{
    const fs::path file = tree().writeFile("Library/com.example.plist", "x");
    ASSERT_EQ(FileTags::setTags(file, {QStringLiteral("Yellow")}), std::nullopt);

    const fs::path missing = tree().path("Library/missing.plist");
    const auto error = FileTags::setTags(missing, {QStringLiteral("Red")});
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->contains(QStringLiteral("No such file or directory"))) << error->toStdString();
    EXPECT_TRUE(FileTags::setTags(missing, {}).has_value());
    EXPECT_TRUE(FileTags::tags(missing).isEmpty());

    EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("Red"), QString()}).has_value());
    EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("   ")}).has_value());
    if (TagAttribute::unstorableName(QStringLiteral("Red, Green"))) {
        EXPECT_TRUE(FileTags::setTags(file, {QStringLiteral("Red, Green")}).has_value());
    }
    EXPECT_EQ(FileTags::tags(file), QStringList({QStringLiteral("Yellow")}));
}
