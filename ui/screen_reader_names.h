// The names a screen reader hears for the form's controls, from the accessible-name table.
#pragma once

#include <windows.h>

namespace plivora {

// Gives each button of the dialog that the table names its name as window text, and
// subclasses every other such child so that it answers an accessibility client's question
// for its object. Call it before any other subclass of those controls is made.
void NameControlsForScreenReaders(HWND dialog);

}  // namespace plivora
