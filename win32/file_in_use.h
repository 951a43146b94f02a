// Whether another program holds a file so that it cannot be replaced now: a running
// program on Windows, a file some editor or player keeps open.
#pragma once

#include <string>

namespace plivora {

// True when opening the file for writing (a read-only one for reading), with every sharing
// allowed, fails with a sharing or lock violation. A missing file is not in use.
bool IsFileInUse(const std::u16string& path);

}  // namespace plivora
