// Images of generated trees read back by an independent reader, xorriso: both trees must
// give back every name, byte and time of the source, and nothing else.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "disc_image_writer.h"
#include "generated_tree.h"
#include "image_structure.h"

namespace plivora::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

struct TreeCase {
    const char* name;
    std::vector<TreeEntry> entries;
    // Names outside UCS-2's plane stay as UTF-16 pairs, as Windows reads them; xorriso
    // reads them too but warns.
    bool outsideUcs2 = false;
};

std::string Slashed(const std::u16string& path) {
    std::string text = fs::path(path).string();
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

// Every path the case names, parents included, with the entry it came from (null for implied folders).
std::map<std::string, const TreeEntry*> Expected(const TreeCase& tc, bool joliet) {
    std::map<std::string, const TreeEntry*> paths;
    for (const TreeEntry& entry : tc.entries) {
        const std::string path = joliet ? Slashed(entry.path) : entry.primary;
        for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1))
            paths.emplace(path.substr(0, slash), nullptr);
        paths[path] = &entry;
    }
    return paths;
}

// What xorriso extracts of one tree, checked against the case.
void ExpectTreeRead(const TreeCase& tc, const fs::path& image, const fs::path& out, bool joliet) {
    const std::string command = "xorriso -report_about WARNING -local_charset UTF-8 -return_with " +
                                std::string(tc.outsideUcs2 ? "SORRY" : "WARNING") + " 32" +
                                std::string(joliet ? "" : " -read_fs ecma119 -ecma119_map stripped") +
                                " -indev '" + image.string() + "' -osirrox on -extract / '" + out.string() +
                                "' >'" + out.string() + ".log' 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::map<std::string, const TreeEntry*> expected = Expected(tc, joliet);
    std::size_t found = 0;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(out)) {
        const std::string path = item.path().lexically_relative(out).string();
        const auto match = expected.find(path);
        ASSERT_NE(match, expected.end()) << (joliet ? "Joliet: " : "primary: ") << path;
        ++found;
        const TreeEntry* entry = match->second;
        if (!entry) continue;
        EXPECT_EQ(item.is_directory(), entry->isFolder) << path;
        struct stat info {};
        ASSERT_EQ(stat(item.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mtime, entry->modified) << path;
        if (entry->isFolder) continue;
        std::ifstream file(item.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        ASSERT_EQ(bytes.size(), entry->size) << path;
        const std::uint64_t seed = GeneratedTree::ContentSeed(entry->path);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            ASSERT_EQ(static_cast<std::uint8_t>(bytes[i]), GeneratedTree::ContentByte(seed, i))
                << path << " at " << i;
    }
    EXPECT_EQ(found, expected.size()) << (joliet ? "Joliet" : "primary");
}

// xorriso gives the folders it extracts the disc's read-only modes, which only root may
// ignore: anyone else makes them writable again before removing them.
void RemoveExtracted(const fs::path& dir) {
    std::error_code ignored;
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (auto at = fs::recursive_directory_iterator(dir, ignored); at != fs::recursive_directory_iterator();
         at.increment(ignored))
        if (at->is_directory(ignored))
            fs::permissions(at->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir, ignored);
}

class DiscImageReaderTest : public ::testing::TestWithParam<TreeCase> {};

TEST_P(DiscImageReaderTest, BothTreesReadBackAsTheSource) {
    const TreeCase& tc = GetParam();
    const fs::path dir = fs::temp_directory_path() / ("plivora_disc_" + std::to_string(getpid()) + "_" + tc.name);
    RemoveExtracted(dir);
    fs::create_directories(dir);
    GeneratedTree tree(tc.entries);
    MemorySink sink;
    const DiscImageResult result = WriteDiscImage(tree, MakeVolumeLabel(u"Test"), sink, nullptr);
    ASSERT_TRUE(result.Ok());
    ASSERT_EQ(sink.Bytes.size(), result.bytes);
    std::ofstream(dir / "image.iso", std::ios::binary).write(sink.Bytes.data(), sink.Bytes.size());
    EXPECT_THAT(CheckImageFileStructure(dir / "image.iso"), ::testing::IsEmpty());
    ExpectTreeRead(tc, dir / "image.iso", dir / "joliet", true);
    ExpectTreeRead(tc, dir / "image.iso", dir / "primary", false);
    if (!HasFailure()) RemoveExtracted(dir);
}

TreeCase Nested() {
    TreeCase tc{"nested", {{u"side\\x.bin", 3000, false, 0, "SIDE/X.BIN"}}};
    std::u16string path;
    std::string primary;
    for (int level = 1; level <= 12; ++level) {
        const std::string name = (level < 10 ? "level0" : "level") + std::to_string(level);
        path += std::u16string(name.begin(), name.end()) + u"\\";
        primary += "LEVEL" + name.substr(5) + "/";
        if (level >= 7)
            tc.entries.push_back({path + u"at this level.txt", 100u + level, false, kDefaultTime + level,
                                  primary + "AT_THIS_.TXT"});
    }
    return tc;
}

// Directories of many sectors, and 8.3 names numbered past two digits.
TreeCase Crowded() {
    TreeCase tc{"crowded", {}};
    for (int i = 0; i < 300; ++i) {
        const std::string number = std::to_string(1000 + i).substr(1), n = "_" + std::to_string(i);
        tc.entries.push_back({u"many\\file number " + fs::path(number).u16string() + u".txt", 5, false,
                              kDefaultTime, "MANY/" + (i == 0 ? "FILE_NUM" : "FILE_NUM"s.substr(0, 8 - n.size()) + n) + ".TXT"});
    }
    return tc;
}

INSTANTIATE_TEST_SUITE_P(
    Trees, DiscImageReaderTest,
    ::testing::Values(
        Nested(), Crowded(),
        TreeCase{"names",
                 {{std::u16string(99, u'n') + u".txt", 10, false, kDefaultTime, "NNNNNNNN.TXT"},
                  {std::u16string(103, u'f') + u"\\x", 1, false, kDefaultTime, "FFFFFFFF/X"},
                  {u"README.TXT", 1, false, kDefaultTime, "README.TXT"},
                  {u"Readme.txt", 2, false, kDefaultTime, "README_1.TXT"},
                  {u"readme.TXT", 3, false, kDefaultTime, "README_2.TXT"},
                  {u"LONG_F_1.HTM", 4, false, kDefaultTime, "LONG_F_1.HTM"},
                  {u"Long File Name 01.html", 5, false, kDefaultTime, "LONG_FIL.HTM"},
                  {u"Long File Name 02.html", 6, false, kDefaultTime, "LONG_F_2.HTM"},
                  {u"Long File Name 09.html", 7, false, kDefaultTime, "LONG_F_3.HTM"},
                  {u"Documents A\\a", 8, false, kDefaultTime, "DOCUMENT/A"},
                  {u"Documents B\\b", 9, false, kDefaultTime, "DOCUME_1/B"},
                  {u".hidden", 10, false, kDefaultTime, "_.HID"},
                  {u"archive.tar.gz", 11, false, kDefaultTime, "ARCHIVE_.GZ"},
                  {u"my.folder", 0, true, kDefaultTime, "MY_FOLDE"}}},
        TreeCase{"unicode",
                 {{u"Überblick.pdf", 12, false, kDefaultTime, "_BERBLIC.PDF"},
                  {u"日本語.txt", 13, false, kDefaultTime, "___.TXT"},
                  {u"中文.txt", 14, false, kDefaultTime, "__.TXT"},
                  {u"😀 smile.txt", 15, false, kDefaultTime, "__SMILE.TXT"},
                  {u"Ελληνικά\\α.txt", 16, false, kDefaultTime, "________/_.TXT"}},
                 true},
        TreeCase{"empty",
                 {{u"zero.txt", 0, false, kDefaultTime, "ZERO.TXT"},
                  {u"zero2.dat", 0, false, kDefaultTime, "ZERO2.DAT"},
                  {u"empty", 0, true, kDefaultTime - 60, "EMPTY"},
                  {u"outer\\inner", 0, true, kDefaultTime - 120, "OUTER/INNER"},
                  {u"outer\\zero", 0, false, kDefaultTime, "OUTER/ZERO"}}},
        TreeCase{"blocks",
                 {{u"big.bin", (5u << 20) + 17, false, 631152000, "BIG.BIN"},
                  {u"sector.bin", 2048, false, 4102444800, "SECTOR.BIN"},
                  {u"one.bin", 1, false, 0, "ONE.BIN"}}}),
    [](const ::testing::TestParamInfo<TreeCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace plivora::testing
