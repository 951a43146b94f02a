#include "autorun_file.h"

#include <gtest/gtest.h>

namespace plivora {
namespace {

// What counts as a disc this program made; the round trip of every disc it can make is
// in the command line's tests.
TEST(AutorunFileTest, OnlyWhatThisProgramCouldHaveWrittenIsReadBack) {
    const std::string open = "open=Plivora.exe \"Report, 2004.pdf\" /verbose ";
    const struct {
        const char* file;
        std::string text;
        bool ours;
    } cases[] = {
        {"as written", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\n", true},
        {"line feeds, no last line end", "[autorun]\n" + open + "\nicon=logo.ico", true},
        {"an extra key", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\nlabel=Disc\r\n", false},
        {"a second section", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\n[Content]\r\n", false},
        {"another program", "[autorun]\r\nopen=setup.exe /verbose\r\nicon=Plivora.exe\r\n", false},
        {"an ignored switch", "[autorun]\r\n" + open + "/Hide \r\nicon=Plivora.exe\r\n", false},
        {"no icon line", "[autorun]\r\n" + open + "\r\n", false},
        {"an empty icon", "[autorun]\r\n" + open + "\r\nicon=\r\n", false},
        {"lines out of order", open + "\r\n[autorun]\r\nicon=Plivora.exe\r\n", false},
        {"no target", "[autorun]\r\nopen=Plivora.exe /verbose \r\nicon=Plivora.exe\r\n", false},
        {"empty", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::optional<DiscSettings> disc = ReadAutorunFile(c.text);
        ASSERT_EQ(disc.has_value(), c.ours);
        if (!disc) continue;
        EXPECT_EQ(disc->Settings.TargetFiles, "Report, 2004.pdf");
        EXPECT_EQ(disc->Settings.Verbose, 1);
    }
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=logo.ico\n")->Settings.IconFile, "logo.ico");
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=Plivora.exe\n")->Settings.IconFile, "");
}

}  // namespace
}  // namespace plivora
