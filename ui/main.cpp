// The program's entry point.
#include <windows.h>

#include <clocale>

#include "assistant_app.h"

plivora::CAssistantApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Character boundaries in paths follow the system's ANSI code page.
    std::setlocale(LC_CTYPE, "");
    return framework::CWinApp::Current()->Run();
}
