// PathUtil.h: splitting and rebuilding file paths held in CString.  Internal
// to the library; pure string work, built into quillon.dll and natively alike.
#pragma once

#include <afx.h>

// Splits strPath into drive, directory, file name and extension by the rules
// of the run-time library's _splitpath: the drive is the first two characters
// when the second is ':'; the directory runs to the last '\\' or '/' and keeps
// it; the extension starts at the last '.' after that and keeps the dot; the
// file name is what lies between.  A UNC path ("\\\\server\\share\\x") has no
// drive: the server and share are part of the directory.  Unlike _splitpath
// the pieces have no length limit.  Any output may be null: that piece is not
// returned.
void SplitPath(const CString& strPath, CString* pDrive, CString* pDir, CString* pFName, CString* pExt);

// Empties strPath, then appends drive, directory, file name and extension in
// that order, skipping null pieces.  No separator is added: the pieces carry
// their own, as SplitPath returns them.
void JoinPath(CString& strPath, const CString* pDrive, const CString* pDir, const CString* pFName,
              const CString* pExt);

// Rebuilds strPath from its drive, directory and file name and lpszExt
// (which brings its own dot, e.g. ".ini"): "Tool" and "Tool.exe" both give
// "Tool.ini"; "a.b.c" gives "a.b.ini".
void ReplaceExtension(CString& strPath, const char* lpszExt);
