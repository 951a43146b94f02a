#include "assistant_app.h"

#include "assistant_dlg.h"
#include "string_table_texts.h"
#include "win32_pickers.h"

namespace plivora {

BOOL CAssistantApp::InitInstance() {
    Enable3dControlsStatic();
    Win32Pickers pickers;
    StringTableTexts texts;
    CAssistantDlg form(pickers, texts);
    SetMainWindow(&form);
    form.DoModal();
    form.DestroyWindow();
    SetMainWindow(nullptr);
    // No message loop of our own: the program ends with the form.
    return FALSE;
}

}  // namespace plivora
