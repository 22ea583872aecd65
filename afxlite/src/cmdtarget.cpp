// cmdtarget.cpp: CCmdTarget, the root of message-map dispatch: the map
// search shared by windows and command routing, and OnCmdMsg.
#include "afxwin.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() : m_hCursorSaved(nullptr) {}

CCmdTarget::~CCmdTarget() {}

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {{0, 0, 0, 0, nullptr, nullptr, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &_messageEntries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                     UINT nID)
{
    // Registered messages (0xC000 and up) are looked up through the variable
    // of their ON_REGISTERED_MESSAGE entry: their numbers are known only at run time.
    const bool bRegistered = nMessage >= 0xC000 && nMessage <= 0xFFFF;
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfnThunk != nullptr; ++p) {
            if (bRegistered) {
                if (p->pnRegMsg != nullptr && *p->pnRegMsg == nMessage)
                    return p;
                continue;
            }
            if (p->pnRegMsg == nullptr && p->nMessage == nMessage && p->nCode == nCode && nID >= p->nID &&
                nID <= p->nLastID)
                return p;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // MFC's packing: the high word names the message (0 = WM_COMMAND), the
    // low word is the notification code, compared as a WORD.
    UINT nMsg = HIWORD(nCode);
    const UINT nCodeWord = LOWORD(nCode);
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMsg, nCodeWord, nID);
    if (pEntry == nullptr)
        return FALSE;
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }
    AFX_MSGCALL call = {nMsg, 0, 0, nID, pExtra};
    LRESULT lResult = 0;
    return pEntry->pfnThunk(this, pEntry->pfn, call, &lResult);
}

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR hPrev = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
    if (m_hCursorSaved == nullptr)
        m_hCursorSaved = hPrev;
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(m_hCursorSaved != nullptr ? m_hCursorSaved : ::LoadCursor(nullptr, IDC_ARROW));
    m_hCursorSaved = nullptr;
}

void CCmdTarget::RestoreWaitCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
