#pragma once
#define IDD_CONSUMER 100
#define IDC_PHONE 1001
#define IDC_LATITUDE 1002
#define IDC_TITLE 1003
