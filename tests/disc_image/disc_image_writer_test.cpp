// The writer against in-memory trees: what it refuses, failures while writing, stopping,
// progress, the descriptors, the structure readers rely on, and the same bytes for the
// same tree.
#include "disc_image_writer.h"

#include <functional>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "generated_tree.h"
#include "image_structure.h"
#include "progress_scale.h"

namespace plivora::testing {
namespace {

using Error = DiscImageError;
using ::testing::IsEmpty;

std::vector<TreeEntry> SmallTree(std::vector<TreeEntry> extra = {}) {
    extra.insert(extra.end(), {{u"docs\\manual.pdf", 1100000}, {u"setup.exe", 5000, false, kDefaultTime + 7},
                               {u"empty", 0, true}, {u"docs\\old\\readme.txt", 10}});
    return extra;
}

DiscImageResult Write(GeneratedTree& tree, ImageSink& sink, ImageProgress* progress = nullptr) {
    return WriteDiscImage(tree, MakeVolumeLabel(u"My Disc"), sink, progress);
}

TEST(DiscImageWriterTest, FailuresNameTheEntryAndLeaveNoFileOpen) {
    const std::u16string longName(104, u'x');
    const struct {
        std::vector<TreeEntry> extra;
        std::function<void(GeneratedTree&, MemorySink&)> fault;
        Error error;
        std::u16string path;
        bool refusedBeforeWriting;
    } cases[] = {
        {{{u"docs\\" + longName, 1}}, nullptr, Error::kNameTooLong, u"docs\\" + longName, true},
        {{{u"docs\\disc.iso", 1ull << 32}}, nullptr, Error::kFileTooLarge, u"docs\\disc.iso", true},
        {{}, [](GeneratedTree& t, MemorySink&) { t.Unlistable.insert(u"docs\\old"); }, Error::kReadFailed,
         u"docs\\old", true},
        {{}, [](GeneratedTree& t, MemorySink&) { t.Unopenable.insert(u"setup.exe"); }, Error::kReadFailed,
         u"setup.exe", false},
        {{}, [](GeneratedTree& t, MemorySink&) { t.FailsReading.insert(u"docs\\manual.pdf"); },
         Error::kReadFailed, u"docs\\manual.pdf", false},
        {{}, [](GeneratedTree& t, MemorySink&) { t.SizeChange[u"docs\\manual.pdf"] = -1; }, Error::kFileChanged,
         u"docs\\manual.pdf", false},
        {{}, [](GeneratedTree& t, MemorySink&) { t.SizeChange[u"setup.exe"] = 1; }, Error::kFileChanged,
         u"setup.exe", false},
        {{}, [](GeneratedTree&, MemorySink& s) { s.FailAfter = 40000; }, Error::kWriteFailed, u"", false},
    };
    for (const auto& c : cases) {
        GeneratedTree tree(SmallTree(c.extra));
        MemorySink sink;
        if (c.fault) c.fault(tree, sink);
        const DiscImageResult result = Write(tree, sink);
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(result.path, c.path);
        EXPECT_TRUE(!c.refusedBeforeWriting || sink.Bytes.empty());
        EXPECT_EQ(tree.FilesOpen, 0u);
    }
}

TEST(DiscImageWriterTest, PathTablesNumberAtMost65535Folders) {
    for (int extra : {0, 1}) {
        std::vector<TreeEntry> entries;
        for (int top = 0; top < 255; ++top)
            for (int sub = 0; sub < (top < 254 ? 256 : 255 + extra); ++sub)
                entries.push_back({u"t" + std::u16string(1, u'a' + top % 26) + std::u16string(1, u'a' + top / 26) +
                                       u"\\s" + std::u16string(1, u'a' + sub % 26) +
                                       std::u16string(1, u'a' + sub / 26),
                                   0, true});
        GeneratedTree tree(entries);
        CountingSink sink;
        EXPECT_EQ(Write(tree, sink).error, extra ? Error::kTooManyFolders : Error::kNone);
        EXPECT_EQ(sink.Count == 0, extra == 1);
    }
}

class StopAt : public ImageProgress {
public:
    explicit StopAt(std::size_t call, const MemorySink& sink) : stopAt_(call), sink_(sink) {}
    bool Continue(std::uint64_t done, std::uint64_t total) override {
        if (!Calls.empty()) {
            EXPECT_GE(done, Calls.back().first);
        }
        Calls.emplace_back(done, total);
        WrittenAtStop = sink_.Bytes.size();
        return Calls.size() != stopAt_;
    }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> Calls;
    std::size_t WrittenAtStop = 0;

private:
    std::size_t stopAt_;
    const MemorySink& sink_;
};

TEST(DiscImageWriterTest, ProgressReachesTheImageSizeAndStopsWhenAsked) {
    GeneratedTree tree(SmallTree());
    MemorySink sink;
    StopAt never(0, sink);
    const DiscImageResult result = Write(tree, sink, &never);
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(sink.Bytes.size(), result.bytes);
    EXPECT_EQ(result.bytes, std::uint64_t{result.sectors} * kSectorBytes);
    EXPECT_FALSE(result.LargerThanCd());
    EXPECT_EQ(never.Calls.front(), std::make_pair(std::uint64_t{0}, std::uint64_t{0}));  // reading folders
    EXPECT_EQ(never.Calls.back(), std::make_pair(result.bytes, result.bytes));
    // Stopped while reading the folders, then after the first block.
    for (std::size_t call : {std::size_t{1}, std::size_t{5}}) {
        MemorySink stopped;
        StopAt progress(call, stopped);
        EXPECT_EQ(Write(tree, stopped, &progress).error, Error::kCancelled);
        EXPECT_EQ(progress.Calls.size(), call);
        EXPECT_EQ(stopped.Bytes.size(), progress.WrittenAtStop);
        EXPECT_EQ(stopped.Bytes.empty(), call == 1);
    }
    EXPECT_EQ(tree.FilesOpen, 0u);
}

// On the dialog's scale the bar is in proportion at any size, full only at the end.
TEST(DiscImageWriterTest, ProgressOnScaleKeepsProportionForAnyImage) {
    static_assert(kProgressScale < (1u << 31), "within the dialog's 31 bits");
    const std::uint64_t largest = std::uint64_t{0xFFFFFFFF} * kSectorBytes;  // the most sectors a volume has
    for (const std::uint64_t total : {std::uint64_t{0}, std::uint64_t{1900000000}, std::uint64_t{2400000000},
                                      std::uint64_t{4400000000}, largest}) {
        const std::uint32_t full = total ? kProgressScale : 0;  // a byte early is not full
        EXPECT_EQ((std::vector<std::uint32_t>{ProgressOnScale(0, total), ProgressOnScale(total / 4, total),
                                              ProgressOnScale(total - 1, total),
                                              ProgressOnScale(total, total)}),
                  (std::vector<std::uint32_t>{0, full / 4, total ? full - 1 : 0, full}))
            << total;
    }
    EXPECT_EQ(ProgressOnScale(~std::uint64_t{0}, ~std::uint64_t{0}), kProgressScale) << "no overflow";
}

TEST(DiscImageWriterTest, SameTreeGivesTheSameBytesWhateverTheListingOrder) {
    GeneratedTree tree(SmallTree()), reversed(SmallTree());
    reversed.ReverseListing = true;
    MemorySink first, second;
    ASSERT_TRUE(Write(tree, first).Ok());
    ASSERT_TRUE(Write(reversed, second).Ok());
    EXPECT_TRUE(first.Bytes == second.Bytes);
}

TEST(DiscImageWriterTest, DescriptorsCarryTheLabelAndTheNewestTime) {
    GeneratedTree tree(SmallTree());
    MemorySink sink;
    ASSERT_TRUE(Write(tree, sink).Ok());
    const std::string primary = sink.Bytes.substr(16 * kSectorBytes, kSectorBytes);
    const std::string joliet = sink.Bytes.substr(17 * kSectorBytes, kSectorBytes);
    EXPECT_EQ(primary.substr(0, 7), std::string("\1CD001\1"));
    EXPECT_EQ(primary.substr(40, 32), "MY_DISC" + std::string(25, ' '));
    EXPECT_EQ(primary.substr(813, 17), std::string("2010010112031100\0", 17));  // setup.exe's time
    EXPECT_EQ(joliet.substr(0, 7), std::string("\2CD001\1"));
    EXPECT_EQ(joliet.substr(88, 3), "%/E");
    EXPECT_EQ(joliet.substr(40, 16), std::string("\0M\0y\0 \0D\0i\0s\0c\0 ", 16));
    EXPECT_EQ(joliet.substr(830, 17), primary.substr(830, 17));
    EXPECT_EQ(sink.Bytes.substr(18 * kSectorBytes, 7), std::string("\xff" "CD001\1"));
}

// Windows finds folders through the path tables, other readers through the directories,
// some through the big-endian halves: all of it must agree, for a directory of several
// sectors and for a root with nothing in it.
TEST(DiscImageWriterTest, ImagesAreSoundInStructure) {
    std::vector<TreeEntry> crowded = SmallTree();
    for (int i = 0; i < 60; ++i)
        crowded.push_back(
            {u"docs\\old\\" + std::u16string(90, u'a' + i % 26) + std::u16string(1, u'A' + i / 26), 1});
    for (const std::vector<TreeEntry>& entries : {crowded, std::vector<TreeEntry>{}}) {
        GeneratedTree tree(entries);
        MemorySink sink;
        ASSERT_TRUE(Write(tree, sink).Ok());
        EXPECT_THAT(CheckImageStructure(sink.Bytes), IsEmpty());
    }
}

}  // namespace
}  // namespace plivora::testing
