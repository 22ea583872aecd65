// gdi_internal.h: afxlite-private bookkeeping behind AfxLiteGdiObjectCount
// and AfxLiteDcCount, shared by the GDI, DC and tool-bar sources.
#pragma once

#include "afxlite_config.h"

// An object a wrapper created / deleted.
void AfxLiteGdiCountCreated(HGDIOBJ h);
void AfxLiteGdiCountDeleted(HGDIOBJ h);
// A DC a wrapper created or obtained / deleted or gave back.
void AfxLiteDcCountHeld(HDC h);
void AfxLiteDcCountReleased(HDC h);
