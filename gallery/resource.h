// Resource ids of the gallery's own frame (pages keep theirs in pages/*.h).
#pragma once

#define IDD_GALLERY 100
#define IDC_PAGE_TABS 101
#define IDI_GALLERY 102
#define IDB_GALLERY_STRIP 103
#define IDC_GALLERY_HAND 104
