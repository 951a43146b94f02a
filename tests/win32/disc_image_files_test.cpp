// The image writer's Windows side against the real file system: the folder read wide,
// its times in UTC seconds, and the image file swapped in only when complete.
#include <gtest/gtest.h>

#include <algorithm>

#include "ansi_wide.h"
#include "folder_disc_tree.h"
#include "image_file_sink.h"
#include "win32_test_support.h"

namespace plivora {
namespace {

std::u16string Wide(const std::string& ansi) { return std::u16string(ansi.begin(), ansi.end()); }

FILETIME FileTimeOf(std::int64_t ticks) {
    const auto value = static_cast<std::uint64_t>(ticks);
    return FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
}

TEST(FileTimeTest, UnixSecondsCountFrom1970AndRoundDown) {
    constexpr std::int64_t epoch = 116444736000000000, second = 10000000;
    const struct {
        std::int64_t ticks;
        std::int64_t seconds;
    } cases[] = {{epoch, 0},           {epoch + second, 1},         {epoch + second - 1, 0},
                 {epoch - 1, -1},      {epoch - second, -1},        {epoch - second - 1, -2},
                 {0, -11644473600},    {epoch + 1262347384 * second, 1262347384}};
    for (const auto& c : cases) EXPECT_EQ(UnixSecondsFromFileTime(FileTimeOf(c.ticks)), c.seconds) << c.ticks;
}

TEST(FolderDiscTreeTest, ListsNamesOutsideTheCodePageWithSizesAndTimesAndReadsThem) {
    fakes::TemporaryFolder base;
    ASSERT_TRUE(fakes::MakeFolder(base / "sub"));
    const std::u16string name = u"\x041f\x0440\x0438\x0432\x0435\x0442.txt";
    {
        const UniqueKernelHandle file(::CreateFileW(WideChars(Wide(base.Path()) + u"\\" + name), GENERIC_WRITE, 0,
                                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(file.Get(), INVALID_HANDLE_VALUE);
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(file.Get(), "hello", 5, &written, nullptr));
        const FILETIME time = FileTimeOf(116444736000000000 + 1262347384LL * 10000000);
        ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
    }

    FolderDiscTree tree(Wide(base.Path()));
    std::vector<DiscEntry> entries;
    ASSERT_TRUE(tree.ListFolder(u"", entries));
    std::sort(entries.begin(), entries.end(), [](const DiscEntry& a, const DiscEntry& b) { return a.name < b.name; });
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, u"sub");
    EXPECT_TRUE(entries[0].isFolder);
    EXPECT_EQ(entries[1].name, name);
    EXPECT_FALSE(entries[1].isFolder);
    EXPECT_EQ(entries[1].size, 5u);
    EXPECT_EQ(entries[1].modified, 1262347384);

    std::vector<DiscEntry> none;
    EXPECT_TRUE(tree.ListFolder(u"sub", none));
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(tree.ListFolder(u"missing", none));

    const std::unique_ptr<DiscFileReader> reader = tree.OpenFile(entries[1].name);
    ASSERT_TRUE(reader);
    char bytes[16] = {};
    std::size_t read = 0;
    ASSERT_TRUE(reader->Read(bytes, sizeof bytes, read));
    EXPECT_EQ(std::string(bytes, read), "hello");
    ASSERT_TRUE(reader->Read(bytes, sizeof bytes, read));
    EXPECT_EQ(read, 0u);
    EXPECT_FALSE(tree.OpenFile(u"missing.txt"));
}

TEST(ImageFileSinkTest, TheOlderFileStaysUntilTheImageIsCommitted) {
    fakes::TemporaryFolder folder;
    const std::string image = folder / "disc.iso";
    ASSERT_TRUE(fakes::WriteBytes(image, "older"));
    {
        ImageFileSink sink(Wide(image));
        ASSERT_TRUE(sink.Open());
        ASSERT_TRUE(sink.Write("new image", 9));
        EXPECT_EQ(fakes::FolderEntries(folder.Path()), (std::vector<std::string>{"disc.iso", "disc.iso.00.partial"}));
        EXPECT_EQ(fakes::ReadBytes(image), "older");
        ASSERT_TRUE(sink.Commit());
    }
    EXPECT_EQ(fakes::ReadBytes(image), "new image");
    {
        ImageFileSink abandoned(Wide(image));
        ASSERT_TRUE(abandoned.Open());
        ASSERT_TRUE(abandoned.Write("half", 4));
    }
    EXPECT_EQ(fakes::FolderEntries(folder.Path()), std::vector<std::string>{"disc.iso"});
    EXPECT_EQ(fakes::ReadBytes(image), "new image");

    ImageFileSink nowhere(Wide(folder / "missing\\disc.iso"));
    EXPECT_FALSE(nowhere.Open());
    EXPECT_FALSE(nowhere.Write("x", 1));
    EXPECT_FALSE(nowhere.Commit());
}

}  // namespace
}  // namespace plivora
