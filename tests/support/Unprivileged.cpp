#include "Unprivileged.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

std::optional<std::string> runUnprivileged(const std::function<std::string()> &work)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        close(channel[0]);
        constexpr uid_t Nobody = 65534;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setresgid(Nobody, Nobody, Nobody) != 0 ||
                               setresuid(Nobody, Nobody, Nobody) != 0))
            _exit(3);
        const std::string result = work();
        std::size_t written = 0;
        while (written < result.size()) {
            const ssize_t n = write(channel[1], result.data() + written, result.size() - written);
            if (n <= 0)
                _exit(4);
            written += std::size_t(n);
        }
        _exit(0);
    }
    close(channel[1]);
    std::string output;
    char buffer[4096];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, std::size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return output;
}
