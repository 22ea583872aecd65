// resource.h: ids of the afxlite tests' resources.
#pragma once

#define IDS_TEST_PROMPT 101
#define IDS_TEST_REGKEY 102

#define IDD_TEST_ENTRY 201
#define IDD_TEST_TABS 202

#define IDC_NAME 1001
#define IDC_NUMBER 1002
#define IDC_CHECK 1003
#define IDC_FIRST 1011
#define IDC_SECOND 1012
#define IDC_THIRD 1013
#define IDC_RADIO_A 1021
#define IDC_RADIO_B 1022
#define IDC_RADIO_C 1023
