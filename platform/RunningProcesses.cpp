#include "platform/RunningProcesses.h"

#include <climits>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

#ifdef __APPLE__
#include <libproc.h>
#else
#include <dirent.h>
#endif

namespace fs = std::filesystem;

std::vector<fs::path> RunningProcesses::executablePaths()
{
    std::vector<fs::path> paths;
#ifdef __APPLE__
    std::vector<pid_t> pids(8192);
    const int count = proc_listallpids(pids.data(), int(pids.size() * sizeof(pid_t)));
    for (int i = 0; i < count; ++i) {
        char buffer[PROC_PIDPATHINFO_MAXSIZE];
        if (proc_pidpath(pids[std::size_t(i)], buffer, sizeof buffer) > 0)
            paths.emplace_back(buffer);
    }
#else
    DIR *proc = opendir("/proc");
    if (!proc)
        return paths;
    while (const dirent *item = readdir(proc)) {
        const std::string_view name(item->d_name);
        if (name.empty() || name.find_first_not_of("0123456789") != std::string_view::npos)
            continue;
        const std::string link = "/proc/" + std::string(name) + "/exe";
        std::string target(PATH_MAX, '\0');
        const ssize_t length = readlink(link.c_str(), target.data(), target.size());
        if (length <= 0 || std::size_t(length) >= target.size())
            continue;
        target.resize(std::size_t(length));
        // An executable replaced or removed since the process started is not the file at that path any more.
        if (target.ends_with(" (deleted)"))
            continue;
        paths.emplace_back(std::move(target));
    }
    closedir(proc);
#endif
    return paths;
}

std::optional<fs::path> RunningProcesses::bundleOfExecutable(const fs::path &executable, const fs::path &root)
{
    std::error_code error;
    fs::path canonicalRoot = fs::weakly_canonical(root, error);
    if (error)
        return std::nullopt;
    std::string rootText = canonicalRoot.native();
    while (rootText.size() > 1 && rootText.back() == '/')
        rootText.pop_back();

    const std::string &path = executable.native();
    if (rootText != "/") {
        if (!path.starts_with(rootText) || path.size() <= rootText.size() || path[rootText.size()] != '/')
            return std::nullopt;
    }
    static constexpr std::string_view Marker = ".app/Contents/MacOS/";
    const auto marker = path.rfind(Marker);
    if (marker == std::string::npos || path.size() == marker + Marker.size())
        return std::nullopt;
    const std::size_t bundleEnd = marker + 4; // just after ".app"
    const auto nameStart = path.rfind('/', marker);
    if (nameStart == std::string::npos || nameStart + 1 >= marker || nameStart + 1 < rootText.size())
        return std::nullopt;

    if (rootText == "/")
        return fs::path(path.substr(0, bundleEnd));
    return root / fs::path(path.substr(rootText.size() + 1, bundleEnd - rootText.size() - 1));
}
