// PngWriter.h: captures a window's pixels and writes them as a PNG file
// through the platform's imaging component (WIC).
#pragma once

#include <windows.h>

// Copies the whole window (frame included) from its window DC and saves it.
// Returns S_OK or the failing HRESULT.
HRESULT SaveWindowAsPng(HWND hWnd, const char* pszPath);
