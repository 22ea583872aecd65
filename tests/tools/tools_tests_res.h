// tools_tests_res.h: resource ids of the tools suite.
#pragma once

#define IDI_TOOLS_TEST 4300
