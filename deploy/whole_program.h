// Whether a file holds a whole Windows program, judged from its bytes alone. A copy cut
// short or a file a killed write left empty starts nothing from a disc.
#pragma once

#include <string>

namespace plivora {

// Not empty; the MZ and PE signatures where the headers put them; a 32-bit or 64-bit
// optional header; and every section's raw data inside the file.
bool IsWholeProgram(const std::string& bytes);

}  // namespace plivora
