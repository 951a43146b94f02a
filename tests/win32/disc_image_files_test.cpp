// The image writer's Windows side on real folders under Wine: what the folder read lists
// and reads, partial images left by earlier runs, and file times as the image records
// them. The image swapped in on completion is tested through the form (tests/ui).
#include <gtest/gtest.h>

#include <map>

#include "ansi_wide.h"
#include "folder_disc_tree.h"
#include "image_file_sink.h"
#include "linux_side.h"
#include "unique_handle.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

using fakes::TemporaryFolder;

std::u16string Wide(const std::string& text) { return WideFromAnsi(text); }

bool WriteWide(const std::u16string& path, const std::string& bytes) {
    const UniqueKernelHandle file =
        OwnedFile(::CreateFileW(WideChars(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file) return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// As another program holds a file open; share is what it lets others do meanwhile.
UniqueKernelHandle HoldOpen(const std::string& path, DWORD share) {
    return OwnedFile(::CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr));
}

// Every file the tree lists, by its path, with the bytes it reads; folders end in '\'.
void ReadWholeTree(DiscTree& tree, const std::u16string& folder,
                   std::map<std::u16string, std::string>& read) {
    std::vector<DiscEntry> entries;
    ASSERT_TRUE(tree.ListFolder(folder, entries)) << AnsiFromWide(folder);
    for (const DiscEntry& entry : entries) {
        const std::u16string path = folder.empty() ? entry.name : folder + u'\\' + entry.name;
        if (entry.isFolder) {
            read[path + u'\\'];
            ReadWholeTree(tree, path, read);
            continue;
        }
        const std::unique_ptr<DiscFileReader> file = tree.OpenFile(path);
        std::string& bytes = read[path];
        if (!file) bytes = "(cannot be opened)";
        char chunk[4096];
        for (std::size_t got = 0; file && file->Read(chunk, sizeof chunk, got) && got > 0;)
            bytes.append(chunk, got);
    }
}

// A link leads outside (Wine 8 shows only links to folders as reparse points; a link to a
// file reads as the file), a file another program reads meanwhile, a name the ANSI code
// page lacks beside the letter Wine would turn it into (under Wine 8, U+0101 becomes "a"
// in the ANSI calls), and the image being written inside the very folder.
TEST(FolderReadTest, ReadsEachFileOnceByItsOwnNameAndNothingOutside) {
    TemporaryFolder base, outside;
    ASSERT_TRUE(fakes::WriteBytes(outside / "outside.txt", "not on the disc"));
    ASSERT_TRUE(fakes::MakeFolder(base / "docs"));
    ASSERT_TRUE(fakes::WriteBytes(base / "docs\\held.txt", "read while another program reads it"));
    ASSERT_TRUE(fakes::WriteBytes(base / "a.txt", "plain a"));
    // Names that only start as "." and ".." do.
    ASSERT_TRUE(fakes::MakeFolder(base / ".config"));
    ASSERT_TRUE(fakes::WriteBytes(base / ".config\\.nojekyll", ""));
    ASSERT_TRUE(fakes::WriteBytes(base / "..notes.txt", "dot dot"));
    const std::u16string macron = Wide(base.Path()) + u"\\\u0101.txt";
    ASSERT_TRUE(WriteWide(macron, "a with macron"));
    // A file of the image's name elsewhere in the folder is the user's own.
    ASSERT_TRUE(fakes::WriteBytes(base / "docs\\disc.iso.00.partial", "kept"));
    const UniqueKernelHandle held = HoldOpen(base / "docs\\held.txt", FILE_SHARE_READ);
    ASSERT_TRUE(held);
    const fakes::LinuxLink folderLink(outside.Path(), base / "folder link");
    ASSERT_TRUE(folderLink.Made()) << "ln -s made no link Wine sees";

    ImageFileSink image(Wide(base / "disc.iso"));
    ASSERT_TRUE(image.Open());
    FolderDiscTree tree(Wide(base.Path()), image.PartialPath());
    std::map<std::u16string, std::string> read;
    ReadWholeTree(tree, u"", read);
    EXPECT_EQ(read, (std::map<std::u16string, std::string>{
                        {u"..notes.txt", "dot dot"},
                        {u".config\\", ""},
                        {u".config\\.nojekyll", ""},
                        {u"a.txt", "plain a"},
                        {u"\u0101.txt", "a with macron"},
                        {u"docs\\", ""},
                        {u"docs\\held.txt", "read while another program reads it"},
                        {u"docs\\disc.iso.00.partial", "kept"}}));
}

// A partial image that opens with no sharing was left by a run that died; one another
// copy of the program holds open is its image in the making.
TEST(ImageFileSinkTest, LeftOverPartialsGoThoseHeldOpenStayAndTheImageTakesTheNextNumber) {
    TemporaryFolder folder;
    for (const char* name : {"disc.iso.00.partial", "disc.iso.01.partial", "disc.iso.07.partial",
                             "disc.iso.x1.partial", "other.iso.02.partial"})
        ASSERT_TRUE(fakes::WriteBytes(folder / name, name));
    {
        const UniqueKernelHandle another = HoldOpen(folder / "disc.iso.00.partial", 0);
        ASSERT_TRUE(another);
        ImageFileSink image(Wide(folder / "disc.iso"));
        ASSERT_TRUE(image.Open());
        EXPECT_EQ(AnsiFromWide(image.PartialPath()), folder / "disc.iso.01.partial");
        ASSERT_TRUE(image.Write("image", 5));
        ASSERT_TRUE(image.Commit());
    }
    EXPECT_EQ(fakes::FolderEntries(folder.Path()),
              (std::vector<std::string>{"disc.iso", "disc.iso.00.partial", "disc.iso.x1.partial",
                                        "other.iso.02.partial"}));
    EXPECT_EQ(fakes::ReadBytes(folder / "disc.iso"), "image");
    EXPECT_EQ(fakes::ReadBytes(folder / "disc.iso.00.partial"), "disc.iso.00.partial");
}

FILETIME FileTimeOf(std::int64_t ticks) {
    const auto value = static_cast<std::uint64_t>(ticks);
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

TEST(FileTimeTest, UnixSecondsCountFrom1970AndRoundDown) {
    constexpr std::int64_t epoch = 116444736000000000, second = 10000000;
    const struct {
        std::int64_t ticks;
        std::int64_t seconds;
    } cases[] = {{epoch, 0},
                 {epoch + second, 1},
                 {epoch + second - 1, 0},
                 {epoch - 1, -1},
                 {epoch - second, -1},
                 {epoch - second - 1, -2},
                 {0, -11644473600},
                 {epoch + 1262347384 * second, 1262347384}};
    for (const auto& c : cases) EXPECT_EQ(UnixSecondsFromFileTime(FileTimeOf(c.ticks)), c.seconds) << c.ticks;
}

}  // namespace
}  // namespace plivora
