// Asking for the folder that track logs go to.
#include <afxwin.h>
#include <FolderDialog.h>

// Returns the chosen folder (ending in a backslash), or strCurrent when the
// user cancels.
CString AskLogFolder(CWnd* pOwner, const CString& strCurrent)
{
    // The title and the initial folder are kept as pointers: they must
    // outlive DoModal (here they do: both live in this frame).
    CFolderDialog dlg(pOwner->GetSafeHwnd(), const_cast<char*>(""), "Folder for the track logs",
                      BIF_RETURNONLYFSDIRS, strCurrent, "C:\\");
    if (dlg.DoModal() != IDOK)
        return strCurrent;
    return dlg.GetPathName(); // "C:\\Logs\\", or "D:\\" for a drive's root
}
