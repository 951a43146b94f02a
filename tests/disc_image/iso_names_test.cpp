// Names, labels and dates as the disc records them.
#include "iso_names.h"

#include <gtest/gtest.h>

#include "disc_image_writer.h"
#include "iso_records.h"

namespace plivora::iso {
namespace {

std::vector<DiscEntry> Files(const std::vector<std::u16string>& names) {
    std::vector<DiscEntry> entries;
    for (const std::u16string& name : names) entries.push_back({name, name.back() == u'\\', 1, 0});
    for (DiscEntry& entry : entries)
        if (entry.isFolder) entry.name.pop_back();
    return entries;
}

TEST(PrimaryNamesTest, UpperCaseEightDotThreeUniqueWithinTheFolder) {
    const struct {
        std::vector<std::u16string> names;  // sorted; a trailing '\' marks a folder
        std::vector<std::string> expected;
    } cases[] = {
        {{u"README.TXT", u"Readme.txt", u"readme.TXT"}, {"README.TXT", "README_1.TXT", "README_2.TXT"}},
        // A name that is already valid keeps itself, even when it looks numbered.
        {{u"X.TXT", u"X_1.TXT", u"x.txt"}, {"X.TXT", "X_1.TXT", "X_2.TXT"}},
        {{u".profile", u"a.b.c", u"data.files\\", u"noext", u"trailing."},
         {"_.PRO", "A_B.C", "DATA_FIL", "NOEXT", "TRAILING"}},
        {{u"Überblick.pdf", u"日本語.html", u"😀.txt"}, {"_BERBLIC.PDF", "___.HTM", "_.TXT"}},
        {{u"Holiday photo 1.jpeg", u"Holiday photo 10.jpeg", u"Holiday photo 11.jpeg", u"Holiday photo 12.jpeg",
          u"Holiday photo 13.jpeg", u"Holiday photo 14.jpeg", u"Holiday photo 15.jpeg", u"Holiday photo 16.jpeg",
          u"Holiday photo 17.jpeg", u"Holiday photo 18.jpeg", u"Holiday photo 19.jpeg"},
         {"HOLIDAY_.JPE", "HOLIDA_1.JPE", "HOLIDA_2.JPE", "HOLIDA_3.JPE", "HOLIDA_4.JPE", "HOLIDA_5.JPE",
          "HOLIDA_6.JPE", "HOLIDA_7.JPE", "HOLIDA_8.JPE", "HOLIDA_9.JPE", "HOLID_10.JPE"}},
    };
    for (const auto& c : cases) EXPECT_EQ(PrimaryNames(Files(c.names)), c.expected);
}

TEST(JolietNamesTest, ForbiddenCharactersReplacedWithoutTakingRealNames) {
    const std::u16string longStem(97, u'x');
    const struct {
        std::vector<std::u16string> names;
        std::vector<std::u16string> expected;
    } cases[] = {
        {{u"a;b.txt", u"a_b.txt"}, {u"a_b_1.txt", u"a_b.txt"}},
        {{u"Straße", u"what?.doc", u"x:y\\"}, {u"Straße", u"what_.doc", u"x_y"}},
        {{u"a;" + longStem + u".txt", u"a_" + longStem + u".txt"},
         {u"a_" + longStem.substr(0, 95) + u"_1.txt", u"a_" + longStem + u".txt"}},
    };
    for (const auto& c : cases) EXPECT_EQ(JolietNames(Files(c.names)), c.expected);
}

TEST(VolumeLabelTest, FromTheBaseFolderName) {
    const struct {
        std::u16string folder;
        std::string primary;
        std::u16string joliet;
    } cases[] = {
        {u"", "CDROM", u"CDROM"},
        {u"My Disc", "MY_DISC", u"My Disc"},
        {u"A very long folder name for the disc 2024", "A_VERY_LONG_FOLDER_NAME_FOR_THE_", u"A very long fold"},
        {u"Ünïcode;Name", "_N_CODE_NAME", u"Ünïcode_Name"},
        {u"123456789012345😀", "123456789012345_", u"123456789012345"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeVolumeLabel(c.folder).primary, c.primary);
        EXPECT_EQ(MakeVolumeLabel(c.folder).joliet, c.joliet);
    }
}

TEST(IsoDatesTest, UtcWithinTheRecordableYears) {
    const struct {
        std::int64_t seconds;
        std::vector<std::uint8_t> recording;
        const char* volume;
    } cases[] = {
        {0, {70, 1, 1, 0, 0, 0, 0}, "1970010100000000"},
        {951786061, {100, 2, 29, 1, 1, 1, 0}, "2000022901010100"},
        {-1, {69, 12, 31, 23, 59, 59, 0}, "1969123123595900"},
        {-5000000000, {0, 1, 1, 0, 0, 0, 0}, "1900010100000000"},
        {10000000000, {255, 12, 31, 23, 59, 59, 0}, "2155123123595900"},
    };
    for (const auto& c : cases) {
        std::uint8_t recording[7], volume[17];
        PutRecordingDate(recording, c.seconds);
        PutVolumeDate(volume, c.seconds);
        EXPECT_EQ(std::vector<std::uint8_t>(recording, recording + 7), c.recording) << c.seconds;
        EXPECT_EQ(std::string(volume, volume + 16), c.volume);
        EXPECT_EQ(volume[16], 0);
    }
}

}  // namespace
}  // namespace plivora::iso
