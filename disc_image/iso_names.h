// The names one folder's entries get on the disc, each unique within the folder:
// upper-case d-character 8.3 names in the primary tree, the real names in Joliet with
// the characters Joliet forbids replaced.
#pragma once

#include <string>
#include <vector>

#include "disc_tree.h"

namespace plivora::iso {

// Entries sorted by their real names. Gives "NAME" or "NAME.EXT", without a version.
// Names that are already valid keep themselves, then each other entry takes its plain
// mapping if free, and the rest get "_N" before the extension.
std::vector<std::string> PrimaryNames(const std::vector<DiscEntry>& entries);

// Entries sorted by their real names, none longer than the Joliet limit. Names without
// forbidden characters keep themselves; the others get '_' for those characters and,
// if that clashes, "_N" before the extension.
std::vector<std::u16string> JolietNames(const std::vector<DiscEntry>& entries);

// The d-character form of text: upper case, anything else becomes '_'.
std::string DCharacters(const std::u16string& text, std::size_t maxChars);

// text with the characters Joliet forbids replaced by '_'.
std::u16string JolietCharacters(const std::u16string& text);

}  // namespace plivora::iso
