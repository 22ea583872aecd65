// afxdlgs.h: standard dialogs.  afxlite provides only CCommonDialog, the
// base of dialogs that wrap a system dialog (the library's folder picker
// derives from it).  MFC's CFileDialog, CColorDialog, CFontDialog,
// CPrintDialog, CFindReplaceDialog and the property sheets are not provided:
// code that names them does not compile.
#pragma once

#include "afxwin.h"

// CCommonDialog: a CDialog without a template.  A derived class overrides
// DoModal to run its system dialog; CDialog::DoModal on it fails loudly
// (there is no template to create).
class AFXLITE_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)

public:
    explicit CCommonDialog(CWnd* pParentWnd);
    virtual ~CCommonDialog();
};
