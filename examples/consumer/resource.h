#pragma once
#define IDD_CONSUMER 100
#define IDC_DATE 101
