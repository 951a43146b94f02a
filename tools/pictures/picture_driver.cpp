// Walks the real PlivoraAssistant.exe through the states the user's guide shows, by
// messages from outside as a user's clicks and typing would arrive, and stops at each
// one until tools/pictures.sh has taken its picture.
//   picture_driver PROGRAM_FOLDER DISC_FOLDER ICON_FILE IMAGE_FILE SIGNAL_FOLDER
// At each state it writes SIGNAL_FOLDER\<name>.ready (the screen rectangles of any
// popup to include, one "x y width height" a line) and waits for <name>.taken.
#include <shlobj.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "control_ids.h"
#include "program_folders.h"
#include "unique_handle.h"

namespace {

using plivora::FileExists;
using plivora::UniqueKernelHandle;

constexpr auto Deadline = std::chrono::seconds(60);

// Why the walk stopped; the script prints it.
struct Stop {
    std::string why;
};

void Require(bool holds, const std::string& why) {
    if (!holds) throw Stop{why};
}

bool WaitFor(const std::function<bool()>& condition) {
    const auto end = std::chrono::steady_clock::now() + Deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string WindowText(HWND window) {
    char text[4096] = {};
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                               5000, &copied))
        return {};
    return text;
}

struct WindowSearch {
    DWORD process;
    const char* className;
    const char* title;  // nullptr: any
    HWND found;
};

// EnumWindows' callbacks are stdcall, which a lambda cannot be on 32-bit Windows.
BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    auto& wanted = *reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char windowClass[64] = {};
    ::GetClassNameA(window, windowClass, sizeof windowClass);
    if (owner != wanted.process || !::IsWindowVisible(window) || lstrcmpA(windowClass, wanted.className) != 0)
        return TRUE;
    if (wanted.title && WindowText(window) != wanted.title) return TRUE;
    wanted.found = window;
    return FALSE;
}

// A visible top-level window of the program's process.
HWND FindProgramWindow(DWORD process, const char* className, const char* title = nullptr) {
    WindowSearch search{process, className, title, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct OtherWindowSearch {
    DWORD process;
    HWND form;
    bool found;
};

BOOL CALLBACK MatchOtherWindow(HWND window, LPARAM data) {
    auto& s = *reinterpret_cast<OtherWindowSearch*>(data);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == s.process && window != s.form && ::IsWindowVisible(window)) s.found = true;
    return !s.found;
}

class Walk {
public:
    Walk(std::string programFolder, std::string disc, std::string icon, std::string image,
         std::string signals)
        : programFolder_(std::move(programFolder)),
          disc_(std::move(disc)),
          icon_(std::move(icon)),
          image_(std::move(image)),
          signals_(std::move(signals)) {}

    ~Walk() {
        if (!process_.Get()) return;
        if (::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) ::TerminateProcess(process_.Get(), 1);
    }

    void Run() {
        Start();
        Picture("start");

        PressButton(IDC_BASE_FOLDER_BUTTON);
        ChooseFolderInBrowser(disc_);
        Require(WaitFor([&] { return !WindowText(Item(IDC_BASE_FOLDER_BOX)).empty(); }),
                "the chosen base folder never reached the form");
        PressButton(IDC_TARGET_BUTTON);
        TypeIntoFileDialog("Select your Target File", disc_ + "\\index.html");
        Require(WaitFor([&] { return !WindowText(Item(IDC_TARGET_BOX)).empty(); }),
                "the chosen target never reached the form");
        PressButton(IDC_ICON_BUTTON);
        TypeIntoFileDialog("Select your Icon", icon_);
        Require(WaitFor([&] { return !WindowText(Item(IDC_ICON_BOX)).empty(); }),
                "the chosen icon never reached the form");
        Tick(IDC_HIDE_CHECK);
        Picture("ready");

        PressButtonAndWaitForNewGuidance(IDC_HELP_HIDE);
        Picture("help");

        // A switch without its file: Create refuses and writes nothing.
        Tick(IDC_SPLASH_CHECK);
        PressButtonAndWaitForNewGuidance(IDC_CREATE_BUTTON);
        Require(!FileExists(disc_ + "\\autorun.inf"),
                "Create wrote a disc that the form should have refused");
        Picture("problem");

        Tick(IDC_SPLASH_CHECK);
        PressButton(IDC_CREATE_BUTTON);
        Require(WaitFor([&] {
                    return FileExists(disc_ + "\\autorun.inf") && FileExists(disc_ + "\\Plivora.exe") &&
                           ::IsWindowEnabled(Item(IDC_TEST_BUTTON));
                }),
                "Create did not finish: no autorun.inf and Plivora.exe in the disc folder, or Test unusable");
        Picture("created");

        const std::string before = Guidance();
        ::PostMessageA(form_, WM_SYSCOMMAND, IDM_MAKE_IMAGE_COMMAND, 0);
        TypeIntoFileDialog("Save your CD-ROM Image", image_);
        Require(WaitFor([&] { return FileExists(image_) && Guidance() != before && !OtherWindowsShown(); }),
                "Make Disc Image wrote no image, or its panel text never came");
        Picture("image");

        // openbox keeps Alt+Space for itself: the menu is asked for as the keyboard would.
        ::PostMessageA(form_, WM_SYSCOMMAND, SC_KEYMENU, ' ');
        HWND menu = nullptr;
        Require(WaitFor([&] { return (menu = FindProgramWindow(processId_, "#32768")) != nullptr; }),
                "the system menu never opened");
        Picture("system-menu", {menu});
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(form_, WM_CANCELMODE, 0, 0, SMTO_BLOCK, 5000, &ignored);
        Require(WaitFor([&] { return !::IsWindowVisible(menu); }), "the system menu did not close");

        Close();
    }

private:
    HWND Item(int id) const { return ::GetDlgItem(form_, id); }
    std::string Guidance() const { return WindowText(Item(IDC_GUIDANCE_LABEL)); }

    void Start() {
        const std::string program = programFolder_ + "\\PlivoraAssistant.exe";
        std::string commandLine = "\"" + program + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        Require(::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 programFolder_.c_str(), &startup, &info) != FALSE,
                "cannot start " + program);
        ::CloseHandle(info.hThread);
        process_.Reset(info.hProcess);
        processId_ = info.dwProcessId;
        Require(WaitFor([&] { return (form_ = FindProgramWindow(processId_, "#32770")) != nullptr; }),
                "the form never showed");
        Require(WaitFor([&] { return !Guidance().empty(); }), "the guidance panel stayed empty");
    }

    void Close() {
        ::PostMessageA(form_, WM_COMMAND, MAKEWPARAM(IDC_EXIT_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(IDC_EXIT_BUTTON)));
        Require(::WaitForSingleObject(process_.Get(), 20000) == WAIT_OBJECT_0, "the program did not close");
    }

    // What a click on the button sends its form. Posted: the form may open a modal dialog.
    void PressButton(int id) {
        Require(::IsWindowEnabled(Item(id)) != FALSE, "button " + std::to_string(id) + " is not usable");
        ::PostMessageA(form_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
    }

    void PressButtonAndWaitForNewGuidance(int id) {
        const std::string before = Guidance();
        PressButton(id);
        Require(WaitFor([&] { return Guidance() != before; }),
                "the panel did not change after button " + std::to_string(id));
    }

    void Tick(int id) {
        const LRESULT before = ::SendMessageA(Item(id), BM_GETCHECK, 0, 0);
        Require(::IsWindowEnabled(Item(id)) != FALSE, "check box " + std::to_string(id) + " is not usable");
        ::PostMessageA(Item(id), BM_CLICK, 0, 0);
        Require(WaitFor([&] { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) != before; }),
                "check box " + std::to_string(id) + " did not change");
    }

    // The folder browser selects by item: an item list is plain bytes, so a copy placed in
    // the program's memory means the same folder there.
    void ChooseFolderInBrowser(const std::string& folder) {
        HWND browser = nullptr;
        Require(WaitFor([&] {
                    browser = FindProgramWindow(processId_, "#32770", "Browse for Folder");
                    return browser && ::FindWindowExA(browser, nullptr, "SysTreeView32", nullptr);
                }),
                "the folder browser never showed");
        LPITEMIDLIST item = ::ILCreateFromPathA(folder.c_str());
        Require(item != nullptr, "no item for " + folder);
        const UINT size = ::ILGetSize(item);
        void* remote =
            ::VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        const bool copied = remote && ::WriteProcessMemory(process_.Get(), remote, item, size, nullptr);
        ::ILFree(item);
        Require(copied, "cannot place the folder's item in the program");
        ::SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(remote));
        const bool usable = WaitFor([&] { return ::IsWindowEnabled(::GetDlgItem(browser, IDOK)) != FALSE; });
        if (usable) ::PostMessageA(browser, WM_COMMAND, IDOK, 0);
        Require(WaitFor([&] { return !::IsWindow(browser); }), "the folder browser did not close");
        ::VirtualFreeEx(process_.Get(), remote, 0, MEM_RELEASE);
        Require(usable, "the folder browser did not take " + folder);
    }

    // Types the full path into the dialog's name box and confirms, as a user would.
    void TypeIntoFileDialog(const char* title, const std::string& path) {
        HWND dialog = nullptr;
        HWND box = nullptr;
        Require(WaitFor([&] {
                    dialog = FindProgramWindow(processId_, "#32770", title);
                    if (!dialog) return false;
                    box = ::GetDlgItem(dialog, 0x047c);            // cmb13: the name box of the newer dialogs
                    if (!box) box = ::GetDlgItem(dialog, 0x0480);  // edt1
                    return box != nullptr;
                }),
                std::string("the dialog \"") + title + "\" never showed");
        ::SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        Require(WaitFor([&] { return !::IsWindow(dialog); }),
                std::string("the dialog \"") + title + "\" stayed");
    }

    // Any window of the program besides the form: a progress or picker still up.
    bool OtherWindowsShown() const {
        OtherWindowSearch search{processId_, form_, false};
        ::EnumWindows(MatchOtherWindow, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    // Tells the script that the state is on screen, and waits until it has its picture.
    void Picture(const std::string& name, const std::vector<HWND>& popups = {}) {
        // A dialog that just closed may leave the form drawn as inactive.
        if (popups.empty()) ::SetForegroundWindow(form_);
        // Every message posted so far has been handled once this returns; the paints follow.
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        ::RedrawWindow(form_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        ::SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored);
        const std::string base = signals_ + "\\" + name;
        std::string rectangles;
        for (HWND popup : popups) {
            RECT r{};
            ::GetWindowRect(popup, &r);
            rectangles += std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                          std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top) + "\n";
        }
        const std::string pending = base + ".pending";
        {
            const UniqueKernelHandle file = plivora::OwnedFile(::CreateFileA(
                pending.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
            Require(static_cast<bool>(file), "cannot write " + pending);
            DWORD written = 0;
            ::WriteFile(file.Get(), rectangles.data(), static_cast<DWORD>(rectangles.size()), &written,
                        nullptr);
        }
        Require(::MoveFileA(pending.c_str(), (base + ".ready").c_str()) != FALSE, "cannot signal " + name);
        Require(WaitFor([&] { return FileExists(base + ".taken"); }), "no picture was taken of " + name);
        std::printf("%s\n", name.c_str());
        std::fflush(stdout);
    }

    std::string programFolder_, disc_, icon_, image_, signals_;
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND form_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: picture_driver PROGRAM_FOLDER DISC_FOLDER ICON_FILE IMAGE_FILE SIGNAL_FOLDER\n");
        return 2;
    }
    try {
        Walk(argv[1], argv[2], argv[3], argv[4], argv[5]).Run();
    } catch (const Stop& stop) {
        std::fprintf(stderr, "picture_driver: %s\n", stop.why.c_str());
        return 1;
    }
    return 0;
}
