// Imaging several GiB, made on the fly and only counted, holds no more memory than a
// few blocks and the tree's metadata.
#include <cstdio>

#include <gtest/gtest.h>

#include "disc_image_writer.h"
#include "generated_tree.h"
#include "heap_meter.h"

namespace plivora::testing {
namespace {

constexpr std::size_t kHeapCeiling = 4 << 20;

TEST(DiscImageMemoryTest, SeveralGiBInAFixedCeiling) {
    std::vector<TreeEntry> entries = {{u"backup\\disc.iso", (1ull << 32) - 1}, {u"film.mpg", 3ull << 29}};
    for (int i = 0; i < 2000; ++i)
        entries.push_back({u"photos\\" + std::u16string(1, u'a' + i % 20) + u"\\p" + std::u16string(1, u'a' + i / 20 % 26) +
                               std::u16string(1, u'a' + i / 520) + u".jpg",
                           300000u + i});
    GeneratedTree tree(entries);
    tree.CheapContent = true;
    CountingSink sink;
    ResetHeapPeak();
    const std::size_t before = HeapInUse();
    const DiscImageResult result = WriteDiscImage(tree, MakeVolumeLabel(u"Big"), sink, nullptr);
    const std::size_t peak = HeapPeak() - before;
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(sink.Count, result.bytes);
    EXPECT_GT(result.bytes, 6ull << 30);
    EXPECT_TRUE(result.LargerThanCd());
    EXPECT_LT(peak, kHeapCeiling);
    std::printf("Imaged %.2f GiB with a heap peak of %zu KiB (process peak resident %zu KiB)\n",
                result.bytes / double(1 << 30), peak >> 10, PeakResidentKiB());
}

}  // namespace
}  // namespace plivora::testing
