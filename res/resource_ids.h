/* The program's dialog templates, icons and the About item's command. Plain defines,
   so that the resource script and the C++ code read the same numbers. */
#pragma once

#define IDD_ABOUT                100
#define IDD_ASSISTANT            102
#define IDI_APPLICATION_ICON     128
#define IDI_LOGO                 129
#define IDI_HELP_OVER            130
#define IDI_HELP_NORMAL          131
#define IDI_GUIDANCE_BULB        133
#define IDI_DOTS                 134
#define IDI_CD                   135
/* The logo's picture, which the form draws at its window's DPI. */
#define IDC_LOGO                 1041
#define IDM_ABOUT_COMMAND        0x0010
#define IDM_OPEN_DISC_COMMAND    0x0030
