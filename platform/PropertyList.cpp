// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PropertyList.h"

#include "platform/PropertyListNesting.h"
#include "platform/TextLimits.h"

#include <QStringDecoder>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <plist/plist.h>
#include <utility>
#include <vector>

namespace {

// The string of a string node; absent when it is longer than the values kept.
std::optional<QString> stringOf(plist_t node)
{
    uint64_t length = 0;
    const char *text = plist_get_string_ptr(node, &length);
    if (length > TextLimits::MaximumValueBytes)
        return std::nullopt;
    return text ? QString::fromUtf8(text, qsizetype(length)) : QString();
}

// An XML list written in UTF-16 (either byte order, with or without a byte-order mark) or in UTF-8 after a
// byte-order mark, as the system's own readers accept them, as plain UTF-8; absent for any other input.
std::optional<std::string> plainUtf8(std::string_view bytes)
{
    const auto at = [bytes](std::size_t i) {
        return i < bytes.size() ? std::uint8_t(bytes[i]) : std::uint8_t(0xFF);
    };
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF)
        return std::string(bytes.substr(3));
    std::optional<QStringConverter::Encoding> encoding;
    std::size_t start = 0;
    if (at(0) == 0xFF && at(1) == 0xFE) {
        encoding = QStringConverter::Utf16LE;
        start = 2;
    } else if (at(0) == 0xFE && at(1) == 0xFF) {
        encoding = QStringConverter::Utf16BE;
        start = 2;
    } else if (at(0) == '<' && at(1) == 0 && at(2) != 0 && at(3) == 0) {
        encoding = QStringConverter::Utf16LE;
    } else if (at(0) == 0 && at(1) == '<' && at(2) == 0 && at(3) != 0) {
        encoding = QStringConverter::Utf16BE;
    }
    if (!encoding)
        return std::nullopt;
    QStringDecoder decoder(*encoding, QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data() + start, qsizetype(bytes.size() - start)));
    if (decoder.hasError())
        return std::nullopt;
    return text.toUtf8().toStdString();
}

} // namespace

std::optional<PropertyList> PropertyList::parse(std::string_view bytes, Parser parser)
{
    const std::optional<std::string> utf8 = plainUtf8(bytes);
    if (utf8)
        bytes = *utf8;
    if (bytes.empty() || bytes.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    if (!PropertyListNesting::isAcceptable(bytes, {MaximumDepth, MaximumExpandedObjects, MaximumExpandedBytes}))
        return std::nullopt;
    if (parser == Parser::quickWherePlain) {
        if (auto contents = PropertyListXmlReader::read(bytes))
            return PropertyList(std::move(*contents));
    }
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), uint32_t(bytes.size()), &root);
    if (!root)
        return std::nullopt;
    return PropertyList(root);
}

PropertyList::PropertyList(void *root)
    : m_root(root)
{}

PropertyList::PropertyList(PropertyListXmlReader::Contents contents)
    : m_contents(std::make_unique<PropertyListXmlReader::Contents>(std::move(contents)))
{}

PropertyList::PropertyList(PropertyList &&other) noexcept
    : m_root(std::exchange(other.m_root, nullptr))
    , m_contents(std::move(other.m_contents))
{}

PropertyList &PropertyList::operator=(PropertyList &&other) noexcept
{
    if (this != &other) {
        if (m_root)
            plist_free(m_root);
        m_root = std::exchange(other.m_root, nullptr);
        m_contents = std::move(other.m_contents);
    }
    return *this;
}

PropertyList::~PropertyList()
{
    if (m_root)
        plist_free(m_root);
}

bool PropertyList::isDictionary() const
{
    if (m_contents)
        return m_contents->rootIsDictionary;
    return m_root && plist_get_node_type(m_root) == PLIST_DICT;
}

std::optional<QString> PropertyList::string(const char *key) const
{
    if (m_contents) {
        for (const auto &[name, value] : m_contents->rootStrings) {
            if (name == key)
                return QString::fromUtf8(value.data(), qsizetype(value.size()));
        }
        return std::nullopt;
    }
    if (!isDictionary())
        return std::nullopt;
    plist_t value = plist_dict_get_item(m_root, key);
    if (!value || plist_get_node_type(value) != PLIST_STRING)
        return std::nullopt;
    return stringOf(value);
}

void PropertyList::forEachString(const std::function<void(const QString &)> &visit) const
{
    if (m_contents) {
        for (const std::string &value : m_contents->strings)
            visit(QString::fromUtf8(value.data(), qsizetype(value.size())));
        return;
    }
    if (!m_root)
        return;
    std::vector<plist_t> pending{m_root};
    std::vector<plist_t> children;
    while (!pending.empty()) {
        plist_t node = pending.back();
        pending.pop_back();
        children.clear();
        switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            if (const auto text = stringOf(node))
                visit(*text);
            break;
        case PLIST_ARRAY: {
            const uint32_t count = plist_array_get_size(node);
            for (uint32_t i = 0; i < count; ++i)
                children.push_back(plist_array_get_item(node, i));
            break;
        }
        case PLIST_DICT: {
            plist_dict_iter iterator = nullptr;
            plist_dict_new_iter(node, &iterator);
            for (;;) {
                plist_t value = nullptr;
                plist_dict_next_item(node, iterator, nullptr, &value);
                if (!value)
                    break;
                children.push_back(value);
            }
            std::free(iterator);
            break;
        }
        default:
            break;
        }
        // Pushed in reverse so that the first child is visited first.
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}
