#include "guidance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "guidance_strings.h"

namespace plivora {
namespace {

struct ExpectedTopic {
    int HelpButtonId;
    const char* Title;
    std::vector<std::string> Paragraphs;
};

struct ExpectedMessage {
    GuidanceMessage Message;
    std::vector<std::string> Paragraphs;
};

// The texts as the user must read them, one paragraph per literal.
const ExpectedTopic ExpectedTopics[] = {
    {1014,
     "CD-ROM Base Folder",
     {"The CD-ROM Base Folder is the folder that stores all of your files and folders that you wish to burn "
      "to CD.",
      "If you have not created this you should do so now. Create a folder (for example 'CD_Temp'). Place all "
      "of the files you wish to burn to CD into that folder.",
      "Now select that folder by pressing the '...' button."}},
    {1015,
     "Target Filename",
     {"This is the name of the file you wish to open (index.html, setup.pdf, etc) when your CD-ROM is "
      "inserted.",
      "Thanks to Plivora, you can open virtually any file type!",
      "Make sure you have placed all the files you wish to burn to CD into you CD-ROM Base Folder and then "
      "select your start-up file by using the '...' button.",
      "You may select multiple files to open, but be wary as some users may find it confusing if several "
      "files are opened."}},
    {1016,
     "CD-ROM Icon",
     {"Use the '...' button to select an Icon for your CD-ROM. This is the Icon that will be displayed for "
      "your CD-ROM under 'My Computer' or in Windows Explorer.",
      "Valid files for selection are Program files (*.exe) and Icon files (*.ico).",
      "Place your product or company logo in the CD-ROM Base Folder and select it by using the '...' button.",
      "If you do not have an icon the Plivora icon will be used as a default."}},
    {1017,
     "Verbose Output",
     {"Use this switch if you wish for full errors to be reported in the Plivora dialog.",
      "This feature is useful if you are having difficulties or errors with your settings.",
      "By default this option is turned off."}},
    {1018,
     "No Registry Lookup",
     {"Use this switch to tell Plivora to search the registry on the user's computer.",
      "The registry is used to get a description of the file type (for example the description of .html "
      "files is 'HTML document') of the Target Filename.",
      "The registry is also used to find the location of the program that normally runs the Target Filename. "
      "If the registry search fails, or this switch is not selected, Plivora lets Windows try and find the "
      "associated program."}},
    {1019,
     "Hide Plivora",
     {"Use this switch to keep the Plivora window from showing when the CD is inserted. Users will not see "
      "the Plivora dialog window, only the app being launched.",
      "Hiding the dialog gives your CD a professional look, but showing the dialog lets users know that "
      "something is loading while they wait. You have to balance out which option is best for you."}},
    {1020,
     "Try and Force",
     {"This switch tries to force the user's computer to open the Target Filename in a specified "
      "application. If the specified application cannot be launched, Plivora will revert to the default "
      "application for the file type.",
      "For example if your Target Filename is an HTML file and you would like the user's browser to open in "
      "kiosk mode you would enter:",
      "Program 1: 'iexplore.exe -k'", "Program 2: 'netscape.exe -sk'"}},
    {1024,
     "Secondary Program",
     {"The Secondary Program switch is useful if you wish to open a Target Filename that your users may not "
      "have a viewer for.",
      "For example, you might want to open a PDF file as your Target Filename. In case your customers do not "
      "have Adobe Acrobat installed, you can include the setup file for Acrobat in your Base Directory and "
      "point to it as the Secondary Program. Now, if the user already has Acrobat installed, your PDF file "
      "will launch normally. If they do not, the setup program for Acrobat will launch and the next time the "
      "user inserts the CD, your PDF file will launch normally.",
      "You may use any Program or Setup file as your Secondary Program."}},
    {1034,
     "Splash Screen",
     {"This switch will activate a Splash Screen that may be used to display your company logo or product "
      "image.",
      "The image must be stored in Windows Bitmap (BMP) format or Windows video (simple AVI) format and "
      "placed in your Base Folder.",
      "The Splash Screen will be displayed and then your Target Filename will be launched.",
      "Remember to keep your image under the dimensions of 800x600 so that customers using small resolutions "
      "will be able to view your full Splash Screen.",
      "You may also set the time duration (in seconds) for the splash screen."}},
    {1037,
     "Sec Prog Parameters",
     {"These parameters will affect how the Secondary Program is launched.",
      "Try Target Filename first - Try opening the Target Filename. If the file type is not supported, then "
      "launch the Secondary Program (eg. Opening a .PDF file).",
      "Run Secondary Program first - Automatically run the Secondary Program first, then the Target Filename "
      "(eg. Installing a Video Codec).",
      "Confirmation Box - A window that allows the user to decide if they want to run the Secondary Program "
      "or not.",
      "Reboot - If you need the user to reboot after the Secondary Program is run, a window will pop up to "
      "inform the user to reboot and re-insert the CD-ROM."}},
};

const ExpectedMessage ExpectedMessages[] = {
    {MsgWelcome,
     {"Welcome to the Plivora Assistant version 2.0. Plivora Assistant will help you to configure Plivora "
      "quickly and easily!",
      "You do no need to copy or create any files as the Assistant does all this for you. If you need help "
      "with anything simply click on the help buttons (the book icon with the question mark) to receive help "
      "on a specific subject.",
      "The first thing you will need to do is select your CD-ROM Base Folder. Click on the '...' button to "
      "do this now or the help icon to explain the purpose of the Base Folder."}},
    {MsgBaseFolderChosen,
     {"Now that you have set the CD-ROM Base Folder you should select the Target Filename.",
      "The Target Filename is the file that you would like to load when your CD is inserted.",
      "Use the '...' button to select your Target Filename."}},
    {MsgBaseFolderFailed,
     {"CD-ROM Base Folder selection failed. Please try and select a new CD-ROM Base Folder.",
      "Remember to select a folder on your computer that you are using to temporarily store the files and "
      "folders that you wish to burn to CD."}},
    {MsgFileOutsideBase,
     {"Warning!!",
      "The file must be off the CD-ROM Base Folder. Please select a file in the CD-ROM Base Folder."}},
    {MsgTargetChosen,
     {"You have successfully set the Target Filename. You may now select an Icon for your CD-ROM by pressing "
      "the '...' button across from the 'CD-ROM Icon' text.",
      "If you do not wish to set an icon you can select any switches that you need by checking the "
      "appropriate boxes.",
      "After you are finished press the 'Create' button to copy the Plivora files to your CD-ROM Base "
      "Folder.",
      "You may then test the Plivora setup by pressing the 'Test' button."}},
    {MsgReadyToCreate,
     {"If wish, you may select any switches that you need by checking the appropriate boxes.",
      "After you are finished press the 'Create' button to copy the Plivora files to your CD-ROM Base "
      "Folder.",
      "You may then test the Plivora setup by pressing the 'Test' button."}},
    {MsgIconOutsideBase,
     {"Warning!!",
      "The file must be off the CD-ROM Base Folder. Please select another file or place the icon file in the "
      "CD-ROM Base Folder and re-select."}},
    {MsgIconChosen,
     {"You have selected the Icon for your CD-ROM. Please select a Target Filename by using the '...' "
      "button."}},
    {MsgWriteFailed,
     {"An error occurred while writing out the autorun.inf file. Please check your directory settings and "
      "try again."}},
    {MsgCopyFailed,
     {"An error occured while trying to copy Plivora.exe to the CD-ROM Base Directory. Please check that "
      "Plivora.exe exists in %s."}},
    {MsgUnusableName,
     {"The name of the file or folder you selected uses letters that cannot be written into the autorun.inf "
      "file on this computer. Please rename it using the letters of your system's own alphabet, then select "
      "it again."}},
    {MsgImageWritten,
     {"Your CD-ROM image %s (%s MB) is ready. On Windows 8 or later double-click it to open it as a CD-ROM "
      "drive and try your disc; right-click it and choose 'Burn disc image' to burn it."}},
    {MsgImageInsideBase,
     {"Please save the CD-ROM image outside your CD-ROM Base Folder, or it would contain itself."}},
    {MsgImageFailed, {"The CD-ROM image could not be written: %s. Nothing was left behind."}},
    {MsgImageCancelled, {"The CD-ROM image was not written."}},
    {MsgCopyIncomplete,
     {"Plivora.exe could not be copied whole into your CD-ROM Base Folder: the disk may be full or the "
      "folder read-only. Please make room, then press the 'Create' button again."}},
    {MsgLauncherMissing,
     {"Plivora.exe is missing from your CD-ROM Base Folder, so the test cannot run. Press the 'Create' "
      "button to copy it there again."}},
    {MsgSwitchWithoutFile,
     {"Warning!!",
      "The %s switch is checked but no file is selected for it. Select a file with its '...' button or "
      "uncheck the switch, then press the 'Create' button again."}},
    {MsgFileNotInBase,
     {"Warning!!",
      "The file '%s' is not in your CD-ROM Base Folder, so your CD-ROM could not open it. Place the file in "
      "the CD-ROM Base Folder and re-select it, then press the 'Create' button again."}},
    {MsgTextNotWritable,
     {"Warning!!",
      "The text in %s cannot be written into the autorun.inf file: it contains a double quote, a dollar sign "
      "in the splash duration, or a comma followed by a space where it would split the programs in two. "
      "Please change it, then press the 'Create' button again."}},
    {MsgForceWithoutProgram,
     {"Warning!!",
      "The Try and Force switch is checked but no program is typed for it. Type a program into Program 1 or "
      "Program 2, or uncheck the switch, then press the 'Create' button again."}},
    {MsgRemovableDrive,
     {"Your CD-ROM Base Folder is a removable drive, such as a USB stick or a memory card. Windows 7 and "
      "later show your CD-ROM Icon on such a drive but start nothing from it by itself. Burn the folder to a "
      "CD-ROM, or tell your users which file to open on the drive."}},
    {MsgLargerThanCd,
     {"Your CD-ROM Base Folder holds %s MB, more than a CD-ROM can hold (700 MB). Burn it to a DVD instead, "
      "or move some files out of the folder."}},
};

std::string JoinParagraphs(const std::vector<std::string>& paragraphs) {
    std::string text;
    for (const std::string& paragraph : paragraphs) {
        if (!text.empty()) text += "\n\n";
        text += paragraph;
    }
    return text;
}

std::string CopyFailedText(const std::string& folder) {
    return "An error occured while trying to copy Plivora.exe to the CD-ROM Base Directory. "
           "Please check that Plivora.exe exists in " +
           folder + ".";
}

class GuidanceTest : public ::testing::Test {
protected:
    BuiltInTexts texts_;
    GuidanceCatalogue catalogue_{texts_};
};

TEST_F(GuidanceTest, EveryHelpButtonShowsItsTopicWordForWord) {
    for (const ExpectedTopic& expected : ExpectedTopics) {
        SCOPED_TRACE(expected.HelpButtonId);
        const std::optional<HelpTopic> topic = catalogue_.TopicFor(expected.HelpButtonId);
        ASSERT_TRUE(topic.has_value());
        EXPECT_EQ(topic->Title, expected.Title);
        EXPECT_EQ(topic->Text, JoinParagraphs(expected.Paragraphs));
    }
}

TEST_F(GuidanceTest, IdsOtherThanTheTenHelpButtonsHaveNoTopic) {
    for (int id : {0, -1, 1, 1000, 1013, 1021, 1023, 1025, 1033, 1035, 1038, 101, 1100, 1200}) {
        EXPECT_FALSE(catalogue_.TopicFor(id).has_value()) << id;
    }
}

TEST_F(GuidanceTest, EveryMessageReadsWordForWord) {
    for (const ExpectedMessage& expected : ExpectedMessages) {
        SCOPED_TRACE(expected.Message);
        const std::string text = JoinParagraphs(expected.Paragraphs);
        if (text.find("%s") != std::string::npos) {
            EXPECT_EQ(catalogue_.MessageText(expected.Message, "%s", "%s"), text);
            continue;
        }
        EXPECT_EQ(catalogue_.MessageText(expected.Message), text);
        // Only a message with a %s takes an insert.
        EXPECT_EQ(catalogue_.MessageText(expected.Message, "C:\\x\\"), text);
    }
}

TEST_F(GuidanceTest, CopyFailureNamesTheProgramFolderLiterally) {
    EXPECT_EQ(catalogue_.MessageText(MsgCopyFailed, "C:\\Tools\\"), CopyFailedText("C:\\Tools\\"));
    for (const std::string folder : {"C:\\100%s\\", "C:\\%n%n%n%s%d\\", "C:\\%\\", "", "C:\\%s%s%s%s\\"}) {
        EXPECT_EQ(catalogue_.MessageText(MsgCopyFailed, folder), CopyFailedText(folder)) << folder;
    }
    const std::string longFolder = "C:\\" + std::string(100000, 'a') + "%s\\";
    EXPECT_EQ(catalogue_.MessageText(MsgCopyFailed, longFolder), CopyFailedText(longFolder));
}

TEST_F(GuidanceTest, WrittenImageNamesItsFileAndSizeInOrder) {
    EXPECT_EQ(
        catalogue_.MessageText(MsgImageWritten, "C:\\%s 100%.iso", "12"),
        "Your CD-ROM image C:\\%s 100%.iso (12 MB) is ready. On Windows 8 or later double-click it to open "
        "it as a CD-ROM drive and try your disc; right-click it and choose 'Burn disc image' to burn it.");
}

TEST_F(GuidanceTest, UnknownStringIdLoadsEmpty) {
    EXPECT_EQ(texts_.Load(0), "");
    EXPECT_EQ(texts_.Load(1099), "");
}

}  // namespace
}  // namespace plivora
