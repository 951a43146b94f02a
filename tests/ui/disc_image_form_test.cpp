// Make Disc Image on the real form: the system menu item as a person sees it, a place
// inside the base folder refused however it is spelt, the progress bar under way, and an
// image cancelled or cut short by closing the form that leaves nothing behind.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "control_ids.h"
#include "form_test_support.h"
#include "guidance.h"
#include "linux_side.h"
#include "resource_ids.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::FakePickers;
using fakes::FormDriver;

std::string Message(GuidanceMessage message, const std::string& insert = {}) {
    BuiltInTexts texts;
    return GuidanceCatalogue(texts).MessageText(message, insert);
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

// However the place is spelt: other letter case, the short name, a drive letter mapped onto
// the base folder's parent, and a link made on the Linux side.
TEST_F(DiscImageFormTest, ImageInsideTheBaseFolderIsRefusedInWordsHoweverItIsSpelt) {
    FormDriver form(pickers_);
    ASSERT_TRUE(fakes::MakeFolder(base_ / "docs"));
    Create(form);
    const std::vector<std::string> baseEntries = fakes::FolderEntries(base_.Path());
    std::string upper = base_.Path();
    for (char& c : upper) c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    char shortName[MAX_PATH] = {};
    ASSERT_NE(::GetShortPathNameA(base_.Path().c_str(), shortName, MAX_PATH), 0u);
    const std::string parent = base_.Path().substr(0, base_.Path().rfind('\\'));
    const fakes::MappedDrive drive(parent);
    ASSERT_FALSE(drive.Root().empty()) << "no drive letter could be mapped";
    const fakes::LinuxLink link(base_.Path(), elsewhere_ / "link");
    ASSERT_TRUE(link.Made()) << "ln -s made no link Wine sees";
    ASSERT_STRNE(shortName, base_.Path().c_str());

    for (const std::string& inside : {upper + "\\CD.iso", std::string(shortName) + "\\docs\\short.iso",
                                      drive.Root() + base_.Path().substr(parent.size() + 1) + "\\drive.iso",
                                      elsewhere_ / "link\\link.iso"}) {
        form.Click(IDC_HELP_BASE_FOLDER);
        pickers_.ImageFile = Wide(inside);
        MakeImage(form);
        EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgImageInsideBase)) << inside;
        EXPECT_EQ(fakes::FolderEntries(base_.Path()), baseEntries) << inside;
        EXPECT_EQ(fakes::FolderEntries(base_ / "docs"), std::vector<std::string>{}) << inside;
    }
    // A drive's root has no name of its own to offer.
    EXPECT_EQ(DefaultImageName(Wide(drive.Root())), u"CDROM.iso");
}

// An older image that cannot be replaced is refused in words before anything is written,
// under Wine too, which would replace a read-only file that Windows keeps.
TEST_F(DiscImageFormTest, AnOlderImageReadOnlyOrInUseIsKeptAndNamedAsSuch) {
    FormDriver form(pickers_);
    Create(form);
    const std::string older = elsewhere_ / "disc.iso";
    pickers_.ImageFile = Wide(older);
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "held open");
        ASSERT_TRUE(fakes::WriteBytes(older, "an older image"));
        ASSERT_TRUE(!readOnly || ::SetFileAttributesA(older.c_str(), FILE_ATTRIBUTE_READONLY));
        const UniqueKernelHandle held(  // by another program, with no sharing
            readOnly ? nullptr : ::CreateFileA(older.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, 0));

        MakeImage(form);

        const char* reason = readOnly ? "the file is read-only" : "the file is in use by another program";
        EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgImageFailed, reason));
        EXPECT_EQ(fakes::FolderEntries(elsewhere_.Path()), std::vector<std::string>{"disc.iso"});
        ASSERT_TRUE(::SetFileAttributesA(older.c_str(), FILE_ATTRIBUTE_NORMAL));
    }
    EXPECT_EQ(fakes::ReadBytes(older), "an older image");
}

// A base folder of two large files, an image past 4 GB, whose first reads a few blocks,
// then waits until the person has pressed Cancel.
class SlowInput : public ImageInput {
public:
    static constexpr std::size_t kSize = std::size_t{9} << 28;  // 2.25 GB, each

    std::unique_ptr<DiscTree> Open(const std::u16string&, const std::u16string&) override {
        return std::make_unique<Tree>(Cancelled.Get());
    }
    UniqueKernelHandle Cancelled{::CreateEventA(nullptr, TRUE, FALSE, nullptr)};

private:
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
            if (folder.empty())
                for (const char16_t* name : {u"slow1.bin", u"slow2.bin"})
                    entries.push_back({name, false, kSize, 1262347384});
            return true;
        }
        std::unique_ptr<DiscFileReader> OpenFile(const std::u16string&) override {
            return std::make_unique<Reader>(cancelled_);
        }

    private:
        HANDLE cancelled_;
    };
};

// What a person at the progress dialog saw before acting on it.
struct WhileImaging {
    bool progressShown = false;
    bool formWaited = false;
    int barAt = 0;  // the progress bar once it moved, within barRange
    PBRANGE barRange{};
};

// Makes an image of the slow input over an older disc.iso elsewhere; act is what the
// person does once the progress dialog shows. Sent, so that it is taken before the input
// goes on.
WhileImaging MakeSlowImage(FormDriver& form, SlowInput& input,
                           const std::function<void(HWND progress)>& act) {
    WhileImaging seen;
    std::thread person([&] {
        HWND progress = nullptr;
        fakes::WaitFor([&] {
            progress = ::FindWindowW(nullptr, L"disc.iso");
            return progress && ::IsWindowVisible(progress);
        });
        seen.progressShown = progress && ::IsWindowVisible(progress);
        seen.formWaited = !::IsWindowEnabled(form.Window());
        const HWND bar = ::FindWindowExA(progress, nullptr, PROGRESS_CLASSA, nullptr);
        fakes::WaitFor([&] { return (seen.barAt = int(::SendMessageA(bar, PBM_GETPOS, 0, 0))) > 0; });
        ::SendMessageA(bar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&seen.barRange));
        if (progress) act(progress);
        ::SetEvent(input.Cancelled.Get());
    });
    ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_MAKE_IMAGE_COMMAND, 0);
    person.join();
    return seen;
}

// Cancel, or a close of the form meanwhile: no partial image stays and the older image is
// as it was; a close then closes the form.
TEST_F(DiscImageFormTest, CancelOrCloseLeavesNoPartialImageAndTheOlderImageAsItWas) {
    const std::string older = "an older image, kept byte for byte";
    for (const bool close : {false, true}) {
        FormDriver form(pickers_);
        SlowInput input;
        form.Form().UseImageInput(input);
        Create(form);
        ASSERT_TRUE(fakes::WriteBytes(elsewhere_ / "disc.iso", older));
        pickers_.ImageFile = Wide(elsewhere_ / "disc.iso");

        const WhileImaging seen = MakeSlowImage(form, input, [&](HWND progress) {
            close ? ::SendMessageA(form.Window(), WM_CLOSE, 0, 0)
                  : ::SendMessageA(progress, WM_COMMAND, IDCANCEL, 0);
        });

        EXPECT_TRUE(seen.progressShown) << "the progress dialog showed";
        EXPECT_TRUE(seen.formWaited) << "the form waited while the image was written";
        // The first blocks are written and the rest waits on the slow input.
        EXPECT_GT(seen.barAt, seen.barRange.iLow) << "the bar moved with the first blocks";
        EXPECT_LT(seen.barAt, seen.barRange.iHigh) << "the bar is not full before the image is";
        // In proportion: told after a block of 1 MB, and at most the image's start and 4 MB were read.
        const double perMB = (seen.barRange.iHigh - seen.barRange.iLow) * 1048576.0 / (2.0 * SlowInput::kSize);
        EXPECT_TRUE(seen.barAt >= int(perMB) && seen.barAt <= 5 * perMB)
            << seen.barAt << " of " << seen.barRange.iHigh;
        EXPECT_FALSE(::IsWindowVisible(::FindWindowW(nullptr, L"disc.iso"))) << "the progress dialog went";
        EXPECT_EQ(form.Form().IsEnded(), close) << (close ? "closed" : "cancelled");
        EXPECT_TRUE(::IsWindowEnabled(form.Window()));
        EXPECT_EQ(form.Text(IDC_GUIDANCE_LABEL), Message(MsgImageCancelled));
        EXPECT_EQ(fakes::FolderEntries(elsewhere_.Path()), std::vector<std::string>{"disc.iso"});
        EXPECT_EQ(fakes::ReadBytes(elsewhere_ / "disc.iso"), older);
    }
}

}  // namespace
}  // namespace plivora
