// StaticsSupport.cpp: memory canvas, painting helpers and the timer spy.
#include "StaticsSupport.h"

#include <string.h>

CStaticsHost::CStaticsHost(COLORREF crBack) : m_crBack(crBack), m_hbrBack(::CreateSolidBrush(crBack))
{
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), m_hbrBack);
    VERIFY(CreateEx(0, pszClass, "statics test host", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, NULL, NULL));
}

CStaticsHost::~CStaticsHost()
{
    DestroyWindow();
    ::DeleteObject(m_hbrBack);
}

CtlColorResult AskColors(HWND hHost, HWND hLabel)
{
    CStaticsCanvas canvas(4, 4);
    ::SetTextColor(canvas.Dc(), kSentinelText);
    ::SetBkColor(canvas.Dc(), kSentinelBk);
    ::SetBkMode(canvas.Dc(), OPAQUE);
    HBRUSH hBrush = (HBRUSH)::SendMessageA(hHost, WM_CTLCOLORSTATIC, (WPARAM)canvas.Dc(), (LPARAM)hLabel);
    return CtlColorResult{::GetTextColor(canvas.Dc()), ::GetBkColor(canvas.Dc()), ::GetBkMode(canvas.Dc()),
                          hBrush};
}

COLORREF SolidBrushColor(HBRUSH hBrush)
{
    LOGBRUSH lb;
    if (hBrush == NULL || ::GetObjectA(hBrush, sizeof(lb), &lb) != sizeof(lb) || lb.lbStyle != BS_SOLID)
        return CLR_INVALID;
    return lb.lbColor;
}

CStaticsCanvas::CStaticsCanvas(int cx, int cy) : m_cx(cx), m_cy(cy), m_pBits(nullptr)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy; // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC hScreen = ::GetDC(NULL);
    m_hDC = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(NULL, hScreen);
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
}

CStaticsCanvas::~CStaticsCanvas()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void CStaticsCanvas::Fill(COLORREF cr)
{
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    RECT rc = {0, 0, m_cx, m_cy};
    ::FillRect(m_hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
}

COLORREF CStaticsCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD v = m_pBits[y * m_cx + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void CStaticsCanvas::CopyFromWindow(HWND hWnd)
{
    HDC hWndDC = ::GetDC(hWnd);
    ::BitBlt(m_hDC, 0, 0, m_cx, m_cy, hWndDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWndDC);
}

int CStaticsCanvas::Count(COLORREF cr, const RECT* rc) const
{
    RECT all = {0, 0, m_cx, m_cy};
    if (rc == nullptr)
        rc = &all;
    int n = 0;
    for (int y = rc->top; y < rc->bottom; y++)
        for (int x = rc->left; x < rc->right; x++)
            if (Pixel(x, y) == cr)
                n++;
    return n;
}

int CStaticsCanvas::InkRows(COLORREF crBack) const
{
    int n = 0;
    for (int y = 0; y < m_cy; y++) {
        for (int x = 0; x < m_cx; x++) {
            if (Pixel(x, y) != crBack) {
                n++;
                break;
            }
        }
    }
    return n;
}

void PaintNow(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void PumpQueued()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// ---------------------------------------------------------------------------
// Timer spy

namespace {

std::vector<CTimerSpy::Call> g_calls;
UINT_PTR(WINAPI* g_pfnSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = ::SetTimer;
BOOL(WINAPI* g_pfnKillTimer)(HWND, UINT_PTR) = ::KillTimer;

UINT_PTR WINAPI SpySetTimer(HWND hWnd, UINT_PTR nID, UINT nElapse, TIMERPROC pfn)
{
    g_calls.push_back(CTimerSpy::Call{true, hWnd, nID, nElapse});
    return g_pfnSetTimer(hWnd, nID, nElapse, pfn);
}

BOOL WINAPI SpyKillTimer(HWND hWnd, UINT_PTR nID)
{
    g_calls.push_back(CTimerSpy::Call{false, hWnd, nID, 0});
    return g_pfnKillTimer(hWnd, nID);
}

} // namespace

CTimerSpy::CTimerSpy() : m_nPatched(0)
{
    g_calls.clear();
    // The addresses user32 exports, which the modules' bound imports hold.
    g_pfnSetTimer = &::SetTimer;
    g_pfnKillTimer = &::KillTimer;
    PatchModule(::GetModuleHandleA("quillon.dll"));
    PatchModule(::GetModuleHandleA("afxlite.dll"));
}

CTimerSpy::~CTimerSpy()
{
    for (const Patch& p : m_patches) {
        DWORD dwOld;
        ::VirtualProtect(p.ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
        *p.ppEntry = p.pOriginal;
        ::VirtualProtect(p.ppEntry, sizeof(void*), dwOld, &dwOld);
    }
}

std::vector<CTimerSpy::Call> CTimerSpy::CallsFor(HWND hWnd) const
{
    std::vector<Call> out;
    for (const Call& c : g_calls)
        if (c.hWnd == hWnd)
            out.push_back(c);
    return out;
}

void CTimerSpy::Clear()
{
    g_calls.clear();
}

void CTimerSpy::PatchModule(HMODULE hModule)
{
    if (hModule == NULL)
        return;
    BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
    auto* pDos = reinterpret_cast<IMAGE_DOS_HEADER*>(pBase);
    auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return;
    bool bAny = false;
    for (auto* pDesc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress);
         pDesc->Name != 0; pDesc++) {
        if (_stricmp(reinterpret_cast<const char*>(pBase + pDesc->Name), "user32.dll") != 0)
            continue;
        // The bound addresses are compared with user32's exports, which works
        // whether or not the module carries a separate name table.
        for (auto* pThunk = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->FirstThunk);
             pThunk->u1.Function != 0; pThunk++) {
            void** ppEntry = reinterpret_cast<void**>(&pThunk->u1.Function);
            void* pNew = nullptr;
            if (*ppEntry == reinterpret_cast<void*>(g_pfnSetTimer))
                pNew = reinterpret_cast<void*>(&SpySetTimer);
            else if (*ppEntry == reinterpret_cast<void*>(g_pfnKillTimer))
                pNew = reinterpret_cast<void*>(&SpyKillTimer);
            if (pNew == nullptr)
                continue;
            DWORD dwOld;
            ::VirtualProtect(ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
            m_patches.push_back(Patch{ppEntry, *ppEntry});
            *ppEntry = pNew;
            ::VirtualProtect(ppEntry, sizeof(void*), dwOld, &dwOld);
            bAny = true;
        }
    }
    if (bAny)
        m_nPatched++;
}
