// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PropertyList.h"
#include "QtPrinters.h"
#include "platform/PropertyListNesting.h"
#include "platform/PropertyListWriter.h"
#include "platform/TextLimits.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string sampleBinary()
{
    return PropertyListWriter::dictionary()
        .setString("CFBundleIdentifier", "com.example.binary")
        .set("Types", PropertyListWriter::array()
                          .appendString("com.example.binary.document")
                          .append(PropertyListWriter::integer(7)))
        .binary();
}

std::string bigEndian(uint64_t value, int width)
{
    std::string bytes;
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8)
        bytes += char((value >> shift) & 0xFF);
    return bytes;
}

// A binary list of these objects, the first one the root, with 4-byte offsets and references.
std::string binaryList(const std::vector<std::string> &objects)
{
    std::string bytes = "bplist00";
    std::string table;
    for (const std::string &object : objects) {
        table += bigEndian(bytes.size(), 4);
        bytes += object;
    }
    // Six unused bytes, the offset and reference sizes, the number of objects, the root and the table's offset.
    return bytes + table + std::string(6, '\0') + "\x04\x04" + bigEndian(objects.size(), 8) + bigEndian(0, 8) +
           bigEndian(bytes.size(), 8);
}

// A binary list of `count` arrays, each holding a reference to the next; the last refers to `lastTarget`,
// which closes a cycle when it names an earlier array. Target `count` is a final boolean object.
std::string chainedBinaryArrays(uint32_t count, uint32_t lastTarget)
{
    std::vector<std::string> objects;
    for (uint32_t i = 0; i < count; ++i)
        objects.push_back('\xA1' + bigEndian(i + 1 < count ? i + 1 : lastTarget, 4)); // an array of one element
    objects.push_back("\x08");
    return binaryList(objects);
}

// A binary list of `levels` arrays, each holding `fanOut` references to the next; the last array's references
// all name one ASCII string of `stringLength` characters. Parsed, it holds fanOut^levels copies of the string.
std::string sharedBinaryArrays(uint32_t levels, uint32_t fanOut, uint32_t stringLength = 1)
{
    std::vector<std::string> objects;
    for (uint32_t level = 0; level < levels; ++level) {
        std::string array = "\xAF\x12" + bigEndian(fanOut, 4); // an array, its count in the integer that follows
        for (uint32_t i = 0; i < fanOut; ++i)
            array += bigEndian(level + 1, 4);
        objects.push_back(array);
    }
    objects.push_back("\x5F\x12" + bigEndian(stringLength, 4) + std::string(stringLength, 'x')); // ASCII string
    return binaryList(objects);
}

std::string nestedXml(int depth)
{
    std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>k</key>";
    for (int i = 0; i < depth; ++i)
        xml += "<array>";
    xml += "<string>com.example.deep</string>";
    for (int i = 0; i < depth; ++i)
        xml += "</array>";
    return xml + "</dict></plist>";
}

const PropertyListNesting::Limits Limits{PropertyList::MaximumDepth, PropertyList::MaximumExpandedObjects,
                                         PropertyList::MaximumExpandedBytes};

QStringList strings(const PropertyList &list)
{
    QStringList result;
    list.forEachString([&](const QString &text) { result.append(text); });
    return result;
}

} // namespace

TEST(PropertyList, ReadsXmlAndBinaryWithStringsInDocumentOrderAndIgnoresKeysAndOtherValues)
{
    const auto list = PropertyList::parse(
        "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict>"
        "<key>CFBundleIdentifier</key><string>com.example.App</string>"
        "<key>Nested</key><array><string>a.b.c</string><integer>3</integer><dict><key>x</key><string>z</string>"
        "</dict><true/></array><key>Name</key><string>&lt;Q&amp;A&gt; \xC3\xA9</string></dict></plist>");
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->isDictionary());
    EXPECT_EQ(list->string("CFBundleIdentifier"), QStringLiteral("com.example.App"));
    EXPECT_EQ(list->string("Nested"), std::nullopt);
    EXPECT_EQ(list->string("Missing"), std::nullopt);
    EXPECT_EQ(strings(*list), (QStringList{QStringLiteral("com.example.App"), QStringLiteral("a.b.c"),
                                           QStringLiteral("z"), QString::fromUtf8("<Q&A> \xC3\xA9")}));

    const auto binary = PropertyList::parse(sampleBinary());
    ASSERT_TRUE(binary);
    EXPECT_EQ(binary->string("CFBundleIdentifier"), QStringLiteral("com.example.binary"));
    EXPECT_EQ(strings(*binary).size(), 2);

    // A root that is not a dictionary has no keys.
    const auto array = PropertyList::parse("<?xml version=\"1.0\"?><plist version=\"1.0\"><array>"
                                           "<string>com.example.a</string></array></plist>");
    ASSERT_TRUE(array);
    EXPECT_FALSE(array->isDictionary());
    EXPECT_EQ(array->string("CFBundleIdentifier"), std::nullopt);
    EXPECT_EQ(strings(*array), QStringList{QStringLiteral("com.example.a")});
}

TEST(PropertyList, MalformedAndTruncatedInputGivesNothing)
{
    const std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>CFBundleIdentifier</key>"
                            "<string>com.example.App</string></dict></plist>";
    // The parser is lenient about a missing end; a list cut inside the value must not yield it.
    const std::size_t valueEnd = xml.find("</string>");
    for (std::size_t cut = 0; cut < valueEnd; cut += 3) {
        if (const auto list = PropertyList::parse(xml.substr(0, cut))) {
            EXPECT_NE(list->string("CFBundleIdentifier"), QStringLiteral("com.example.App")) << cut;
        }
    }
    EXPECT_FALSE(PropertyList::parse("not a property list at all"));
    EXPECT_FALSE(PropertyList::parse(""));

    // Every prefix of a binary list, and the list with single bytes damaged, is refused or read without harm.
    const std::string binary = sampleBinary();
    for (std::size_t cut = 0; cut < binary.size(); ++cut)
        EXPECT_FALSE(PropertyList::parse(binary.substr(0, cut))) << cut;
    for (std::size_t at = 8; at < binary.size(); ++at) {
        for (const unsigned char value : {0x00u, 0x0Fu, 0x7Fu, 0xAFu, 0xDFu, 0xFFu}) {
            std::string damaged = binary;
            damaged[at] = char(value);
            if (const auto list = PropertyList::parse(damaged))
                strings(*list);
        }
    }
}

TEST(PropertyList, BinaryObjectsReferringToEachOtherInACycleAreRefused)
{
    EXPECT_TRUE(PropertyList::parse(chainedBinaryArrays(1, 0)) == std::nullopt);
    EXPECT_TRUE(PropertyList::parse(chainedBinaryArrays(5, 2)) == std::nullopt);
    EXPECT_FALSE(PropertyListNesting::isAcceptable(chainedBinaryArrays(3, 0), Limits));
}

TEST(PropertyList, NestingDeeperThanTheLimitIsRefusedWithoutExhaustingTheStack)
{
    EXPECT_TRUE(PropertyList::parse(nestedXml(50)));
    EXPECT_FALSE(PropertyList::parse(nestedXml(100000)));
    EXPECT_FALSE(PropertyList::parse(nestedXml(PropertyList::MaximumDepth + 1)));

    // A chain of 100,000 binary arrays ending in a scalar would be just as deep.
    EXPECT_TRUE(PropertyList::parse(chainedBinaryArrays(10, 10)));
    std::string deep = chainedBinaryArrays(100000, 100000);
    EXPECT_FALSE(PropertyListNesting::isAcceptable(deep, Limits));
    EXPECT_FALSE(PropertyList::parse(deep));
}

TEST(PropertyList, SharedBinaryObjectsThatWouldExpandPastTheLimitsAreRefused)
{
    const auto shared = PropertyList::parse(sharedBinaryArrays(3, 16));
    ASSERT_TRUE(shared);
    EXPECT_EQ(strings(*shared).size(), 16 * 16 * 16);

    // 16^4 copies from under 200 bytes, past what a real list holds, and 16^6, which would take gigabytes.
    ASSERT_FALSE(PropertyList::parse(sharedBinaryArrays(4, 16)));
    EXPECT_FALSE(PropertyListNesting::isAcceptable(sharedBinaryArrays(6, 16), Limits));
    EXPECT_FALSE(PropertyList::parse(sharedBinaryArrays(60, 16)));

    // Few objects, but each copy of a string counts in full: 256 copies of 4 KiB are read, 4,096 are not.
    const auto longText = PropertyList::parse(sharedBinaryArrays(2, 16, 4096));
    ASSERT_TRUE(longText);
    EXPECT_EQ(strings(*longText).size(), 256);
    EXPECT_FALSE(PropertyList::parse(sharedBinaryArrays(2, 64, 4096)));
}

TEST(PropertyList, StringsLongerThanTheLimitAreLeftOutByEveryReader)
{
    const std::string longest(TextLimits::MaximumValueBytes, 'a');
    const std::string tooLong = longest + "a";
    const PropertyListWriter list =
        PropertyListWriter::dictionary()
            .setString("CFBundleIdentifier", tooLong)
            .setString("Label", longest)
            .set("Nested", PropertyListWriter::array().appendString(tooLong).appendString("com.example.short"));
    for (const std::string &bytes : {list.xml(), list.binary()}) {
        for (const auto parser : {PropertyList::Parser::quickWherePlain, PropertyList::Parser::full}) {
            const auto read = PropertyList::parse(bytes, parser);
            ASSERT_TRUE(read);
            EXPECT_EQ(read->string("CFBundleIdentifier"), std::nullopt);
            EXPECT_EQ(read->string("Label"), QString::fromStdString(longest));
            EXPECT_EQ(strings(*read), (QStringList{QString::fromStdString(longest), "com.example.short"}));
        }
    }
}

TEST(PropertyList, TextWithMoreElementsThanTheLimitIsRefused)
{
    auto trues = [](std::uint64_t count) {
        std::string xml = "<?xml version=\"1.0\"?><plist version=\"1.0\"><array>";
        for (std::uint64_t i = 0; i < count; ++i)
            xml += "<true/>";
        return xml + "</array></plist>";
    };
    // The plist and array elements count too.
    const PropertyListNesting::Limits hundred{PropertyList::MaximumDepth, 100, PropertyList::MaximumExpandedBytes};
    EXPECT_TRUE(PropertyListNesting::isAcceptable(trues(98), hundred));
    EXPECT_FALSE(PropertyListNesting::isAcceptable(trues(99), hundred));
    EXPECT_FALSE(PropertyList::parse(trues(PropertyList::MaximumExpandedObjects)));
}

namespace {

// What the rest of the program can observe of a list: nothing, or the root's kind, the strings of a few root keys
// and every string in order.
std::string observed(const std::optional<PropertyList> &list)
{
    if (!list)
        return "none";
    std::string text = list->isDictionary() ? "dict" : "other";
    for (const char *key : {"CFBundleIdentifier", "Label", "", "a", "b"})
        text += std::string("|") + key + "=" + list->string(key).value_or(QStringLiteral("(absent)")).toStdString();
    list->forEachString([&](const QString &value) { text += "|s:" + value.toStdString(); });
    return text;
}

std::string plistDocument(const std::string &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n" +
           body + "\n</plist>\n";
}

} // namespace

TEST(PropertyList, QuickReaderOfPlainXmlReadsEveryListAsTheFullParserDoes)
{
    struct Case {
        std::string bytes;
        bool plain; // the quick reader takes it
    };
    const std::vector<Case> cases{
        {plistDocument("<dict><key>CFBundleIdentifier</key><string>com.example.app</string>"
                       "<key>a</key><array><string>x</string><dict><key>b</key><string>y</string></dict></array>"
                       "<key>n</key><integer>-12</integer><key>r</key><real>1.5e3</real><key>t</key><true/>"
                       "<key>d</key><date>2024-01-02T03:04:05Z</date><key>z</key><data>AAECAw==</data>"
                       "<key>e</key><string/><key>b</key><string>  spaced\n text </string></dict>"),
         true},
        {plistDocument("<dict><key>Label</key><string>a &amp; b &lt;c&gt; &quot;d&quot; &apos;e&apos;</string>"
                       "<key></key><string>empty key</string><key>x</key><dict/></dict>"),
         true},
        {plistDocument("<array><string>root</string><array/></array>"), true},
        {plistDocument("<string>only</string>"), true},
        {"<plist><dict><key>a</key><string>no prolog</string></dict></plist>", true},
        // Outside the plain form: the full parser decides.
        {plistDocument("<dict><key>a</key><string>one</string><key>a</key><string>two</string></dict>"), false},
        {plistDocument("<dict><key>a</key><string>&#65;&#x42;</string></dict>"), false},
        {plistDocument("<dict><key>a</key><string><![CDATA[<raw>]]></string></dict>"), false},
        {plistDocument("<dict><!-- note --><key>a</key><string>x</string></dict>"), false},
        {plistDocument("<array><key>loose key</key></array>"), false},
        {plistDocument("<dict><key>a</key><key>b</key><string>x</string></dict>"), false},
        {plistDocument("<dict><key>a</key><data>AA ECAw==</data></dict>"), false},
        {plistDocument("<dict><key>a</key><integer> 7 </integer></dict>"), false},
        {plistDocument("<dict><key>a</key><string>x</string>"), false},
        {plistDocument("<dict><key>a</key><string>unknown &bogus; entity</string></dict>"), false},
        {plistDocument("<dict><key>a</key><string>x</string></dict>") + "trailing", false},
        {"<plist version=\"1.0\"></plist>", false},
    };
    for (const Case &sample : cases) {
        SCOPED_TRACE(sample.bytes);
        EXPECT_EQ(PropertyListXmlReader::read(sample.bytes).has_value(), sample.plain);
        EXPECT_EQ(observed(PropertyList::parse(sample.bytes)),
                  observed(PropertyList::parse(sample.bytes, PropertyList::Parser::full)));
    }
}

TEST(PropertyList, TextInUtf16OrAfterAByteOrderMarkIsReadAsTheSystemReadsIt)
{
    const QString identifier = QString::fromUtf8("com.example.caf\xC3\xA9\xF0\x9F\x8E\xB5");
    const auto document = [&](const char *encoding) {
        return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<plist version=\"1.0\"><dict>"
                              "<key>CFBundleIdentifier</key><string>%2</string></dict></plist>\n")
            .arg(QLatin1StringView(encoding), identifier);
    };
    const auto utf16 = [](const QString &text, bool littleEndian, bool mark) {
        QStringEncoder encoder(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        return QByteArray(encoder(text)).toStdString();
    };
    const std::pair<const char *, std::string> samples[] = {
        {"UTF-16 little-endian", utf16(document("UTF-16"), true, true)},
        {"UTF-16 big-endian", utf16(document("UTF-16"), false, true)},
        {"UTF-16LE without a mark", utf16(document("UTF-16LE"), true, false)},
        {"UTF-16BE without a mark", utf16(document("UTF-16BE"), false, false)},
        {"UTF-8 after a mark", "\xEF\xBB\xBF" + document("UTF-8").toStdString()},
    };
    for (const auto &[what, bytes] : samples) {
        for (const auto parser : {PropertyList::Parser::quickWherePlain, PropertyList::Parser::full}) {
            const auto list = PropertyList::parse(bytes, parser);
            ASSERT_TRUE(list) << what;
            EXPECT_EQ(list->string("CFBundleIdentifier"), identifier) << what;
        }
    }
}
