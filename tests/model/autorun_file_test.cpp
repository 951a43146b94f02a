#include "autorun_file.h"

#include <gtest/gtest.h>

#include "recording_view.h"

namespace plivora {
namespace {

using namespace std::string_literals;

// The fields a disc's names set, in one line: targets | icon | splash | secondary.
std::string Fields(const ProjectSettings& s) {
    return s.TargetFiles + " | " + s.IconFile + " | " + std::to_string(s.UseSplash) + " " + s.SplashFile +
           "$" + s.SplashSeconds + " | " + std::to_string(s.UseSecondary) + " " + s.SecondaryProgram;
}

// What counts as a disc this program made: leniently when a base folder is chosen (only
// whether Create would replace another program's file), exactly when Open a Disc takes
// it into the form. The round trip of every disc it can make is in the command line's tests.
TEST(AutorunFileTest, OnlyWhatThisProgramCouldHaveWrittenIsReadBack) {
    const std::string open = "open=Plivora.exe \"Report, 2004.pdf\" /verbose ";
    const std::string reopened = "Report, 2004.pdf |  | 0 $5 | 0 ";
    const std::string outside = "..\\..\\windows\\notepad.exe";
    const struct {
        const char* file;
        std::string text;
        bool ours;           // when the base folder is chosen
        std::string fields;  // after Open a Disc; empty: no disc here
        std::string leftOut;
    } cases[] = {
        {"as written", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\n", true, reopened, ""},
        {"line feeds, no last line end", "[autorun]\n" + open + "\nicon=logo.ico", true,
         "Report, 2004.pdf | logo.ico | 0 $5 | 0 ", ""},
        {"runs of blanks, no last blank",
         "[autorun]\nopen=Plivora.exe  \"Report, 2004.pdf\"   /verbose\nicon=Plivora.exe", true, reopened,
         ""},
        {"an extra key", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\nlabel=Disc\r\n", false, "", ""},
        {"a second section", "[autorun]\r\n" + open + "\r\nicon=Plivora.exe\r\n[Content]\r\n", false, "", ""},
        {"another program", "[autorun]\r\nopen=setup.exe /verbose\r\nicon=Plivora.exe\r\n", false, "", ""},
        {"an ignored switch", "[autorun]\r\n" + open + "/Hide \r\nicon=Plivora.exe\r\n", false, "", ""},
        {"no icon line", "[autorun]\r\n" + open + "\r\n", false, "", ""},
        {"an empty icon", "[autorun]\r\n" + open + "\r\nicon=\r\n", false, "", ""},
        {"lines out of order", open + "\r\n[autorun]\r\nicon=Plivora.exe\r\n", false, "", ""},
        {"no target", "[autorun]\r\nopen=Plivora.exe /verbose \r\nicon=Plivora.exe\r\n", false, "", ""},
        {"empty", "", false, "", ""},
        // Read as well as they can be, but Create would not write them back.
        {"an unterminated quote", "[autorun]\r\nopen=Plivora.exe \"a.htm /verbose\r\nicon=Plivora.exe\r\n",
         true, "", ""},
        {"a duration with no number",
         "[autorun]\r\nopen=Plivora.exe \"a.htm\" /splash \"s.bmp\" \r\nicon=Plivora.exe\r\n", true, "", ""},
        {"a NUL", "[autorun]\r\nopen=Plivora.exe \"a\0.htm\" \r\nicon=Plivora.exe\r\n"s, true, "", ""},
        // Names that would lead outside the folder are left out.
        {"a target outside",
         "[autorun]\r\nopen=Plivora.exe \"index.html, " + outside +
             "\" /splash \"s.bmp$3\" \r\nicon=logo.ico\r\n",
         true, " | logo.ico | 1 s.bmp$3 | 0 ", "Target Filename"},
        {"an icon, splash and secondary outside",
         "[autorun]\r\nopen=Plivora.exe \"a.htm\" /splash \"..\\s.bmp$3\" "
         "/secProg \"" +
             outside + "$1$0\" \r\nicon=C:\\Windows\\x.ico\r\n",
         true, "a.htm |  | 0 $3 | 0 ", "CD-ROM Icon, Splash Screen, Secondary Program"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fakes::EventLog log;
        fakes::RecordingView view(log);
        BuiltInTexts texts;
        GuidanceCatalogue catalogue(texts);
        FormModel form(view, catalogue);
        form.Start();
        if (!c.text.empty()) view.Files["D:\\Disc\\autorun.inf"] = c.text;
        form.BaseFolderChosen("D:\\Disc");
        EXPECT_EQ(view.RefreshedText == catalogue.MessageText(MsgBaseFolderChosen), c.text.empty() || c.ours);

        form.DiscChosen("D:\\Disc");
        if (c.fields.empty()) {
            EXPECT_EQ(view.RefreshedText, catalogue.MessageText(MsgNoDiscHere));
            continue;
        }
        EXPECT_EQ(Fields(view.RefreshedSettings), c.fields);
        EXPECT_EQ(view.RefreshedText, c.leftOut.empty()
                                          ? catalogue.MessageText(MsgDiscReopened)
                                          : catalogue.MessageText(MsgSettingsLeftOut, c.leftOut));
        EXPECT_TRUE(form.IsEnabled(TargetButton));
        EXPECT_EQ(form.IsEnabled(CreateButton), !view.RefreshedSettings.TargetFiles.empty());
        EXPECT_EQ(form.IsEnabled(SplashCheck), !view.RefreshedSettings.TargetFiles.empty());
        EXPECT_EQ(view.Files["D:\\Disc\\autorun.inf"], c.text) << "Open a Disc writes nothing";
    }
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=logo.ico\n")->Settings.IconFile,
              "logo.ico");
    EXPECT_EQ(ReadAutorunFile("[autorun]\nopen=Plivora.exe \"a\" \nicon=Plivora.exe\n")->Settings.IconFile,
              "");
}

}  // namespace
}  // namespace plivora
