// PngWriter.h: captures a window's pixels and writes them as a PNG file
// through the platform's imaging component (WIC).
#pragma once

#include <windows.h>

// Copies the window's client area (no frame) from its DC and saves it.
// Returns S_OK or the failing HRESULT.
HRESULT SaveWindowAsPng(HWND hWnd, const char* pszPath);
