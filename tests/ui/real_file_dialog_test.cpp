// The pickers through the platform's own dialogs: another thread finds the dialog, fills
// in its name box or moves its selection, and confirms, as a user would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>
#include <shlobj.h>

#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <thread>

#include "com.h"
#include "control_ids.h"
#include "form_test_support.h"
#include "guidance.h"
#include "image_structure.h"
#include "resource_ids.h"
#include "win32_pickers.h"
#include "win32_test_support.h"
#include "wnd.h"

namespace plivora {
namespace {

const char* const TargetDialogTitle = "Select your Target File";

HWND NameBox(HWND dialog) {
    HWND box = ::GetDlgItem(dialog, cmb13);
    return box ? box : ::GetDlgItem(dialog, edt1);
}

HWND FolderTree(HWND dialog) { return ::FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr); }

// Answers the next dialog of that title from another thread once the part it fills in is
// there (by default its name box): fills it in, then OK.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND dialog, HWND part)> fill,
                            const char* title = TargetDialogTitle, HWND (*partOf)(HWND) = NameBox)
        : thread_([this, fill, title, partOf] {
              HWND dialog = nullptr;
              if (!fakes::WaitFor(
                      [&] { return (dialog = ::FindWindowA("#32770", title)) != nullptr && partOf(dialog); }))
                  return;
              found_ = true;
              fill(dialog, partOf(dialog));
              ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
          }) {}
    ~DialogAnswerer() { Join(); }
    bool Join() {
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    bool found_ = false;
    std::thread thread_;
};

// Only the folder is answered by the test; the files go through the real dialog.
class FolderOnly : public Pickers {
public:
    std::string Folder;
    std::optional<std::string> ChooseBaseFolder(HWND) override { return Folder; }
    std::optional<std::string> ChooseDiscFolder(HWND) override { return Folder; }
    std::optional<FileChoice> ChooseTargets(HWND owner, const std::string& initial) override {
        return real_.ChooseTargets(owner, initial);
    }
    std::optional<FileChoice> ChooseIcon(HWND owner, const std::string& initial) override {
        return real_.ChooseIcon(owner, initial);
    }
    std::optional<FileChoice> ChooseSecondaryProgram(HWND owner, const std::string& initial) override {
        return real_.ChooseSecondaryProgram(owner, initial);
    }
    std::optional<FileChoice> ChooseSplash(HWND owner, const std::string& initial) override {
        return real_.ChooseSplash(owner, initial);
    }
    std::optional<std::u16string> ChooseImageFile(HWND owner, const std::u16string& folder,
                                                  const std::u16string& name) override {
        return real_.ChooseImageFile(owner, folder, name);
    }

private:
    Win32Pickers real_;
};

class RealTargetDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"index.html", "a.htm", "b.pdf"}) ASSERT_TRUE(fakes::WriteBytes(base_ / name, "x"));
        pickers_.Folder = base_.Path();
        form_ = std::make_unique<fakes::FormDriver>(pickers_);
        form_->Click(IDC_BASE_FOLDER_BUTTON);
    }

    fakes::TemporaryFolder base_;
    FolderOnly pickers_;
    std::unique_ptr<fakes::FormDriver> form_;
};

TEST_F(RealTargetDialogTest, TypedFullPathBecomesTheTarget) {
    const std::string path = base_ / "index.html";
    DialogAnswerer answer([&](HWND, HWND box) { ::SendMessageA(box, WM_SETTEXT, 0, LPARAM(path.c_str())); });
    form_->Click(IDC_TARGET_BUTTON);
    ASSERT_TRUE(answer.Join()) << "the target dialog never showed";
    EXPECT_EQ(form_->Text(IDC_TARGET_BOX), "index.html");
    EXPECT_TRUE(form_->Enabled(IDC_CREATE_BUTTON));
}

TEST_F(RealTargetDialogTest, SeveralNamesBecomeOneList) {
    DialogAnswerer answer([](HWND dialog, HWND box) {
        ::SendMessageA(dialog, CDM_SETCONTROLTEXT, ::GetDlgCtrlID(box), LPARAM("\"a.htm\" \"b.pdf\""));
    });
    form_->Click(IDC_TARGET_BUTTON);
    ASSERT_TRUE(answer.Join()) << "the target dialog never showed";
    const std::string targets = form_->Text(IDC_TARGET_BOX);
    EXPECT_TRUE(targets == "a.htm, b.pdf" || targets == "b.pdf, a.htm") << targets;
}

TEST_F(RealTargetDialogTest, NameOutsideTheAnsiCodePageIsRefusedInWords) {
    // A Cyrillic name on a Western system: the dialog hands the program stand-in letters.
    ASSERT_EQ(::GetACP(), 1252u);
    std::wstring path(MAX_PATH, L'\0');
    path.resize(::MultiByteToWideChar(CP_ACP, 0, base_.Path().c_str(), -1, path.data(), MAX_PATH) - 1);
    path += L"\\\x041f\x0440\x0438\x0432\x0435\x0442.htm";
    std::FILE* file = ::_wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);

    DialogAnswerer answer([&](HWND, HWND box) { ::SendMessageW(box, WM_SETTEXT, 0, LPARAM(path.c_str())); });
    form_->Click(IDC_TARGET_BUTTON);
    ASSERT_TRUE(answer.Join()) << "the target dialog never showed";
    BuiltInTexts texts;
    EXPECT_EQ(form_->Text(IDC_GUIDANCE_LABEL), GuidanceCatalogue(texts).MessageText(MsgUnusableName));
    EXPECT_EQ(form_->Text(IDC_TARGET_BOX), "");
    EXPECT_FALSE(form_->Enabled(IDC_CREATE_BUTTON));
}

// The image of a real folder through the real Save As dialog, over an earlier image that
// the user agrees to replace. It stays in the build folder with its source, for the host
// to read back with xorriso (disc_image_readback).
TEST(RealImageDialogTest, SavesAnImageOfTheBaseFolderWhereTheUserTyped) {
    const std::string folder = fakes::ModuleFolder() + "\\disc_image_readback";
    const std::string source = folder + "\\source", image = folder + "\\real_dialog.iso";
    fakes::RemoveTree(folder);
    for (const std::string& made :
         {folder, source, source + "\\docs", source + "\\empty", source + "\\.config"})
        ASSERT_TRUE(fakes::MakeFolder(made)) << made;
    ASSERT_TRUE(fakes::WriteBytes(source + "\\.nojekyll", ""));
    ASSERT_TRUE(fakes::WriteBytes(source + "\\..notes.txt", "notes"));
    ASSERT_TRUE(fakes::WriteBytes(source + "\\.config\\settings.ini", "[disc]"));
    // An earlier image, longer than the new one, that the user agrees to replace.
    ASSERT_TRUE(fakes::WriteBytes(image, std::string(2 << 20, 'o')));
    std::string manual;
    for (int i = 0; i < 300000; ++i) manual += static_cast<char>('a' + i % 23);
    ASSERT_TRUE(fakes::WriteBytes(source + "\\index.html", "<html></html>"));
    ASSERT_TRUE(fakes::WriteBytes(source + "\\docs\\A rather long manual name.txt", manual));
    ASSERT_TRUE(fakes::WriteBytes(source + "\\docs\\zero", ""));
    // A Cyrillic name: only the wide calls can read it.
    const std::wstring cyrillic =
        std::wstring(source.begin(), source.end()) + L"\\\x041f\x0440\x0438\x0432\x0435\x0442.txt";
    std::FILE* file = ::_wfopen(cyrillic.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fputs("hello", file);
    std::fclose(file);

    FolderOnly pickers;
    pickers.Folder = source;
    fakes::FormDriver form(pickers);
    form.Click(IDC_BASE_FOLDER_BUTTON);
    {
        DialogAnswerer answer([&](HWND, HWND box) {
            ::SendMessageA(box, WM_SETTEXT, 0, LPARAM((source + "\\index.html").c_str()));
        });
        form.Click(IDC_TARGET_BUTTON);
        ASSERT_TRUE(answer.Join()) << "the target dialog never showed";
    }
    form.Click(IDC_CREATE_BUTTON);

    std::string offeredName;
    DialogAnswerer answer(
        [&](HWND, HWND box) {
            offeredName = framework::WindowText(box);
            ::SendMessageA(box, WM_SETTEXT, 0, LPARAM(image.c_str()));
        },
        "Save your CD-ROM Image");
    bool asked = false;
    std::thread replace([&] {
        HWND box = nullptr;
        asked = fakes::WaitFor(
            [&] { return (box = ::FindWindowA("#32770", nullptr)) != nullptr && ::GetDlgItem(box, IDYES); });
        if (asked) ::PostMessageA(box, WM_COMMAND, IDYES, 0);
    });
    ::SendMessageA(form.Window(), WM_SYSCOMMAND, IDM_MAKE_IMAGE_COMMAND, 0);
    replace.join();
    ASSERT_TRUE(answer.Join()) << "the Save As dialog never showed";
    EXPECT_TRUE(asked) << "the earlier image was replaced without asking";
    EXPECT_EQ(offeredName, "source.iso");
    const std::string said = form.Text(IDC_GUIDANCE_LABEL);
    EXPECT_EQ(said.substr(0, said.find('(')), "Your CD-ROM image " + image + " ") << said;
    EXPECT_NE(said.find(" MB) is ready."), std::string::npos) << said;
    EXPECT_EQ(fakes::FolderEntries(folder), (std::vector<std::string>{"real_dialog.iso", "source"}));
    EXPECT_GT(fakes::ReadBytes(image).value_or("").size(), manual.size());
    EXPECT_THAT(testing::CheckImageStructure(fakes::ReadBytes(image).value_or("")), ::testing::IsEmpty());
}

// The name on the item the tree has selected.
std::string SelectedName(HWND tree) {
    char name[MAX_PATH] = {};
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = name;
    item.cchTextMax = MAX_PATH;
    return item.hItem && TreeView_GetItem(tree, &item) ? name : "";
}

// The shell's folder browser, moved by message from another thread: OK is usable only
// on a folder of the file system, and that folder's path comes back.
TEST(RealFolderBrowserTest, OkOnlyOnFileSystemFoldersAndTheChosenPathComesBack) {
    fakes::TemporaryFolder base;
    std::vector<std::pair<std::string, bool>> okEnabled;  // by what is selected
    DialogAnswerer answer(
        [&](HWND browser, HWND tree) {
            // The browser finds only an item equal to its own, and an item carries the times
            // of its folders as they were when it was made: Temp's access time moves once
            // Temp is read after a change. So each item is made afresh until it is selected.
            const auto select = [&](const std::string& what, const std::function<LPITEMIDLIST()>& make) {
                const bool selected = fakes::WaitFor([&] {
                    const TaskMemory<LPITEMIDLIST> item(make());
                    SHFILEINFOA shown{};
                    if (!item.Get() || !::SHGetFileInfoA(reinterpret_cast<LPCSTR>(item.Get()), 0, &shown,
                                                         sizeof shown, SHGFI_PIDL | SHGFI_DISPLAYNAME))
                        return false;
                    ::SendMessageA(browser, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(item.Get()));
                    return SelectedName(tree) == shown.szDisplayName;
                });
                okEnabled.emplace_back(selected ? what : what + " never selected",
                                       ::IsWindowEnabled(::GetDlgItem(browser, IDOK)) != FALSE);
            };
            // Items outside the file system that Wine's tree holds.
            for (const auto& [name, folder] :
                 {std::pair{"computer", CSIDL_DRIVES}, std::pair{"trash", CSIDL_BITBUCKET}})
                select(name, [folder = folder] {
                    LPITEMIDLIST item = nullptr;
                    return SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, folder, &item)) ? item : nullptr;
                });
            select("folder", [&] { return ::ILCreateFromPathA(base.Path().c_str()); });
        },
        "Browse for Folder",
        [](HWND dialog) { return ::IsWindowVisible(dialog) ? FolderTree(dialog) : nullptr; });
    const std::optional<std::string> chosen = Win32Pickers().ChooseBaseFolder(nullptr);
    ASSERT_TRUE(answer.Join()) << "the folder browser never showed";
    using Seen = std::vector<std::pair<std::string, bool>>;
    EXPECT_EQ(okEnabled, (Seen{{"computer", false}, {"trash", false}, {"folder", true}}));
    ASSERT_TRUE(chosen) << "OK on a folder chose nothing";
    EXPECT_EQ(fakes::LongPath(*chosen), fakes::LongPath(base.Path()));
}

TEST(MultipleSelectionTest, ParsesFolderAndNamesAndRefusesGarbledLists) {
    auto buffer = [](const std::string& bytes) { return std::vector<char>(bytes.begin(), bytes.end()); };
    const auto single = ParseMultipleSelection(buffer(std::string("C:\\CD\\a.htm\0\0", 13)), 6);
    ASSERT_TRUE(single);
    EXPECT_EQ(single->Path, "C:\\CD\\a.htm");
    EXPECT_EQ(single->Selected, std::vector<std::string>{"C:\\CD\\a.htm"});
    EXPECT_EQ(single->Extension, "htm");

    const auto several = ParseMultipleSelection(buffer(std::string("C:\\CD\0a.htm\0b.pdf\0\0", 19)), 6);
    ASSERT_TRUE(several);
    EXPECT_EQ(several->Path, "C:\\CD");
    EXPECT_EQ(several->Selected, (std::vector<std::string>{"C:\\CD\\a.htm", "C:\\CD\\b.pdf"}));

    const auto root = ParseMultipleSelection(buffer(std::string("C:\\\0a.htm\0b\0\0", 13)), 4);
    ASSERT_TRUE(root);
    EXPECT_EQ(root->Selected, (std::vector<std::string>{"C:\\a.htm", "C:\\b"}));

    // A zero offset, a name that is no absolute path, or a list with no end: no choice.
    EXPECT_FALSE(ParseMultipleSelection(buffer(std::string("C:\\CD\\a.htm\0\0", 13)), 0));
    EXPECT_FALSE(ParseMultipleSelection(buffer(std::string("a.htm b.htm\0\0", 13)), 3));
    EXPECT_FALSE(ParseMultipleSelection(buffer(std::string("C:\\CD\0a.htm\0b.pdf", 18)), 6));
    EXPECT_FALSE(ParseMultipleSelection(buffer(std::string("C:\\CD\0\0", 7)), 6));
}

}  // namespace
}  // namespace plivora
