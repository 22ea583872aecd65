// FolderDialog.h: the shell's folder browser, returning the chosen folder as
// a path that always ends in a backslash.
#pragma once

#include "Quillon.h"

#include <shlobj.h>

// CFolderDialog: construct it with the browse options, call DoModal, read
// GetPathName after IDOK.  A plain class (no window of its own).
//
// Strings: every const char* argument must not be null; "" means "none".
// The title and the initial folder are kept as the caller's pointers (the
// shell's browse description holds pointers), so they must stay valid until
// DoModal returns.  The display-name argument is accepted and not used.
//
// Initial folder: selected when the browser opens (BFFM_SETSELECTION posted
// from the browse callback's BFFM_INITIALIZED).  Root folder: parsed into an
// item list through the desktop folder at construction; a path that does not
// parse is ignored and the whole namespace is shown.
//
// Result: IDOK with m_strPath set to the chosen folder's file-system path,
// with one backslash appended unless it already ends in one (a drive's
// root, "C:\"); IDCANCEL when the user cancels or chooses a folder that has
// no file-system path (a virtual folder), m_strPath then unchanged.
//
// Copies: the copy constructor and operator= copy m_strPath and m_bi member
// by member, so copies share the root item list and the strings.
// Decision: the root item list is released exactly once, by the last object
// that refers to it.  The library keeps a count of the objects sharing each
// root item list it parsed (a private table, guarded for use from several
// threads); construction counts one, a copy counts one more, destruction
// and assignment over an object count one less, and the one that brings the
// count to zero frees the list with the shell's allocator.  An item list the
// library did not parse (one a host put into m_bi.pidlRoot itself) is never
// freed by it.
class AFX_EXT_CLASS CFolderDialog
{
    // Construction
public:
    // pszDisplayName defaults to "" (cast: the shell's member is a char*).
    CFolderDialog(HWND hWndOwner = NULL, char* pszDisplayName = const_cast<char*>(""),
                  const char* lpszTitle = "", UINT nFlags = 0, const char* lpszInitialFolder = "",
                  const char* lpszRootFolder = "");
    CFolderDialog(const CFolderDialog& other);            // shares the root item list
    CFolderDialog& operator=(const CFolderDialog& other); // shares the root item list
    virtual ~CFolderDialog(); // releases this object's share of the root item list

    // Operations
public:
    // Runs the shell's modal browser: IDOK or IDCANCEL (above).
    int DoModal();
    // The text of m_strPath: valid while the object lives and the path is unchanged.
    const char* GetPathName();

    // Attributes (public, as CFileDialog's m_ofn: a host may adjust the
    // description before DoModal)
public:
    CString m_strPath; // the chosen folder after DoModal returned IDOK, with a trailing backslash
    BROWSEINFO m_bi;   // the browse description: owner, root, title, flags, callback, initial folder
};
