// thread.cpp: CWinThread, the message loop and its idle processing.
#include "afxwin.h"

#include <cstring>

namespace {

// The thread object of the calling thread (the application object on the
// thread that constructed it).
thread_local CWinThread* t_pCurrentThread = nullptr;

} // namespace

// Used by CWinApp's constructor and destructor (app.cpp).
CWinThread* AfxLiteSetCurrentThread(CWinThread* pThread)
{
    CWinThread* pOld = t_pCurrentThread;
    t_pCurrentThread = pThread;
    return pOld;
}

CWinThread* AFXAPI AfxGetThread()
{
    return t_pCurrentThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(nullptr), m_pActiveWnd(nullptr), m_bAutoDelete(TRUE), m_hThread(::GetCurrentThread()),
      m_nThreadID(::GetCurrentThreadId()), m_nMsgLast(0)
{
    std::memset(&m_msgCur, 0, sizeof(m_msgCur));
    // A position no real message has, so the first mouse move counts as input.
    m_ptCursorLast.x = m_ptCursorLast.y = -0x7FFF;
}

CWinThread::~CWinThread()
{
    ASSERT_MSG(t_pCurrentThread != this, "CWinThread destroyed while still the current thread object");
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pActiveWnd != nullptr ? m_pActiveWnd : m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
    return FALSE; // a thread object must say what it runs
}

BOOL CWinThread::CreateThread(DWORD, UINT, LPSECURITY_ATTRIBUTES)
{
    AFXLITE_UNSUPPORTED("CWinThread::CreateThread: afxlite runs only the application's own thread");
    return FALSE;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        // Idle until there is work or the idle handler has nothing left to do.
        while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        // Pump until the queue is empty again.
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageA(&m_msgCur, NULL, 0, 0))
        return FALSE; // WM_QUIT
    if (!PreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageA(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    ASSERT_MSG(pMsg != nullptr, "CWinThread::PreTranslateMessage: null message");
    if (pMsg->hwnd == NULL)
        return FALSE; // a thread message: no window to offer it to

    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd != nullptr ? pMainWnd->GetSafeHwnd() : NULL;
    // The target window and its parents, up to the main window.
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A window outside the main window's family (a modeless tool window it
    // owns, say) still lets the main window translate its keys; a window the
    // main window owns already went through it above.
    if (hWndMain != NULL) {
        HWND hWndRoot = ::GetAncestor(pMsg->hwnd, GA_ROOTOWNER);
        if (hWndRoot != hWndMain)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that do not move, and paints and caret blinks, are not input.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    const UINT WM_SYSTIMER = 0x0118; // the caret's timer
    return pMsg->message != WM_PAINT && pMsg->message != WM_SYSTIMER;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount >= 0) {
        // FromHandle wrappers live only until the loop goes idle.
        CWnd::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CMenu::DeleteTempMap();
    }
    return lCount < 0;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}
