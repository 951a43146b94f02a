/* Identifiers of the form's controls. Plain defines, so that the resource script and
   the C++ code read the same numbers. */
#ifndef PLIVORA_CONTROL_IDS_H
#define PLIVORA_CONTROL_IDS_H

/* Commands that double as the platform's OK and Cancel. */
#define IDC_EXIT_BUTTON          1
#define IDC_CREATE_BUTTON        2
#define IDC_TEST_BUTTON          3

#define IDC_BASE_FOLDER_BOX      1000
#define IDC_ICON_BOX             1001
#define IDC_TARGET_BOX           1002
#define IDC_VERBOSE_CHECK        1003
#define IDC_NO_REGISTRY_CHECK    1004
#define IDC_HIDE_CHECK           1005
#define IDC_FORCE_CHECK          1006
#define IDC_PROGRAM1_BOX         1007
#define IDC_PROGRAM2_BOX         1008
#define IDC_BASE_FOLDER_BUTTON   1009
#define IDC_TARGET_BUTTON        1010
#define IDC_ICON_BUTTON          1011
#define IDC_SECONDARY_BOX        1012
#define IDC_SECONDARY_BUTTON     1013
#define IDC_HELP_BASE_FOLDER     1014
#define IDC_HELP_TARGET          1015
#define IDC_HELP_ICON            1016
#define IDC_HELP_VERBOSE         1017
#define IDC_HELP_NO_REGISTRY     1018
#define IDC_HELP_HIDE            1019
#define IDC_HELP_FORCE           1020
#define IDC_PARAMETERS_LABEL     1021
#define IDC_SWITCHES_LABEL       1022
#define IDC_DIVIDER              1023
#define IDC_HELP_SECONDARY       1024
#define IDC_GUIDANCE_LABEL       1025
#define IDC_PROGRAM1_CAPTION     1026
#define IDC_PROGRAM2_CAPTION     1027
#define IDC_TARGET_CAPTION       1028
#define IDC_ICON_CAPTION         1029
#define IDC_ICON_PREVIEW         1030
#define IDC_BASE_FOLDER_CAPTION  1031
#define IDC_SECONDARY_CHECK      1032
#define IDC_SPLASH_CHECK         1033
#define IDC_HELP_SPLASH          1034
#define IDC_SPLASH_BOX           1035
#define IDC_SPLASH_BUTTON        1036
#define IDC_HELP_SECONDARY_PARAMS 1037
#define IDC_SECONDS_BOX          1038
#define IDC_ORDER_LIST           1039
#define IDC_PROMPT_LIST          1040

/* The system menu's Make Disc Image item: enabled and greyed by the form's rules like a
   control, so its command id doubles as its role. Outside the About item's 0x0010-0x001F. */
#define IDM_MAKE_IMAGE_COMMAND   0x0020

#if defined(__cplusplus) && !defined(RC_INVOKED)
namespace plivora {

// The form's controls by role.
enum ControlRole : int {
    BaseFolderBox = IDC_BASE_FOLDER_BOX,
    BaseFolderButton = IDC_BASE_FOLDER_BUTTON,
    TargetCaption = IDC_TARGET_CAPTION,
    TargetBox = IDC_TARGET_BOX,
    TargetButton = IDC_TARGET_BUTTON,
    IconCaption = IDC_ICON_CAPTION,
    IconPreview = IDC_ICON_PREVIEW,
    IconBox = IDC_ICON_BOX,
    IconButton = IDC_ICON_BUTTON,
    VerboseCheck = IDC_VERBOSE_CHECK,
    NoRegistryCheck = IDC_NO_REGISTRY_CHECK,
    HideCheck = IDC_HIDE_CHECK,
    ForceCheck = IDC_FORCE_CHECK,
    Program1Caption = IDC_PROGRAM1_CAPTION,
    Program1Box = IDC_PROGRAM1_BOX,
    Program2Caption = IDC_PROGRAM2_CAPTION,
    Program2Box = IDC_PROGRAM2_BOX,
    SecondaryCheck = IDC_SECONDARY_CHECK,
    SecondaryBox = IDC_SECONDARY_BOX,
    SecondaryButton = IDC_SECONDARY_BUTTON,
    OrderList = IDC_ORDER_LIST,
    PromptList = IDC_PROMPT_LIST,
    SplashCheck = IDC_SPLASH_CHECK,
    SplashBox = IDC_SPLASH_BOX,
    SplashButton = IDC_SPLASH_BUTTON,
    SecondsBox = IDC_SECONDS_BOX,
    CreateButton = IDC_CREATE_BUTTON,
    TestButton = IDC_TEST_BUTTON,
    ExitButton = IDC_EXIT_BUTTON,
    GuidanceLabel = IDC_GUIDANCE_LABEL,
    MakeImageItem = IDM_MAKE_IMAGE_COMMAND,
};

}  // namespace plivora
#endif

#endif
