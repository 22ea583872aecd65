// MaskedRichEdit.h: CMaskedRichEdit, the masked edit over a rich edit control.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "MaskEditNotify.h"
#include "MaskedEditT.h"

// Selection of a rich edit: EM_EXGETSEL and EM_EXSETSEL. A rich edit keeps
// its caret in view by itself, so no EM_SCROLLCARET is sent.
struct CRichEditSelection
{
    static void Get(CRichEditCtrl& wnd, int& nStart, int& nEnd)
    {
        long lStart = 0, lEnd = 0;
        wnd.GetSel(lStart, lEnd);
        nStart = static_cast<int>(lStart);
        nEnd = static_cast<int>(lEnd);
    }
    static void Place(CRichEditCtrl& wnd, int nPos)
    {
        wnd.SetSel(static_cast<long>(nPos), static_cast<long>(nPos));
    }
};

class AFX_EXT_CLASS CMaskedRichEdit : public CMaskedEditT<CRichEditCtrl, CRichEditSelection>
{
    DECLARE_DYNAMIC(CMaskedRichEdit)

public:
    explicit CMaskedRichEdit(const char* pszMask = "");
    virtual ~CMaskedRichEdit();

protected:
    DECLARE_MESSAGE_MAP()
};
