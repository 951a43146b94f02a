// Removes one value of a registry key, or a key with everything below it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include <windows.h>

namespace plivora {

class RegistryCleaner {
public:
    // The root key is borrowed, never closed here. below: a path under the root, ending in
    // a backslash, that every subkey is taken relative to.
    explicit RegistryCleaner(HKEY root, std::string below = {}) : root_(root), below_(std::move(below)) {}

    // With a value name, deletes that value and nothing else; without one, deletes the key
    // and its whole tree, deepest keys first. False when anything fails, and then a tree may
    // be left partly removed. A path that names no key below the root is refused.
    bool RemoveEntry(const std::string& subkey,
                     const std::optional<std::string>& valueName = std::nullopt) const;

private:
    HKEY root_;
    std::string below_;
};

}  // namespace plivora
