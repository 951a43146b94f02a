// The program's entry point.
#include <windows.h>

#include "assistant_app.h"
#include "borders.h"

plivora::CAssistantApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return plivora::RunProgram([] { return framework::CWinApp::Current()->Run(); });
}
