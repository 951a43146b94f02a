// The form's two deploy commands: Create lays out the disc's autorun.inf and launcher,
// Test runs the deployed launcher as the disc will.
#pragma once

#include "form_model.h"
#include "platform_operations.h"

namespace plivora {

// secondaryOrder and secondaryPrompt: the two lists' positions at this moment.
void Create(FormModel& form, PlatformOperations& platform, int secondaryOrder, int secondaryPrompt);

// Without the launcher in the base folder, Test starts nothing and says so.
void Test(FormModel& form, PlatformOperations& platform);

}  // namespace plivora
