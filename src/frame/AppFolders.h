// AppFolders.h: the maker's per-user and shared folders, as the application
// base places its profile file in them.  Internal to the library.
#pragma once

#include <afxwin.h>

#include <stddef.h>

// CAppFolders: a plain record of fixed-size buffers, filled by the
// constructor in field order.  The shell folders are asked for with
// CSIDL_FLAG_CREATE, so a missing base folder is created; the shell returns
// them without a trailing backslash and the company component supplies one
// on both sides.  A shell folder that cannot be had leaves the field as the
// company component alone, a path from the root of the current drive.
//
// The application component is the executable's base name and a backslash.
// A base name longer than the 64-character buffer holds with that backslash
// and the terminator is cut to its first 62 characters, so the component is
// at most 63 characters and never overflows.
struct CAppFolders
{
    enum
    {
        kFolderChars = 260, // MAX_PATH: every folder buffer, terminator included
        kAppCompChars = 64  // the application component, terminator included
    };

    char m_szCompany[kFolderChars];         // "\\Quillon Voruvuz, Inc\\"
    char m_szApp[kAppCompChars];            // executable base name + "\\"
    char m_szLocalAppData[kFolderChars];    // CSIDL_LOCAL_APPDATA + company
    char m_szDocuments[kFolderChars];       // CSIDL_PERSONAL + company
    char m_szCommonAppData[kFolderChars];   // CSIDL_COMMON_APPDATA + company
    char m_szCommonDocuments[kFolderChars]; // CSIDL_COMMON_DOCUMENTS + company

    CAppFolders();

    // Writes documents folder + application component into pszFolder (cut to
    // cchFolder - 1 characters) and makes sure that folder exists.
    void GetAppDocumentsFolder(char* pszFolder, size_t cchFolder) const;

    // Creates the folder with every missing level when GetFileAttributesA
    // does not find it; an existing folder or file is left alone.  Reports
    // nothing either way.
    static void EnsureFolder(const char* pszFolder);
};
