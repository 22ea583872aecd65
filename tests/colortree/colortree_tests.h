// Resource ids of the colour tree tests' dialog template.
#pragma once

#define IDD_TREE_TEST 5000
#define IDC_TREE 5001
