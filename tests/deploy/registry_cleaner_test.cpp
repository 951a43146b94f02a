// The registry cleaner on keys of its own under HKEY_CLASSES_ROOT, in the real (Wine)
// registry.
#include "registry_cleaner.h"

#include <gtest/gtest.h>

#include "unique_handle.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::CreateKey;
using fakes::KeyExists;
using fakes::ScratchKey;
using fakes::SetStringValue;
using fakes::ValueExists;

class RegistryCleanerTest : public ::testing::Test {
protected:
    ScratchKey root{"PlivoraCleanerTest-" + std::to_string(GetCurrentProcessId())};
    RegistryCleaner cleaner{HKEY_CLASSES_ROOT};
};

TEST_F(RegistryCleanerTest, MissingKeyFailsInBothModes) {
    ASSERT_TRUE(CreateKey(root.Name()));

    EXPECT_FALSE(cleaner.RemoveEntry(root / "Missing", std::string("DontAsk")));
    EXPECT_FALSE(cleaner.RemoveEntry(root / "Missing"));
    EXPECT_TRUE(KeyExists(root.Name()));
}

TEST_F(RegistryCleanerTest, ValueModeRemovesThatValueOnly) {
    const std::string key = root / "\"index.html\" /verbose ";
    ASSERT_TRUE(SetStringValue(key, "DontAsk", "1"));
    ASSERT_TRUE(SetStringValue(key, "Other", "kept"));
    ASSERT_TRUE(CreateKey(key + "\\Child"));

    EXPECT_TRUE(cleaner.RemoveEntry(key, std::string("DontAsk")));

    EXPECT_FALSE(ValueExists(key, "DontAsk"));
    EXPECT_TRUE(ValueExists(key, "Other"));
    EXPECT_TRUE(KeyExists(key + "\\Child"));
}

TEST_F(RegistryCleanerTest, ValueModeWithoutThatValueFailsAndChangesNothing) {
    const std::string key = root / "Launcher";
    ASSERT_TRUE(SetStringValue(key, "Other", "kept"));

    EXPECT_FALSE(cleaner.RemoveEntry(key, std::string("DontAsk")));

    EXPECT_TRUE(ValueExists(key, "Other"));
}

TEST_F(RegistryCleanerTest, TreeModeRemovesNestedKeysDeepestFirst) {
    const std::string tree = root / "Tree";
    for (const char* path : {"A\\A1\\A11", "A\\A2", "B", "C\\C1"})
        ASSERT_TRUE(SetStringValue(tree + "\\" + path, "Value", path));
    ASSERT_TRUE(SetStringValue(tree, "Value", "top"));
    ASSERT_TRUE(CreateKey(root / "Sibling"));
    // The platform refuses to delete a key that still has subkeys, so a removed tree
    // shows that each key went after everything below it.
    ASSERT_NE(RegDeleteKeyA(HKEY_CLASSES_ROOT, (tree + "\\A").c_str()), ERROR_SUCCESS);

    EXPECT_TRUE(cleaner.RemoveEntry(tree));

    EXPECT_FALSE(KeyExists(tree));
    EXPECT_TRUE(KeyExists(root / "Sibling"));
}

TEST_F(RegistryCleanerTest, TreeModeRemovesAKeyWithoutSubkeys) {
    ASSERT_TRUE(SetStringValue(root / "Leaf", "Value", "x"));

    EXPECT_TRUE(cleaner.RemoveEntry(root / "Leaf"));

    EXPECT_FALSE(KeyExists(root / "Leaf"));
}

TEST_F(RegistryCleanerTest, PathThatNamesNoKeyIsRefused) {
    // Rooted at the test's own key, so a cleaner that accepted the path would empty only it.
    ASSERT_TRUE(SetStringValue(root / "Child", "DontAsk", "1"));
    ASSERT_TRUE(SetStringValue(root.Name(), "DontAsk", "1"));
    UniqueRegKey scratch;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, root.Name().c_str(), 0, KEY_ALL_ACCESS, scratch.Receive()),
              ERROR_SUCCESS);
    const RegistryCleaner scratchCleaner(scratch.Get());

    for (const char* subkey : {"", "\\", "\\\\\\"}) {
        SCOPED_TRACE(subkey);
        EXPECT_FALSE(scratchCleaner.RemoveEntry(subkey));
        EXPECT_FALSE(scratchCleaner.RemoveEntry(subkey, std::string("DontAsk")));
    }

    EXPECT_TRUE(ValueExists(root.Name(), "DontAsk"));
    EXPECT_TRUE(ValueExists(root / "Child", "DontAsk"));
}

TEST_F(RegistryCleanerTest, LeavesTheRootKeyOpen) {
    UniqueRegKey scratch;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, root.Name().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              scratch.Receive(), nullptr),
              ERROR_SUCCESS);
    ASSERT_TRUE(SetStringValue("Leaf", "Value", "x", scratch.Get()));

    EXPECT_TRUE(RegistryCleaner(scratch.Get()).RemoveEntry("Leaf"));

    // The borrowed handle still works after the cleaner is gone.
    EXPECT_TRUE(SetStringValue("Again", "Value", "x", scratch.Get()));
    EXPECT_TRUE(KeyExists(root / "Again"));
}

}  // namespace
}  // namespace plivora
