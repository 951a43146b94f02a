#include "registry_cleaner.h"

#include <vector>

#include "unique_handle.h"

namespace plivora {

namespace {

// Enough to read values and subkeys, set values and create subkeys.
constexpr REGSAM CleanerAccess = 0x2001F;
static_assert(CleanerAccess == (KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY), "access rights");

// An empty path opens the root itself, and tree mode would then empty a whole hive.
bool NamesNoKey(const std::string& subkey) { return subkey.find_first_not_of('\\') == std::string::npos; }

bool OpenKey(HKEY parent, const char* subkey, UniqueRegKey& key) {
    return RegOpenKeyExA(parent, subkey, 0, CleanerAccess, key.Receive()) == ERROR_SUCCESS;
}

bool RemoveTree(HKEY parent, const char* subkey) {
    UniqueRegKey key;
    if (!OpenKey(parent, subkey, key)) return false;
    for (;;) {
        DWORD subkeyCount = 0;
        DWORD longestName = 0;
        if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subkeyCount, &longestName, nullptr,
                             nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            return false;
        if (subkeyCount == 0) break;
        // The longest name is counted in characters; in a double-byte code page its ANSI
        // form takes up to two bytes each.
        std::vector<char> name(2 * static_cast<std::size_t>(longestName) + 1);
        if (RegEnumKeyA(key.Get(), 0, name.data(), static_cast<DWORD>(name.size())) != ERROR_SUCCESS)
            return false;
        if (!RemoveTree(key.Get(), name.data())) return false;
    }
    key.Reset();
    return RegDeleteKeyA(parent, subkey) == ERROR_SUCCESS;
}

}  // namespace

bool RegistryCleaner::RemoveEntry(const std::string& subkey,
                                  const std::optional<std::string>& valueName) const {
    if (NamesNoKey(subkey)) return false;
    const std::string path = below_ + subkey;
    if (!valueName) return RemoveTree(root_, path.c_str());
    UniqueRegKey key;
    if (!OpenKey(root_, path.c_str(), key)) return false;
    return RegDeleteValueA(key.Get(), valueName->c_str()) == ERROR_SUCCESS;
}

}  // namespace plivora
