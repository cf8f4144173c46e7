#pragma once

#include <functional>

namespace mathsheets::testing {

// Runs `body` in a child process that has given up root (as user nobody) when the test runs as
// root, since root writes read-only files; in this process otherwise. Returns what `body`
// returned, or -1 when the child did not end normally.
int RunUnprivileged(const std::function<int()>& body);

}  // namespace mathsheets::testing
