#pragma once

#include <functional>
#include <optional>
#include <string>

// Runs `work` in a child process that has given up root, so that folder permissions apply as they do for a
// user, and returns what it wrote. As a normal user it runs in the child all the same. Returns
// nothing when the child could not drop its privileges or failed.
std::optional<std::string> runUnprivileged(const std::function<std::string()> &work);
