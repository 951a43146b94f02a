// Resource numbers and window names of the launcher, shared by its resource script and
// the tests that find its windows.
#pragma once

#define IDI_LAUNCHER 1

#define IDD_STATUS 100
#define IDC_STATUS_TEXT 1001
#define IDC_MESSAGES 1002

#define IDD_PROMPT 101
#define IDC_PROMPT_TEXT 1003
#define IDC_DONT_ASK 1004
// The disc's icon beside the text of either window.
#define IDC_PICTURE 1005

#define LAUNCHER_TITLE "Plivora"
#define PROMPT_TITLE "Plivora - Secondary Program"
#define RESTART_TITLE "Plivora - Restart"
#define SPLASH_CLASS "PlivoraSplash"
