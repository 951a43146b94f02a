// Where a file is written before it takes its place: NAME.NN.partial beside NAME, two
// digits chosen by creating the file new. A run that died leaves such files behind; those
// no process holds open are cleared. Only these exact names count, never every
// "*.partial", which would catch the user's own files.
#pragma once

#include <string>

#include "unique_handle.h"

namespace plivora {

// Whether name (no folder) is ownName.NN.partial.
bool IsStagingNameOf(const wchar_t* name, const char16_t* ownName);

// Deletes path.NN.partial files that no process holds open.
void RemoveLeftoverStagingFiles(const std::u16string& path);

// Creates path.NN.partial for the first NN no file has, open for writing with no sharing;
// staging receives its path. Nothing when the folder takes no new file.
UniqueKernelHandle CreateStagingFile(const std::u16string& path, std::u16string& staging);

// What Create leaves in a disc's root only when it dies: its staging files, and an empty
// or autorun.inf-like temporary file of earlier versions (pla????.tmp). Never disc content.
// folder ends in a separator, or is empty for the current folder; name is one of its files.
bool IsLeftoverOfCreate(const std::u16string& folder, const wchar_t* name);

// Deletes those leftovers in the folder (as above) that no process holds open.
void RemoveLeftoversOfCreate(const std::u16string& folder);

}  // namespace plivora
