// Resource ids of the extended-button tests.
#pragma once

#define IDI_BUTTON_ACTIVE 1401
#define IDI_BUTTON_INACTIVE 1402
#define IDC_BUTTON_CURSOR 1403
#define IDS_BUTTON_TIP 1404
#define IDS_BUTTON_EMPTY 1405
