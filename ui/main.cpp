// The program's entry point.
#include <windows.h>

#include <clocale>
#include <cstdlib>

#include "assistant_app.h"

plivora::CAssistantApp theApp;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Character boundaries in paths follow the system's ANSI code page.
    std::setlocale(LC_CTYPE, "");
    // The last border: what no window procedure stopped ends the program as a failure.
    try {
        return framework::CWinApp::Current()->Run();
    } catch (...) {
        return EXIT_FAILURE;
    }
}
