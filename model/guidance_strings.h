/* Every text of the guidance panel, the system menu's items and the image's Save As
   dialog, once, for both the resource compiler's string table and the C++ catalogue.
   Each text is a single string literal (the resource compiler joins no adjacent
   literals); paragraphs are separated by one empty line. */
#ifndef PLIVORA_GUIDANCE_STRINGS_H
#define PLIVORA_GUIDANCE_STRINGS_H

/* One literal per text, kept on one line: no formatter may split it. */
/* clang-format off */

/* String ids. */
#define IDS_ABOUT_MENU 101
#define IDS_MAKE_IMAGE_MENU 102
#define IDS_IMAGE_DIALOG_TITLE 103
#define IDS_IMAGE_DIALOG_FILTER 104
#define IDS_OPEN_DISC_MENU 105
#define IDS_OPEN_DISC_TITLE 106

#define IDS_TOPIC_TITLE_BASE_FOLDER 1100
#define IDS_TOPIC_TITLE_TARGET 1101
#define IDS_TOPIC_TITLE_ICON 1102
#define IDS_TOPIC_TITLE_VERBOSE 1103
#define IDS_TOPIC_TITLE_NO_REGISTRY 1104
#define IDS_TOPIC_TITLE_HIDE 1105
#define IDS_TOPIC_TITLE_FORCE 1106
#define IDS_TOPIC_TITLE_SECONDARY 1107
#define IDS_TOPIC_TITLE_SPLASH 1108
#define IDS_TOPIC_TITLE_SECONDARY_PARAMS 1109

#define IDS_TOPIC_TEXT_BASE_FOLDER 1200
#define IDS_TOPIC_TEXT_TARGET 1201
#define IDS_TOPIC_TEXT_ICON 1202
#define IDS_TOPIC_TEXT_VERBOSE 1203
#define IDS_TOPIC_TEXT_NO_REGISTRY 1204
#define IDS_TOPIC_TEXT_HIDE 1205
#define IDS_TOPIC_TEXT_FORCE 1206
#define IDS_TOPIC_TEXT_SECONDARY 1207
#define IDS_TOPIC_TEXT_SPLASH 1208
#define IDS_TOPIC_TEXT_SECONDARY_PARAMS 1209

#define IDS_MSG_WELCOME 1300
#define IDS_MSG_BASE_FOLDER_CHOSEN 1301
#define IDS_MSG_BASE_FOLDER_FAILED 1302
#define IDS_MSG_FILE_OUTSIDE_BASE 1303
#define IDS_MSG_TARGET_CHOSEN 1304
#define IDS_MSG_READY_TO_CREATE 1305
#define IDS_MSG_ICON_OUTSIDE_BASE 1306
#define IDS_MSG_ICON_CHOSEN 1307
#define IDS_MSG_WRITE_FAILED 1308
#define IDS_MSG_COPY_FAILED 1309
#define IDS_MSG_UNUSABLE_NAME 1310
#define IDS_MSG_IMAGE_WRITTEN 1311
#define IDS_MSG_IMAGE_INSIDE_BASE 1312
#define IDS_MSG_IMAGE_FAILED 1313
#define IDS_MSG_IMAGE_CANCELLED 1314
#define IDS_MSG_IMAGE_LARGER_THAN_CD 1315
#define IDS_MSG_COPY_INCOMPLETE 1316
#define IDS_MSG_LAUNCHER_MISSING 1317
#define IDS_MSG_SWITCH_WITHOUT_FILE 1318
#define IDS_MSG_FILE_NOT_IN_BASE 1319
#define IDS_MSG_TEXT_NOT_WRITABLE 1320
#define IDS_MSG_REMOVABLE_DRIVE 1321
#define IDS_MSG_LARGER_THAN_CD 1322
#define IDS_MSG_DISC_REOPENED 1323
#define IDS_MSG_NO_DISC_HERE 1324
#define IDS_MSG_FOREIGN_AUTORUN 1325
#define IDS_MSG_SETTINGS_LEFT_OUT 1326
#define IDS_MSG_LAUNCHER_IN_USE 1327
#define IDS_MSG_FORCE_WITHOUT_PROGRAM 1328
#define IDS_SWITCH_SPLASH 1500
#define IDS_SWITCH_SECONDARY 1501
#define IDS_TEXT_PROGRAM1 1502
#define IDS_TEXT_PROGRAM2 1503
#define IDS_TEXT_SPLASH_DURATION 1504

#define IDS_ACCNAME_HELP 1600
#define IDS_ACCNAME_CHOOSE 1601
#define IDS_ACCNAME_SPLASH_IMAGE 1602
#define IDS_ACCNAME_FILE 1603
#define IDS_ACCNAME_SECONDS 1604
#define IDS_ACCNAME_ORDER 1605
#define IDS_ACCNAME_CONFIRMATION 1606

#define IDS_IMAGE_REASON_NAME_TOO_LONG 1400
#define IDS_IMAGE_REASON_FILE_TOO_LARGE 1401
#define IDS_IMAGE_REASON_TOO_MANY_FOLDERS 1402
#define IDS_IMAGE_REASON_IMAGE_TOO_LARGE 1403
#define IDS_IMAGE_REASON_READ_FAILED 1404
#define IDS_IMAGE_REASON_FILE_CHANGED 1405
#define IDS_IMAGE_REASON_WRITE_FAILED 1406
#define IDS_IMAGE_REASON_IN_USE 1407
#define IDS_IMAGE_REASON_READ_ONLY 1408

#define TXT_ABOUT_MENU "&About Plivora_Assistant..."
#define TXT_MAKE_IMAGE_MENU "Make Disc &Image..."
#define TXT_IMAGE_DIALOG_TITLE "Save your CD-ROM Image"
/* The Save As filter's description; the dialog pairs it with the pattern *.iso. */
#define TXT_IMAGE_DIALOG_FILTER "Disc Images (*.iso)"
#define TXT_OPEN_DISC_MENU "Open a &Disc..."
/* The folder browser's instruction when a disc is opened again. */
#define TXT_OPEN_DISC_TITLE "Select the CD-ROM Base Folder of a disc made with Plivora Assistant"

/* Help topic titles, painted in the guidance band. */
#define TXT_TOPIC_TITLE_BASE_FOLDER "CD-ROM Base Folder"
#define TXT_TOPIC_TITLE_TARGET "Target Filename"
#define TXT_TOPIC_TITLE_ICON "CD-ROM Icon"
#define TXT_TOPIC_TITLE_VERBOSE "Verbose Output"
#define TXT_TOPIC_TITLE_NO_REGISTRY "No Registry Lookup"
#define TXT_TOPIC_TITLE_HIDE "Hide Plivora"
#define TXT_TOPIC_TITLE_FORCE "Try and Force"
#define TXT_TOPIC_TITLE_SECONDARY "Secondary Program"
#define TXT_TOPIC_TITLE_SPLASH "Splash Screen"
#define TXT_TOPIC_TITLE_SECONDARY_PARAMS "Sec Prog Parameters"

/* Help topic texts. */
#define TXT_TOPIC_TEXT_BASE_FOLDER "The CD-ROM Base Folder is the folder that stores all of your files and folders that you wish to burn to CD.\n\nIf you have not created this you should do so now. Create a folder (for example 'CD_Temp'). Place all of the files you wish to burn to CD into that folder.\n\nNow select that folder by pressing the '...' button."
#define TXT_TOPIC_TEXT_TARGET "This is the name of the file you wish to open (index.html, setup.pdf, etc) when your CD-ROM is inserted.\n\nThanks to Plivora, you can open virtually any file type!\n\nMake sure you have placed all the files you wish to burn to CD into you CD-ROM Base Folder and then select your start-up file by using the '...' button.\n\nYou may select multiple files to open, but be wary as some users may find it confusing if several files are opened."
#define TXT_TOPIC_TEXT_ICON "Use the '...' button to select an Icon for your CD-ROM. This is the Icon that will be displayed for your CD-ROM under 'My Computer' or in Windows Explorer.\n\nValid files for selection are Program files (*.exe) and Icon files (*.ico).\n\nPlace your product or company logo in the CD-ROM Base Folder and select it by using the '...' button.\n\nIf you do not have an icon the Plivora icon will be used as a default."
#define TXT_TOPIC_TEXT_VERBOSE "Use this switch if you wish for full errors to be reported in the Plivora dialog.\n\nThis feature is useful if you are having difficulties or errors with your settings.\n\nBy default this option is turned off."
#define TXT_TOPIC_TEXT_NO_REGISTRY "Use this switch to tell Plivora to search the registry on the user's computer.\n\nThe registry is used to get a description of the file type (for example the description of .html files is 'HTML document') of the Target Filename.\n\nThe registry is also used to find the location of the program that normally runs the Target Filename. If the registry search fails, or this switch is not selected, Plivora lets Windows try and find the associated program."
#define TXT_TOPIC_TEXT_HIDE "Use this switch to keep the Plivora window from showing when the CD is inserted. Users will not see the Plivora dialog window, only the app being launched.\n\nHiding the dialog gives your CD a professional look, but showing the dialog lets users know that something is loading while they wait. You have to balance out which option is best for you."
#define TXT_TOPIC_TEXT_FORCE "This switch tries to force the user's computer to open the Target Filename in a specified application. If the specified application cannot be launched, Plivora will revert to the default application for the file type.\n\nFor example if your Target Filename is an HTML file and you would like the user's browser to open in kiosk mode you would enter:\n\nProgram 1: 'iexplore.exe -k'\n\nProgram 2: 'netscape.exe -sk'"
#define TXT_TOPIC_TEXT_SECONDARY "The Secondary Program switch is useful if you wish to open a Target Filename that your users may not have a viewer for.\n\nFor example, you might want to open a PDF file as your Target Filename. In case your customers do not have Adobe Acrobat installed, you can include the setup file for Acrobat in your Base Directory and point to it as the Secondary Program. Now, if the user already has Acrobat installed, your PDF file will launch normally. If they do not, the setup program for Acrobat will launch and the next time the user inserts the CD, your PDF file will launch normally.\n\nYou may use any Program or Setup file as your Secondary Program."
#define TXT_TOPIC_TEXT_SPLASH "This switch will activate a Splash Screen that may be used to display your company logo or product image.\n\nThe image must be stored in Windows Bitmap (BMP) format or Windows video (simple AVI) format and placed in your Base Folder.\n\nThe Splash Screen will be displayed and then your Target Filename will be launched.\n\nRemember to keep your image under the dimensions of 800x600 so that customers using small resolutions will be able to view your full Splash Screen.\n\nYou may also set the time duration (in seconds) for the splash screen."
#define TXT_TOPIC_TEXT_SECONDARY_PARAMS "These parameters will affect how the Secondary Program is launched.\n\nTry Target Filename first - Try opening the Target Filename. If the file type is not supported, then launch the Secondary Program (eg. Opening a .PDF file).\n\nRun Secondary Program first - Automatically run the Secondary Program first, then the Target Filename (eg. Installing a Video Codec).\n\nConfirmation Box - A window that allows the user to decide if they want to run the Secondary Program or not.\n\nReboot - If you need the user to reboot after the Secondary Program is run, a window will pop up to inform the user to reboot and re-insert the CD-ROM."

/* Messages. TXT_MSG_COPY_FAILED keeps its %s for the program folder. */
#define TXT_MSG_WELCOME "Welcome to the Plivora Assistant version 2.0. Plivora Assistant will help you to configure Plivora quickly and easily!\n\nYou do no need to copy or create any files as the Assistant does all this for you. If you need help with anything simply click on the help buttons (the book icon with the question mark) to receive help on a specific subject.\n\nThe first thing you will need to do is select your CD-ROM Base Folder. Click on the '...' button to do this now or the help icon to explain the purpose of the Base Folder."
#define TXT_MSG_BASE_FOLDER_CHOSEN "Now that you have set the CD-ROM Base Folder you should select the Target Filename.\n\nThe Target Filename is the file that you would like to load when your CD is inserted.\n\nUse the '...' button to select your Target Filename."
#define TXT_MSG_BASE_FOLDER_FAILED "CD-ROM Base Folder selection failed. Please try and select a new CD-ROM Base Folder.\n\nRemember to select a folder on your computer that you are using to temporarily store the files and folders that you wish to burn to CD."
#define TXT_MSG_FILE_OUTSIDE_BASE "Warning!!\n\nThe file must be off the CD-ROM Base Folder. Please select a file in the CD-ROM Base Folder."
#define TXT_MSG_TARGET_CHOSEN "You have successfully set the Target Filename. You may now select an Icon for your CD-ROM by pressing the '...' button across from the 'CD-ROM Icon' text.\n\nIf you do not wish to set an icon you can select any switches that you need by checking the appropriate boxes.\n\nAfter you are finished press the 'Create' button to copy the Plivora files to your CD-ROM Base Folder.\n\nYou may then test the Plivora setup by pressing the 'Test' button."
#define TXT_MSG_READY_TO_CREATE "If wish, you may select any switches that you need by checking the appropriate boxes.\n\nAfter you are finished press the 'Create' button to copy the Plivora files to your CD-ROM Base Folder.\n\nYou may then test the Plivora setup by pressing the 'Test' button."
#define TXT_MSG_ICON_OUTSIDE_BASE "Warning!!\n\nThe file must be off the CD-ROM Base Folder. Please select another file or place the icon file in the CD-ROM Base Folder and re-select."
#define TXT_MSG_ICON_CHOSEN "You have selected the Icon for your CD-ROM. Please select a Target Filename by using the '...' button."
#define TXT_MSG_WRITE_FAILED "An error occurred while writing out the autorun.inf file. Please check your directory settings and try again."
#define TXT_MSG_COPY_FAILED "An error occured while trying to copy Plivora.exe to the CD-ROM Base Directory. Please check that Plivora.exe exists in %s."
#define TXT_MSG_UNUSABLE_NAME "The name of the file or folder you selected uses letters that cannot be written into the autorun.inf file on this computer. Please rename it using the letters of your system's own alphabet, then select it again."
#define TXT_MSG_IMAGE_WRITTEN "Your CD-ROM image %s (%s MB) is ready. On Windows 8 or later double-click it to open it as a CD-ROM drive and try your disc; right-click it and choose 'Burn disc image' to burn it."
#define TXT_MSG_IMAGE_INSIDE_BASE "Please save the CD-ROM image outside your CD-ROM Base Folder, or it would contain itself."
#define TXT_MSG_IMAGE_FAILED "The CD-ROM image could not be written: %s. Nothing was left behind."
#define TXT_MSG_IMAGE_CANCELLED "The CD-ROM image was not written."
#define TXT_MSG_IMAGE_LARGER_THAN_CD "It is larger than a CD-ROM (700 MB); burn it to a DVD."
#define TXT_MSG_COPY_INCOMPLETE "Plivora.exe could not be copied whole into your CD-ROM Base Folder: the disk may be full or the folder read-only. Please make room, then press the 'Create' button again."
#define TXT_MSG_LAUNCHER_MISSING "Plivora.exe is missing from your CD-ROM Base Folder, so the test cannot run. Press the 'Create' button to copy it there again."
/* Why Create wrote nothing: %s names the switch, the file or the text at fault. */
#define TXT_MSG_SWITCH_WITHOUT_FILE "Warning!!\n\nThe %s switch is checked but no file is selected for it. Select a file with its '...' button or uncheck the switch, then press the 'Create' button again."
#define TXT_MSG_FILE_NOT_IN_BASE "Warning!!\n\nThe file '%s' is not in your CD-ROM Base Folder, so your CD-ROM could not open it. Place the file in the CD-ROM Base Folder and re-select it, then press the 'Create' button again."
#define TXT_MSG_TEXT_NOT_WRITABLE "Warning!!\n\nThe text in %s cannot be written into the autorun.inf file: it contains a double quote, a dollar sign in the splash duration, or a comma followed by a space where it would split the programs in two. Please change it, then press the 'Create' button again."
/* Try and Force ticked with neither program typed would drop the switch from the line. */
#define TXT_MSG_FORCE_WITHOUT_PROGRAM "Warning!!\n\nThe Try and Force switch is checked but no program is typed for it. Type a program into Program 1 or Program 2, or uncheck the switch, then press the 'Create' button again."
/* Where a disc Create wrote will not do what its maker expects. */
#define TXT_MSG_REMOVABLE_DRIVE "Your CD-ROM Base Folder is a removable drive, such as a USB stick or a memory card. Windows 7 and later show your CD-ROM Icon on such a drive but start nothing from it by itself. Burn the folder to a CD-ROM, or tell your users which file to open on the drive."
#define TXT_MSG_LARGER_THAN_CD "Your CD-ROM Base Folder holds %s MB, more than a CD-ROM can hold (700 MB). Burn it to a DVD instead, or move some files out of the folder."
/* A disc opened again, or a folder holding another program's autorun.inf. The form
   follows TXT_MSG_FOREIGN_AUTORUN with the paragraphs of TXT_MSG_BASE_FOLDER_CHOSEN. */
#define TXT_MSG_DISC_REOPENED "The settings of the CD-ROM in this folder are now in the form. Change what you need, then press the 'Create' button. You may then test it by pressing the 'Test' button."
#define TXT_MSG_NO_DISC_HERE "This folder holds no autorun.inf made with Plivora Assistant. Choose another folder, or start a new disc with the '...' button of the CD-ROM Base Folder."
#define TXT_MSG_FOREIGN_AUTORUN "This folder already holds an autorun.inf that was not made with Plivora Assistant. Create will replace it, so keep a copy if you still need it."
/* The captions of the settings left out, joined by ", ". */
#define TXT_MSG_SETTINGS_LEFT_OUT "Some settings of this CD-ROM could not be taken into the form, because they name files outside your CD-ROM Base Folder: %s. Choose them again with their '...' buttons, then press the 'Create' button."
/* The disc's launcher held by a running program, which Windows does not let a copy replace. */
#define TXT_MSG_LAUNCHER_IN_USE "Plivora.exe in your CD-ROM Base Folder is in use, perhaps by a test that is still running. Close it, then press the 'Create' button again."
/* The inserts of those messages. */
#define TXT_SWITCH_SPLASH "Splash Screen"
#define TXT_SWITCH_SECONDARY "Secondary Program"
#define TXT_TEXT_PROGRAM1 "Program 1"
#define TXT_TEXT_PROGRAM2 "Program 2"
#define TXT_TEXT_SPLASH_DURATION "the splash duration"

/* Why an image failed, each naming with %s the file or folder it is about. */
#define TXT_IMAGE_REASON_NAME_TOO_LONG "the name of '%s' is longer than 103 letters"
#define TXT_IMAGE_REASON_FILE_TOO_LARGE "'%s' is 4 GB or larger"
#define TXT_IMAGE_REASON_TOO_MANY_FOLDERS "'%s' holds more than 65,535 folders"
#define TXT_IMAGE_REASON_IMAGE_TOO_LARGE "'%s' would be larger than a disc image can be"
#define TXT_IMAGE_REASON_READ_FAILED "'%s' could not be read"
#define TXT_IMAGE_REASON_FILE_CHANGED "'%s' changed while it was being read"
#define TXT_IMAGE_REASON_WRITE_FAILED "'%s' could not be saved; the disk may be full or the folder read-only"
/* An older image at the chosen name that cannot be replaced. */
#define TXT_IMAGE_REASON_IN_USE "the file is in use by another program"
#define TXT_IMAGE_REASON_READ_ONLY "the file is read-only"

/* The names a screen reader speaks for controls that show no caption of their own: each
   a topic's title joined to the text before or after it ("Help: CD-ROM Base Folder",
   "Splash Screen file"). */
#define TXT_ACCNAME_HELP "Help: "
#define TXT_ACCNAME_CHOOSE "Choose the "
/* What the splash screen's '...' button chooses. */
#define TXT_ACCNAME_SPLASH_IMAGE "Splash Screen image"
#define TXT_ACCNAME_FILE " file"
#define TXT_ACCNAME_SECONDS " seconds"
#define TXT_ACCNAME_ORDER " order"
#define TXT_ACCNAME_CONFIRMATION " confirmation"

/* Every (id, text) pair, for a string table or a lookup:
   #define ENTRY(id, text) id, text
   STRINGTABLE BEGIN PLIVORA_GUIDANCE_STRINGS(ENTRY) END */
#define PLIVORA_GUIDANCE_STRINGS(X) \
    X(IDS_ABOUT_MENU, TXT_ABOUT_MENU) \
    X(IDS_MAKE_IMAGE_MENU, TXT_MAKE_IMAGE_MENU) \
    X(IDS_IMAGE_DIALOG_TITLE, TXT_IMAGE_DIALOG_TITLE) \
    X(IDS_IMAGE_DIALOG_FILTER, TXT_IMAGE_DIALOG_FILTER) \
    X(IDS_OPEN_DISC_MENU, TXT_OPEN_DISC_MENU) \
    X(IDS_OPEN_DISC_TITLE, TXT_OPEN_DISC_TITLE) \
    X(IDS_TOPIC_TITLE_BASE_FOLDER, TXT_TOPIC_TITLE_BASE_FOLDER) \
    X(IDS_TOPIC_TITLE_TARGET, TXT_TOPIC_TITLE_TARGET) \
    X(IDS_TOPIC_TITLE_ICON, TXT_TOPIC_TITLE_ICON) \
    X(IDS_TOPIC_TITLE_VERBOSE, TXT_TOPIC_TITLE_VERBOSE) \
    X(IDS_TOPIC_TITLE_NO_REGISTRY, TXT_TOPIC_TITLE_NO_REGISTRY) \
    X(IDS_TOPIC_TITLE_HIDE, TXT_TOPIC_TITLE_HIDE) \
    X(IDS_TOPIC_TITLE_FORCE, TXT_TOPIC_TITLE_FORCE) \
    X(IDS_TOPIC_TITLE_SECONDARY, TXT_TOPIC_TITLE_SECONDARY) \
    X(IDS_TOPIC_TITLE_SPLASH, TXT_TOPIC_TITLE_SPLASH) \
    X(IDS_TOPIC_TITLE_SECONDARY_PARAMS, TXT_TOPIC_TITLE_SECONDARY_PARAMS) \
    X(IDS_TOPIC_TEXT_BASE_FOLDER, TXT_TOPIC_TEXT_BASE_FOLDER) \
    X(IDS_TOPIC_TEXT_TARGET, TXT_TOPIC_TEXT_TARGET) \
    X(IDS_TOPIC_TEXT_ICON, TXT_TOPIC_TEXT_ICON) \
    X(IDS_TOPIC_TEXT_VERBOSE, TXT_TOPIC_TEXT_VERBOSE) \
    X(IDS_TOPIC_TEXT_NO_REGISTRY, TXT_TOPIC_TEXT_NO_REGISTRY) \
    X(IDS_TOPIC_TEXT_HIDE, TXT_TOPIC_TEXT_HIDE) \
    X(IDS_TOPIC_TEXT_FORCE, TXT_TOPIC_TEXT_FORCE) \
    X(IDS_TOPIC_TEXT_SECONDARY, TXT_TOPIC_TEXT_SECONDARY) \
    X(IDS_TOPIC_TEXT_SPLASH, TXT_TOPIC_TEXT_SPLASH) \
    X(IDS_TOPIC_TEXT_SECONDARY_PARAMS, TXT_TOPIC_TEXT_SECONDARY_PARAMS) \
    X(IDS_MSG_WELCOME, TXT_MSG_WELCOME) \
    X(IDS_MSG_BASE_FOLDER_CHOSEN, TXT_MSG_BASE_FOLDER_CHOSEN) \
    X(IDS_MSG_BASE_FOLDER_FAILED, TXT_MSG_BASE_FOLDER_FAILED) \
    X(IDS_MSG_FILE_OUTSIDE_BASE, TXT_MSG_FILE_OUTSIDE_BASE) \
    X(IDS_MSG_TARGET_CHOSEN, TXT_MSG_TARGET_CHOSEN) \
    X(IDS_MSG_READY_TO_CREATE, TXT_MSG_READY_TO_CREATE) \
    X(IDS_MSG_ICON_OUTSIDE_BASE, TXT_MSG_ICON_OUTSIDE_BASE) \
    X(IDS_MSG_ICON_CHOSEN, TXT_MSG_ICON_CHOSEN) \
    X(IDS_MSG_WRITE_FAILED, TXT_MSG_WRITE_FAILED) \
    X(IDS_MSG_COPY_FAILED, TXT_MSG_COPY_FAILED) \
    X(IDS_MSG_UNUSABLE_NAME, TXT_MSG_UNUSABLE_NAME) \
    X(IDS_MSG_IMAGE_WRITTEN, TXT_MSG_IMAGE_WRITTEN) \
    X(IDS_MSG_IMAGE_INSIDE_BASE, TXT_MSG_IMAGE_INSIDE_BASE) \
    X(IDS_MSG_IMAGE_FAILED, TXT_MSG_IMAGE_FAILED) \
    X(IDS_MSG_IMAGE_CANCELLED, TXT_MSG_IMAGE_CANCELLED) \
    X(IDS_MSG_IMAGE_LARGER_THAN_CD, TXT_MSG_IMAGE_LARGER_THAN_CD) \
    X(IDS_MSG_COPY_INCOMPLETE, TXT_MSG_COPY_INCOMPLETE) \
    X(IDS_MSG_LAUNCHER_MISSING, TXT_MSG_LAUNCHER_MISSING) \
    X(IDS_MSG_SWITCH_WITHOUT_FILE, TXT_MSG_SWITCH_WITHOUT_FILE) \
    X(IDS_MSG_FILE_NOT_IN_BASE, TXT_MSG_FILE_NOT_IN_BASE) \
    X(IDS_MSG_TEXT_NOT_WRITABLE, TXT_MSG_TEXT_NOT_WRITABLE) \
    X(IDS_MSG_REMOVABLE_DRIVE, TXT_MSG_REMOVABLE_DRIVE) \
    X(IDS_MSG_LARGER_THAN_CD, TXT_MSG_LARGER_THAN_CD) \
    X(IDS_MSG_DISC_REOPENED, TXT_MSG_DISC_REOPENED) \
    X(IDS_MSG_NO_DISC_HERE, TXT_MSG_NO_DISC_HERE) \
    X(IDS_MSG_FOREIGN_AUTORUN, TXT_MSG_FOREIGN_AUTORUN) \
    X(IDS_MSG_SETTINGS_LEFT_OUT, TXT_MSG_SETTINGS_LEFT_OUT) \
    X(IDS_MSG_LAUNCHER_IN_USE, TXT_MSG_LAUNCHER_IN_USE) \
    X(IDS_MSG_FORCE_WITHOUT_PROGRAM, TXT_MSG_FORCE_WITHOUT_PROGRAM) \
    X(IDS_SWITCH_SPLASH, TXT_SWITCH_SPLASH) \
    X(IDS_SWITCH_SECONDARY, TXT_SWITCH_SECONDARY) \
    X(IDS_TEXT_PROGRAM1, TXT_TEXT_PROGRAM1) \
    X(IDS_TEXT_PROGRAM2, TXT_TEXT_PROGRAM2) \
    X(IDS_TEXT_SPLASH_DURATION, TXT_TEXT_SPLASH_DURATION) \
    X(IDS_IMAGE_REASON_NAME_TOO_LONG, TXT_IMAGE_REASON_NAME_TOO_LONG) \
    X(IDS_IMAGE_REASON_FILE_TOO_LARGE, TXT_IMAGE_REASON_FILE_TOO_LARGE) \
    X(IDS_IMAGE_REASON_TOO_MANY_FOLDERS, TXT_IMAGE_REASON_TOO_MANY_FOLDERS) \
    X(IDS_IMAGE_REASON_IMAGE_TOO_LARGE, TXT_IMAGE_REASON_IMAGE_TOO_LARGE) \
    X(IDS_IMAGE_REASON_READ_FAILED, TXT_IMAGE_REASON_READ_FAILED) \
    X(IDS_IMAGE_REASON_FILE_CHANGED, TXT_IMAGE_REASON_FILE_CHANGED) \
    X(IDS_IMAGE_REASON_WRITE_FAILED, TXT_IMAGE_REASON_WRITE_FAILED) \
    X(IDS_IMAGE_REASON_IN_USE, TXT_IMAGE_REASON_IN_USE) \
    X(IDS_IMAGE_REASON_READ_ONLY, TXT_IMAGE_REASON_READ_ONLY) \
    X(IDS_ACCNAME_HELP, TXT_ACCNAME_HELP) \
    X(IDS_ACCNAME_CHOOSE, TXT_ACCNAME_CHOOSE) \
    X(IDS_ACCNAME_SPLASH_IMAGE, TXT_ACCNAME_SPLASH_IMAGE) \
    X(IDS_ACCNAME_FILE, TXT_ACCNAME_FILE) \
    X(IDS_ACCNAME_SECONDS, TXT_ACCNAME_SECONDS) \
    X(IDS_ACCNAME_ORDER, TXT_ACCNAME_ORDER) \
    X(IDS_ACCNAME_CONFIRMATION, TXT_ACCNAME_CONFIRMATION)

/* clang-format on */

#endif
