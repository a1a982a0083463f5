#pragma once

#include <QString>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>

// A real folder tree in a temporary directory, removed again (permissions restored first) when the
// object goes away. Relative paths are below the tree's root; bytes are kept exactly.
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree &) = delete;
    TempTree &operator=(const TempTree &) = delete;

    const std::filesystem::path &root() const { return m_root; }
    std::filesystem::path path(std::string_view relative) const;

    std::filesystem::path makeFolder(std::string_view relative) const;
    std::filesystem::path writeFile(std::string_view relative, std::string_view contents = {}) const;
    std::filesystem::path makeSymlink(std::string_view relative, std::string_view target) const;
    // An application bundle with an XML Info.plist holding the identifier, optional version and extra XML
    // put verbatim inside the top dictionary. An empty identifier leaves the key out.
    std::filesystem::path makeBundle(std::string_view relative, std::string_view identifier,
                                     std::string_view version = {}, std::string_view extraXml = {}) const;
    void setTimes(std::string_view relative, long long accessSeconds, long long modificationSeconds) const;

    static std::string infoPlistXml(std::string_view identifier, std::string_view version = {},
                                    std::string_view extraXml = {});
    static std::string xmlEscaped(std::string_view text);
    static std::string readFile(const std::filesystem::path &path);

private:
    std::filesystem::path m_root;
};
