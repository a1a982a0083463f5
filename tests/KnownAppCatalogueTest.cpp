#include "identification/KnownAppCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string lowerCased(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The lookup the identification performs: the bundle identifier of the first row whose lower-cased keyword occurs
// in the lower-cased subject.
std::string firstMatch(const std::string &subject)
{
    const std::string lowerSubject = lowerCased(subject);
    for (const KnownApp &row : KnownAppCatalogue::rows()) {
        if (lowerSubject.find(lowerCased(row.keyword)) != std::string::npos)
            return row.bundleID;
    }
    return {};
}

} // namespace

TEST(KnownAppCatalogueTest, EveryRowOfTheDataFileIsComplete)
{
    const auto rows = KnownAppCatalogue::rows();
    ASSERT_EQ(rows.size(), 1106u);
    for (const KnownApp &row : rows) {
        const std::string keyword = row.keyword;
        EXPECT_FALSE(keyword.empty());
        EXPECT_EQ(keyword.find('\t'), std::string::npos) << keyword;
        EXPECT_FALSE(std::string_view(row.name).empty()) << keyword;
        EXPECT_NE(std::string_view(row.bundleID).find('.'), std::string_view::npos) << keyword;
        EXPECT_EQ(std::string_view(row.bundleID).find_first_of(" \t"), std::string_view::npos) << keyword;
    }
    EXPECT_EQ(std::string_view(rows.front().keyword), "adobe");
    EXPECT_EQ(std::string_view(rows.back().bundleID), "org.openmediavault");
}

TEST(KnownAppCatalogueTest, RowOrderDecidesTheMatch)
{
    EXPECT_EQ(firstMatch("adobe.photoshop"), "com.adobe.creative-cloud");
    EXPECT_EQ(firstMatch("passwords"), "com.microsoft.Word");
    EXPECT_EQ(firstMatch("zoomus"), "com.apple.zoom");
    EXPECT_EQ(firstMatch("smartdrivedx"), "com.google.GoogleDrive");
    EXPECT_EQ(firstMatch("CommandQ Helper"), "com.clickontyler.commandq");
    EXPECT_EQ(firstMatch("qqqq"), "");
}
