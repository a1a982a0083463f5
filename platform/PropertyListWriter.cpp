// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PropertyListWriter.h"

#include <plist/plist.h>

#include <utility>

namespace {

// Property-list dates count seconds from 2001-01-01.
constexpr std::int64_t ReferenceDateSinceEpoch = 978307200;

// The bytes one of libplist's writers gives for `node`.
std::string written(plist_t node, void (*write)(plist_t, char **, std::uint32_t *), void (*release)(char *))
{
    char *bytes = nullptr;
    std::uint32_t length = 0;
    write(node, &bytes, &length);
    std::string result(bytes ? bytes : "", bytes ? length : 0);
    release(bytes);
    return result;
}

} // namespace

PropertyListWriter::PropertyListWriter(void *node)
    : m_node(node)
{}

PropertyListWriter::PropertyListWriter(PropertyListWriter &&other) noexcept
    : m_node(other.release())
{}

PropertyListWriter &PropertyListWriter::operator=(PropertyListWriter &&other) noexcept
{
    if (this != &other) {
        if (m_node)
            plist_free(plist_t(m_node));
        m_node = other.release();
    }
    return *this;
}

PropertyListWriter::~PropertyListWriter()
{
    if (m_node)
        plist_free(plist_t(m_node));
}

void *PropertyListWriter::release()
{
    return std::exchange(m_node, nullptr);
}

PropertyListWriter PropertyListWriter::dictionary()
{
    return PropertyListWriter(plist_new_dict());
}

PropertyListWriter PropertyListWriter::array()
{
    return PropertyListWriter(plist_new_array());
}

PropertyListWriter PropertyListWriter::string(std::string_view text)
{
    return PropertyListWriter(plist_new_string(std::string(text).c_str()));
}

PropertyListWriter PropertyListWriter::integer(std::int64_t value)
{
    return PropertyListWriter(plist_new_uint(std::uint64_t(value)));
}

PropertyListWriter PropertyListWriter::real(double value)
{
    return PropertyListWriter(plist_new_real(value));
}

PropertyListWriter PropertyListWriter::boolean(bool value)
{
    return PropertyListWriter(plist_new_bool(value ? 1 : 0));
}

PropertyListWriter PropertyListWriter::date(std::int64_t secondsSinceEpoch)
{
    return PropertyListWriter(plist_new_date(std::int32_t(secondsSinceEpoch - ReferenceDateSinceEpoch), 0));
}

PropertyListWriter PropertyListWriter::data(std::string_view bytes)
{
    return PropertyListWriter(plist_new_data(bytes.data(), bytes.size()));
}

PropertyListWriter &PropertyListWriter::set(std::string_view key, PropertyListWriter value) &
{
    plist_dict_set_item(plist_t(m_node), std::string(key).c_str(), plist_t(value.release()));
    return *this;
}

PropertyListWriter &&PropertyListWriter::set(std::string_view key, PropertyListWriter value) &&
{
    return std::move(set(key, std::move(value)));
}

PropertyListWriter &PropertyListWriter::setString(std::string_view key, std::string_view text) &
{
    return set(key, string(text));
}

PropertyListWriter &&PropertyListWriter::setString(std::string_view key, std::string_view text) &&
{
    return std::move(set(key, string(text)));
}

PropertyListWriter &PropertyListWriter::append(PropertyListWriter value) &
{
    plist_array_append_item(plist_t(m_node), plist_t(value.release()));
    return *this;
}

PropertyListWriter &&PropertyListWriter::append(PropertyListWriter value) &&
{
    return std::move(append(std::move(value)));
}

PropertyListWriter &PropertyListWriter::appendString(std::string_view text) &
{
    return append(string(text));
}

PropertyListWriter &&PropertyListWriter::appendString(std::string_view text) &&
{
    return std::move(append(string(text)));
}

std::string PropertyListWriter::xml() const
{
    return written(plist_t(m_node), plist_to_xml, plist_to_xml_free);
}

std::string PropertyListWriter::binary() const
{
    return written(plist_t(m_node), plist_to_bin, plist_to_bin_free);
}
