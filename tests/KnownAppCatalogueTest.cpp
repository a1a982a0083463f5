#include "identification/KnownAppCatalogue.h"
#include "identification/IdentificationWordLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string lowerCased(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The lookup the identification service performs: the first row whose lower-cased keyword occurs in the
// lower-cased subject.
std::optional<std::size_t> firstMatch(const std::string &subject)
{
    const std::string lowerSubject = lowerCased(subject);
    const auto rows = KnownAppCatalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (lowerSubject.find(lowerCased(rows[row].keyword)) != std::string::npos)
            return row;
    }
    return std::nullopt;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

} // namespace

TEST(KnownAppCatalogueTest, HasTheDeclaredRowCount)
{
    EXPECT_EQ(KnownAppCatalogue::rows().size(), KnownAppCatalogue::RowCount);
    EXPECT_EQ(KnownAppCatalogue::RowCount, 1106u);
}

TEST(KnownAppCatalogueTest, TellingRowsAreExact)
{
    struct Expected {
        std::size_t row;
        std::string_view keyword;
        std::string_view name;
        std::string_view bundleID;
    };
    const Expected expected[] = {
        {0, "adobe", "Adobe Creative Cloud", "com.adobe.creative-cloud"},
        {1, "creative cloud", "Adobe Creative Cloud", "com.adobe.creative-cloud"},
        {2, "cc desktop", "Adobe Creative Cloud", "com.adobe.acc.AdobeDesktopService"},
        {9, "acrobat", "Adobe Acrobat", "com.adobe.Acrobat"},
        {12, "premiere", "Adobe Premiere Pro", "com.adobe.PremierePro"},
        {36, "stock", "Adobe Stock", "com.adobe.stock"},
        {55, "microsoft", "Microsoft", "com.microsoft"},
        {60, "word", "Microsoft Word", "com.microsoft.Word"},
        {74, "google", "Google", "com.google"},
        {75, "chrome", "Google Chrome", "com.google.Chrome"},
        {76, "drive", "Google Drive", "com.google.GoogleDrive"},
        {87, "group.com.apple", "Apple", "com.apple"},
        {105, "tv", "TV", "com.apple.TV"},
        {110, "home", "Home", "com.apple.Home"},
        {177, "zoom", "Zoom", "com.apple.zoom"},
        {352, "zoom", "Zoom", "us.zoom.xos"},
        {248, "jetbrains", "JetBrains", "com.jetbrains"},
        {278, "parallels", "Parallels Desktop", "com.parallels.desktop"},
        {553, "firefox", "Firefox", "org.mozilla.firefox"},
        {891, "driveDx", "DriveDx", "com.binaryfruit.DriveDx"},
        {938, "commandQ", "CommandQ", "com.clickontyler.commandq"},
        {1104, "openmediavault", "OpenMediaVault", "org.openmediavault"},
        {1105, "omv", "OpenMediaVault", "org.openmediavault"},
    };
    const auto rows = KnownAppCatalogue::rows();
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.row);
        EXPECT_EQ(rows[e.row].keyword, e.keyword);
        EXPECT_EQ(rows[e.row].name, e.name);
        EXPECT_EQ(rows[e.row].bundleID, e.bundleID);
    }
}

TEST(KnownAppCatalogueTest, VendorBlocksSitAtTheirRows)
{
    const auto rows = KnownAppCatalogue::rows();
    const std::pair<std::pair<std::size_t, std::size_t>, std::string_view> blocks[] = {
        {{0, 54}, "com.adobe"}, {{55, 73}, "com.microsoft"}, {{74, 77}, "com.google"}, {{78, 237}, "com.apple"}};
    for (const auto &[range, prefix] : blocks) {
        for (std::size_t row = range.first; row <= range.second; ++row)
            EXPECT_TRUE(startsWith(rows[row].bundleID, prefix)) << row << " " << rows[row].bundleID;
    }
}

TEST(KnownAppCatalogueTest, KeywordsHaveTheirDuplicates)
{
    std::map<std::string, int> occurrences;
    for (const KnownApp &row : KnownAppCatalogue::rows())
        ++occurrences[row.keyword];
    EXPECT_EQ(occurrences.size(), 1093u);

    std::set<std::string> duplicated;
    for (const auto &[keyword, count] : occurrences) {
        EXPECT_LE(count, 2) << keyword;
        if (count > 1)
            duplicated.insert(keyword);
    }
    const std::set<std::string> expected{"spark",    "onenote",    "icloud",  "zoom",     "universal control",
                                         "facebook", "cyberduck",  "zbrush",  "mailmate", "origin",
                                         "forklift", "pdf expert", "bookends"};
    EXPECT_EQ(duplicated, expected);
}

TEST(KnownAppCatalogueTest, ShortKeywordsSitAtTheirRows)
{
    const std::vector<std::pair<std::size_t, std::string>> expected{
        {25, "xd"},   {105, "tv"},   {171, "vpn"},  {210, "lsd"},  {274, "jdk"}, {370, "box"},
        {384, "vlc"}, {389, "obs"},  {402, "nch"},  {532, "avg"},  {547, "arq"}, {557, "arc"},
        {568, "gog"}, {597, "kap"},  {618, "dji"},  {621, "on1"},  {622, "dxo"}, {657, "wps"},
        {687, "vnc"}, {776, "hbo"},  {781, "mpv"},  {819, "sip"},  {840, "paw"}, {949, "min"},
        {960, "2do"}, {1062, "tos"}, {1070, "acc"}, {1071, "aec"}, {1080, "wd"}, {1105, "omv"}};
    std::vector<std::pair<std::size_t, std::string>> actual;
    const auto rows = KnownAppCatalogue::rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (std::string_view(rows[row].keyword).size() <= 3)
            actual.emplace_back(row, rows[row].keyword);
    }
    EXPECT_EQ(actual, expected);
}

TEST(KnownAppCatalogueTest, KeywordShapes)
{
    int withSpace = 0;
    int withDot = 0;
    std::vector<std::string> notLowerCase;
    for (const KnownApp &row : KnownAppCatalogue::rows()) {
        const std::string keyword = row.keyword;
        EXPECT_FALSE(keyword.empty());
        withSpace += keyword.find(' ') != std::string::npos;
        withDot += keyword.find('.') != std::string::npos;
        if (lowerCased(keyword) != keyword)
            notLowerCase.push_back(keyword);
    }
    EXPECT_EQ(withSpace, 287);
    EXPECT_EQ(withDot, 17);
    EXPECT_EQ(notLowerCase, (std::vector<std::string>{"driveDx", "commandQ"}));
}

TEST(KnownAppCatalogueTest, DomainNamedProductsSitBetweenTheirNeighbours)
{
    const auto rows = KnownAppCatalogue::rows();
    EXPECT_EQ(std::string_view(rows[568].keyword), "gog");
    EXPECT_EQ(std::string_view(rows[570].keyword), "origin");
    EXPECT_EQ(std::string_view(rows[868].keyword), "lucidchart");
    EXPECT_EQ(std::string_view(rows[870].keyword), "miro");
    for (const std::size_t row : {569u, 869u}) {
        const std::string keyword = rows[row].keyword;
        EXPECT_EQ(lowerCased(keyword), keyword);
        EXPECT_NE(keyword.find('.'), std::string::npos) << keyword;
        EXPECT_EQ(keyword.find(' '), std::string::npos) << keyword;
    }
}

TEST(KnownAppCatalogueTest, EveryRowNamesAnApplication)
{
    for (const KnownApp &row : KnownAppCatalogue::rows()) {
        EXPECT_FALSE(std::string_view(row.name).empty()) << row.keyword;
        EXPECT_NE(std::string_view(row.bundleID).find('.'), std::string_view::npos) << row.keyword;
        EXPECT_EQ(std::string_view(row.bundleID).find(' '), std::string_view::npos) << row.keyword;
    }
}

TEST(KnownAppCatalogueTest, RowsHiddenBehindAnEarlierKeyword)
{
    const auto rows = KnownAppCatalogue::rows();
    int hidden = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::string keyword = lowerCased(rows[row].keyword);
        for (std::size_t earlier = 0; earlier < row; ++earlier) {
            if (keyword.find(lowerCased(rows[earlier].keyword)) != std::string::npos) {
                ++hidden;
                break;
            }
        }
    }
    EXPECT_EQ(hidden, 259);
}

TEST(KnownAppCatalogueTest, FirstMatchWins)
{
    EXPECT_EQ(firstMatch("adobe.photoshop"), 0u);
    EXPECT_EQ(firstMatch("microsoft.teams"), 55u);
    EXPECT_EQ(firstMatch("passwords"), 60u);
    EXPECT_EQ(firstMatch("homebrew"), 110u);
    EXPECT_EQ(firstMatch("zoomus"), 177u);
    EXPECT_EQ(firstMatch("drivedx-helper"), 76u);
    EXPECT_EQ(firstMatch("smartdrivedx"), 76u);
    EXPECT_EQ(firstMatch("commandq"), 938u);
    EXPECT_EQ(firstMatch("CommandQ Helper"), 938u);
    EXPECT_EQ(firstMatch("qqqq"), std::nullopt);
}

TEST(IdentificationWordListsTest, ListsKeepTheirOrder)
{
    EXPECT_EQ(IdentificationWordLists::ReverseDomainPrefixes.front(), "com.");
    EXPECT_EQ(IdentificationWordLists::ReverseDomainPrefixes.back(), "app.");
    EXPECT_EQ(IdentificationWordLists::BundleIDTopLevelWords.back(), "co");
    EXPECT_EQ(IdentificationWordLists::TokenStopWords.size(), 18u);
    EXPECT_EQ(IdentificationWordLists::TokenStopWords.back(), "public");
    EXPECT_EQ(IdentificationWordLists::CandidateSkipWords.back(), "plus");
    EXPECT_EQ(IdentificationWordLists::NameSkipWords.back(), "manager");
}

TEST(IdentificationWordListsTest, MembershipIsExactEquality)
{
    EXPECT_TRUE(IdentificationWordLists::contains(IdentificationWordLists::TokenStopWords, "helper"));
    EXPECT_FALSE(IdentificationWordLists::contains(IdentificationWordLists::TokenStopWords, "helpers"));
    EXPECT_FALSE(IdentificationWordLists::contains(IdentificationWordLists::TokenStopWords, "Helper"));
    EXPECT_TRUE(IdentificationWordLists::contains(IdentificationWordLists::BundleIDTopLevelWords, "uk"));
    EXPECT_FALSE(IdentificationWordLists::contains(IdentificationWordLists::CandidateSkipWords, "manager"));
    EXPECT_TRUE(IdentificationWordLists::contains(IdentificationWordLists::NameSkipWords, "manager"));
}
