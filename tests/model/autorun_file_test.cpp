#include "autorun_file.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace plivora {
namespace {

// The names a disc sets on the form: targets | icon | splash | secondary.
std::string Names(const ProjectSettings& s) {
    return s.TargetFiles + " | " + s.IconFile + " | " + std::to_string(s.UseSplash) + s.SplashFile + "$" +
           s.SplashSeconds + " | " + std::to_string(s.UseSecondary) + s.SecondaryProgram;
}

// What counts as a disc this program made, and what Open a Disc takes into the form of
// it; the round trip of every disc it can make is in the command line's tests.
TEST(AutorunFileTest, OnlyWhatThisProgramCouldHaveWrittenIsReadBack) {
    const std::string open = "open=Plivora.exe \"Report, 2004.pdf\" /verbose ";
    const struct {
        const char* file;
        std::string text;
        bool ours;
        std::string names = {};  // after Open a Disc; none: the form takes nothing in
        std::string leftOut = {};
    } cases[] = {
        {"as written", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\n", true,
         "Report, 2004.pdf |  | 0$5 | 0"},
        {"line feeds, no last line end", "[autorun]\n" + open + "\nicon=logo.ico", true,
         "Report, 2004.pdf | logo.ico | 0$5 | 0"},
        {"runs of blanks", "[autorun]\nopen=Plivora.exe  \"a\"   /verbose\nicon=Plivora.exe", true,
         "a |  | 0$5 | 0"},
        {"blanks inside quotes kept as they are",
         "[autorun]\nopen=Plivora.exe \"a  b.htm\" \nicon=Plivora.exe", true, "a  b.htm |  | 0$5 | 0"},
        {"an unterminated quote", "[autorun]\nopen=Plivora.exe \"a /verbose\nicon=Plivora.exe", true},
        {"a duration with no number", "[autorun]\nopen=Plivora.exe \"a\" /splash \"s.bmp\" \nicon=i.ico", true},
        {"a NUL", "[autorun]\nopen=Plivora.exe \"a" + std::string(1, '\0') + ".htm\" \nicon=i.ico", true},
        {"a target outside", "[autorun]\nopen=Plivora.exe \"a, ..\\b\" /splash \"s.bmp$3\" \nicon=i.ico", true,
         " | i.ico | 1s.bmp$3 | 0", "Target Filename"},
        {"an icon, splash and secondary outside",
         "[autorun]\nopen=Plivora.exe \"a\" /splash \"..\\s.bmp$3\" /secProg \"\\\\n\\s.exe$1$0\" \nicon=C:\\i.ico",
         true,
         "a |  | 0$3 | 0", "CD-ROM Icon, Splash Screen, Secondary Program"},
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
    BuiltInTexts texts;
    GuidanceCatalogue catalogue(texts);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::optional<DiscSettings> disc = ReadAutorunFile(c.text);
        ASSERT_EQ(disc.has_value(), c.ours);

        fakes::EventLog log;
        fakes::RecordingView view(log);
        FormModel form(view, catalogue);
        view.Files["D:\\Disc\\autorun.inf"] = c.text;
        form.DiscChosen("D:\\Disc");
        const GuidanceMessage shown = c.names.empty()     ? MsgNoDiscHere
                                      : c.leftOut.empty() ? MsgDiscReopened
                                                          : MsgSettingsLeftOut;
        EXPECT_EQ(view.Label, catalogue.MessageText(shown, c.leftOut));
        if (c.names.empty()) continue;
        EXPECT_EQ(Names(view.Controls), c.names);
        EXPECT_EQ(form.IsEnabled(IconButton), !view.Controls.TargetFiles.empty())
            << "without its target, only a target to choose";
    }
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=logo.ico\n")->Settings.IconFile, "logo.ico");
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=Plivora.exe\n")->Settings.IconFile, "");
}

}  // namespace
}  // namespace plivora
