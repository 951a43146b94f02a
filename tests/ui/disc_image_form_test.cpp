// Make Disc Image on the real form: the system menu item as a person sees it, a place
// inside the base folder refused, and a cancelled image that leaves nothing behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "control_ids.h"
#include "form_test_support.h"
#include "guidance.h"
#include "resource_ids.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::FakePickers;
using fakes::FormDriver;

std::string Message(GuidanceMessage message) {
    BuiltInTexts texts;
    return GuidanceCatalogue(texts).MessageText(message);
}

std::u16string Wide(const std::string& ansi) { return std::u16string(ansi.begin(), ansi.end()); }

// Waits for the event, answering what other threads send this one meanwhile.
void WaitAnsweringSentMessages(HANDLE event, DWORD timeoutMs) {
    const DWORD end = ::GetTickCount() + timeoutMs;
    for (DWORD left = timeoutMs; static_cast<int>(left) > 0; left = end - ::GetTickCount()) {
        if (::MsgWaitForMultipleObjects(1, &event, FALSE, left, QS_SENDMESSAGE) != WAIT_OBJECT_0 + 1) return;
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

class DiscImageFormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fakes::WriteBytes(base_ / "index.html", "<html></html>")); }

    // The base folder and its target chosen, then Create.
    void Create(FormDriver& form) {
        pickers_.Folder = base_.Path();
        form.Click(IDC_BASE_FOLDER_BUTTON);
        pickers_.Targets = FakePickers::File(base_ / "index.html");
        form.Click(IDC_TARGET_BUTTON);
        form.Click(IDC_CREATE_BUTTON);
    }
    static UINT ItemState(const FormDriver& form) {
        return ::GetMenuState(::GetSystemMenu(form.Window(), FALSE), IDM_MAKE_IMAGE_COMMAND, MF_BYCOMMAND);
    }
    static void MakeImage(const FormDriver& form) {
        ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_MAKE_IMAGE_COMMAND, 0);
    }

    fakes::TemporaryFolder base_;
    fakes::TemporaryFolder elsewhere_;
    FakePickers pickers_;
};

TEST_F(DiscImageFormTest, ItemFollowsAboutAndIsGreyedUntilCreateCopiedTheLauncher) {
    FormDriver form(pickers_);
    HMENU menu = ::GetSystemMenu(form.Window(), FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 3);
    EXPECT_EQ(::GetMenuItemID(menu, count - 3), UINT(IDM_ABOUT_COMMAND));
    EXPECT_EQ(::GetMenuItemID(menu, count - 2), UINT(IDM_MAKE_IMAGE_COMMAND));
    char text[100] = {};
    ::GetMenuStringA(menu, IDM_MAKE_IMAGE_COMMAND, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Make Disc &Image...");
    EXPECT_TRUE(ItemState(form) & MF_GRAYED) << "greyed at start";

    MakeImage(form);
    EXPECT_EQ(pickers_.Calls, 0) << "a greyed item opens nothing";

    Create(form);
    EXPECT_FALSE(ItemState(form) & MF_GRAYED) << "enabled after Create";
    form.TypeText(IDC_PROGRAM1_BOX, "x");
    EXPECT_TRUE(ItemState(form) & MF_GRAYED) << "greyed once Test is";
}

TEST_F(DiscImageFormTest, ImageInsideTheBaseFolderIsRefusedInWords) {
    FormDriver form(pickers_);
    Create(form);
    // The same folder in other letter case is still the same folder.
    std::string inside = base_ / "CD.iso";
    for (char& c : inside) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    pickers_.ImageFile = Wide(inside);
    MakeImage(form);
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgImageInsideBase));
    EXPECT_EQ(fakes::FolderEntries(base_.Path()),
              (std::vector<std::string>{"Plivora.exe", "autorun.inf", "index.html"}));
}

// A base folder of one large file that reads a few blocks, then waits until the person
// has pressed Cancel.
class SlowInput : public ImageInput {
public:
    std::unique_ptr<DiscTree> Open(const std::u16string&) override {
        return std::make_unique<Tree>(Cancelled.Get());
    }
    UniqueKernelHandle Cancelled{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};

private:
    static constexpr std::size_t kSize = 64 << 20;

    class Reader : public DiscFileReader {
    public:
        explicit Reader(HANDLE cancelled) : cancelled_(cancelled) {}
        bool Read(void* buffer, std::size_t size, std::size_t& bytesRead) override {
            if (served_ >= (4u << 20)) WaitAnsweringSentMessages(cancelled_, 30000);
            bytesRead = std::min<std::size_t>({size, 64 << 10, kSize - served_});
            std::memset(buffer, 'x', bytesRead);
            served_ += bytesRead;
            return true;
        }

    private:
        HANDLE cancelled_;
        std::size_t served_ = 0;
    };
    class Tree : public DiscTree {
    public:
        explicit Tree(HANDLE cancelled) : cancelled_(cancelled) {}
        bool ListFolder(const std::u16string& folder, std::vector<DiscEntry>& entries) override {
            if (folder.empty()) entries.push_back({u"slow.bin", false, kSize, 1262347384});
            return true;
        }
        std::unique_ptr<DiscFileReader> OpenFile(const std::u16string&) override {
            return std::make_unique<Reader>(cancelled_);
        }

    private:
        HANDLE cancelled_;
    };
};

TEST_F(DiscImageFormTest, CancelLeavesNoPartialImageAndTheOlderImageAsItWas) {
    FormDriver form(pickers_);
    SlowInput input;
    form.Form().UseImageInput(input);
    Create(form);
    const std::string older = "an older image, kept byte for byte";
    ASSERT_TRUE(fakes::WriteBytes(elsewhere_ / "disc.iso", older));
    pickers_.ImageFile = Wide(elsewhere_ / "disc.iso");

    // What a person at the progress dialog sees, then Cancel.
    std::atomic<bool> shown{false}, formWaited{false};
    std::thread person([&] {
        HWND progress = nullptr;
        fakes::WaitFor([&] {
            progress = ::FindWindowW(nullptr, L"disc.iso");
            return progress && ::IsWindowVisible(progress);
        });
        shown = progress && ::IsWindowVisible(progress);
        formWaited = !::IsWindowEnabled(form.Window());
        // Sent, so that the dialog has taken the cancel before the input goes on.
        if (progress) ::SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
        ::SetEvent(input.Cancelled.Get());
    });
    MakeImage(form);
    person.join();

    EXPECT_TRUE(shown) << "the progress dialog showed";
    EXPECT_TRUE(formWaited) << "the form waited while the image was written";
    EXPECT_TRUE(::IsWindowEnabled(form.Window()));
    EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgImageCancelled));
    EXPECT_EQ(fakes::FolderEntries(elsewhere_.Path()), std::vector<std::string>{"disc.iso"});
    EXPECT_EQ(fakes::ReadBytes(elsewhere_ / "disc.iso"), older);
}

}  // namespace
}  // namespace plivora
