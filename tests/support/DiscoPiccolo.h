#pragma once
// A full disk on demand: a 64 KB file system mounted for one child process.
#include <functional>
#include <string>

namespace nottaro::test {

// A run of `comando` inside a fresh mount namespace with a 64 KB file system
// mounted at `cartella`; exit status 77 when this machine cannot mount one
// (no root, no namespaces), so the caller can skip.
int ConDiscoPiccolo(const std::string& cartella, const std::function<int()>& comando);

}  // namespace nottaro::test
