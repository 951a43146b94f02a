// The application object: its whole life is one modal run of the main form.
#pragma once

#include "app.h"

namespace plivora {

class CAssistantApp : public framework::CWinApp {
public:
    BOOL InitInstance() override;
};

}  // namespace plivora
