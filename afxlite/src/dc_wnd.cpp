// dc_wnd.cpp: the device contexts that belong to a window (CPaintDC,
// CClientDC, CWindowDC) and the CDC members that need CWnd.
#include "afxwin.h"
#include "gdi_internal.h"

CWnd* CDC::GetWindow() const
{
    ASSERT_MSG(m_hDC != nullptr, "CDC::GetWindow: no DC");
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    ASSERT_MSG(pWnd != nullptr && pWnd->m_hWnd != nullptr, "CDC::ExcludeUpdateRgn: no window");
    return ::ExcludeUpdateRgn(m_hDC, pWnd->m_hWnd);
}

/////////////////////////////////////////////////////////////////////////////
// CPaintDC

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(nullptr)
{
    ASSERT_MSG(pWnd != nullptr && ::IsWindow(pWnd->m_hWnd), "CPaintDC: no window");
    m_hWnd = pWnd->m_hWnd;
    VERIFY(AttachObtained(::BeginPaint(m_hWnd, &m_ps)));
}

CPaintDC::~CPaintDC()
{
    ASSERT(m_hDC != nullptr);
    ::EndPaint(m_hWnd, &m_ps);
    DetachObtained();
}

/////////////////////////////////////////////////////////////////////////////
// CClientDC

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    VERIFY(AttachObtained(::GetDC(m_hWnd)));
}

CClientDC::~CClientDC()
{
    ASSERT(m_hDC != nullptr);
    ::ReleaseDC(m_hWnd, DetachObtained());
}

/////////////////////////////////////////////////////////////////////////////
// CWindowDC

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    VERIFY(AttachObtained(::GetWindowDC(m_hWnd)));
}

CWindowDC::~CWindowDC()
{
    ASSERT(m_hDC != nullptr);
    ::ReleaseDC(m_hWnd, DetachObtained());
}
