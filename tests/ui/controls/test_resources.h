// Resources of the control tests; the numbers keep clear of the program's own.
#pragma once

#define IDD_CONTROL_HOST 900
#define IDI_TEST_OVER 901
#define IDI_TEST_NORMAL 902
#define IDI_TEST_BIG 903
#define IDI_TEST_ODD 904
#define IDI_TEST_MISSING 999
#define IDM_TEST_HOLD 910
#define IDM_TEST_HOLD_FIRST 40001
