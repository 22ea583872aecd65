// ResizingDialog.cpp: CResizingDialog, registered controls laid out from the
// dialog's growth since OnInitDialog.
#include "ResizingDialog.h"

#include "DlgLayout.h"

BEGIN_MESSAGE_MAP(CResizingDialog, CScrollDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CResizingDialog::CResizingDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CScrollDialog(nIDTemplate, pParentWnd), m_rcInitialWindow(0, 0, 0, 0)
{}

CResizingDialog::~CResizingDialog()
{
    FreeRecords();
}

void CResizingDialog::FreeRecords()
{
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); ++i)
        delete static_cast<DlgControlInfo*>(m_arrControls.GetAt(i));
    m_arrControls.RemoveAll();
}

void CResizingDialog::DoDataExchange(CDataExchange* pDX)
{
    CScrollDialog::DoDataExchange(pDX);
}

BOOL CResizingDialog::OnInitDialog()
{
    CScrollDialog::OnInitDialog();
    GetWindowRect(&m_rcInitialWindow);
    FreeRecords();
    EnableGripper(false);
    return TRUE;
}

void CResizingDialog::AddDlgControl(UINT nID, bool bKeepTop, bool bKeepBottom, bool bKeepLeft,
                                    bool bKeepRight)
{
    HWND hCtrl = ::IsWindow(m_hWnd) ? ::GetDlgItem(m_hWnd, static_cast<int>(nID)) : NULL;
    if (hCtrl == NULL)
        return;
    CRect rc;
    ::GetWindowRect(hCtrl, &rc);
    ScreenToClient(&rc);
    m_arrControls.Add(new DlgControlInfo{nID, rc, bKeepTop, bKeepBottom, bKeepLeft, bKeepRight});
}

void CResizingDialog::OnSize(UINT nType, int cx, int cy)
{
    CScrollDialog::OnSize(nType, cx, cy);
    if (!::IsWindow(m_hWnd) || cx < 1 || cy < 1)
        return;

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const int dx = rcWindow.Width() - m_rcInitialWindow.Width();
    const int dy = rcWindow.Height() - m_rcInitialWindow.Height();

    bool bMoved = false;
    for (INT_PTR i = 0; i < m_arrControls.GetSize(); ++i) {
        const DlgControlInfo* pInfo = static_cast<const DlgControlInfo*>(m_arrControls.GetAt(i));
        HWND hCtrl = ::GetDlgItem(m_hWnd, static_cast<int>(pInfo->nID));
        if (hCtrl == NULL)
            continue;
        const RECT& r = pInfo->rcInitial;
        const DlgLayoutEdges rc =
            DlgLayoutPlace({r.left, r.top, r.right, r.bottom}, pInfo->bKeepTop, pInfo->bKeepBottom,
                           pInfo->bKeepLeft, pInfo->bKeepRight, dx, dy);
        ::MoveWindow(hCtrl, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
        bMoved = true;
    }
    // Once for all records: the area the controls left must be erased.
    if (bMoved)
        InvalidateRect(NULL, TRUE);
}
