#pragma once

#include <QString>
#include <filesystem>

// A folder opened by walking its absolute path one name at a time, so that whatever is done in it afterwards
// happens in that very folder, however the names above it change meanwhile. A symbolic link on the way is followed
// only when it belongs to the user or to the system (root): one that somebody else made could lead anywhere.
class TrustedFolder {
public:
    explicit TrustedFolder(const std::filesystem::path &path);
    ~TrustedFolder();
    TrustedFolder(const TrustedFolder &) = delete;
    TrustedFolder &operator=(const TrustedFolder &) = delete;

    bool isOpen() const { return m_descriptor >= 0; }
    // For the *at() calls; -1 when not open.
    int descriptor() const { return m_descriptor; }
    // Why the folder could not be opened, such as "its folder /a/b no longer exists"; empty when open.
    const QString &problem() const { return m_problem; }

private:
    bool walk(const std::filesystem::path &path);

    int m_descriptor = -1;
    QString m_problem;
};
