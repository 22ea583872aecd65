// The titled menu and the sizing tool bar: the title items a menu gets, the
// size measured from the title font, the title drawn by a real tracked popup
// (closed by a scripted Escape), and the docked layouts of the tool bar
// compared with a plain CToolBar's.
#include <SizingToolBar.h>
#include <TitledMenu.h>

#include "StaticsSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT ID_ONE = 101, ID_TWO = 102;

// CTitledMenu with its title id in view.
class CTestTitledMenu : public CTitledMenu
{
public:
    UINT TitleID() const { return m_nTitleID; }
};

struct ItemRow
{
    const char* label;
    UINT nPos;
    bool bTitle;     // owner-drawn disabled title item
    bool bSeparator; // separator
    UINT nID;        // for the plain items
};

void CheckItems(CTestTitledMenu& menu, const char* pszTitle, const ItemRow* rows, size_t nRows)
{
    ASSERT_EQ(menu.GetMenuItemCount(), (UINT)nRows);
    for (size_t i = 0; i < nRows; ++i) {
        const ItemRow& row = rows[i];
        SCOPED_TRACE(row.label);
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        ASSERT_TRUE(menu.GetMenuItemInfo(row.nPos, &mii, TRUE));
        EXPECT_EQ((mii.fType & MFT_OWNERDRAW) != 0, row.bTitle);
        EXPECT_EQ((mii.fType & MFT_SEPARATOR) != 0, row.bSeparator);
        if (row.bTitle) {
            EXPECT_EQ(mii.wID, ::RegisterWindowMessageA("Pop Up Menu Title"));
            EXPECT_EQ(mii.wID, menu.TitleID());
            EXPECT_TRUE(mii.fState & MFS_DISABLED);
            EXPECT_STREQ(reinterpret_cast<const char*>(mii.dwItemData), pszTitle);
        } else if (!row.bSeparator) {
            EXPECT_EQ(mii.wID, row.nID);
            EXPECT_FALSE(mii.fState & MFS_DISABLED);
        }
    }
}

TEST(CTitledMenuTest, TitleItemsGoOnTopOfTheMenu)
{
    CTestTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_ONE, "One");
    menu.AppendMenu(MF_STRING, ID_TWO, "Two");

    menu.AddMenuTitle("Actions");
    const ItemRow once[] = {{"title", 0, true, false, 0},
                            {"separator under it", 1, false, true, 0},
                            {"former item 0", 2, false, false, ID_ONE},
                            {"former item 1", 3, false, false, ID_TWO}};
    CheckItems(menu, "Actions", once, 4);

    menu.AddMenuTitle("More");
    const ItemRow twice[] = {{"second title", 0, true, false, 0},
                             {"its separator", 1, false, true, 0},
                             {"first title, moved down", 2, true, false, 0},
                             {"first separator", 3, false, true, 0},
                             {"former item 0", 4, false, false, ID_ONE},
                             {"former item 1", 5, false, false, ID_TWO}};
    CheckItems(menu, "More", twice, 6);
}

// The title's extent in a bold ANSI_VAR_FONT, measured here independently.
CSize BoldTitleExtent(const char* pszTitle)
{
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(ANSI_VAR_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size;
    ::GetTextExtentPoint32A(hDC, pszTitle, (int)strlen(pszTitle), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    ::DeleteObject(hFont);
    return CSize(size);
}

TEST(CTitledMenuTest, MeasuresTheTitleInItsBoldFont)
{
    const char kTitle[] = "Wide Bold Title WWW";
    CTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddMenuTitle(kTitle);
    const int nFonts = AfxLiteGdiObjectCount(), nDCs = AfxLiteDcCount();

    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = ::RegisterWindowMessageA("Pop Up Menu Title");
    menu.MeasureItem(&mis);
    const CSize text = BoldTitleExtent(kTitle);
    EXPECT_EQ(mis.itemWidth, (UINT)(text.cx + ::GetSystemMetrics(SM_CXMENUCHECK) + 10));
    EXPECT_EQ(mis.itemHeight, (UINT)(text.cy + 8));
    EXPECT_EQ(AfxLiteGdiObjectCount(), nFonts);
    EXPECT_EQ(AfxLiteDcCount(), nDCs) << "the screen DC was not released";
}

// Owner of the tracked popup: when the menu loop goes idle (the popup is up
// and painted) it copies the menu window and the title item's rectangle,
// then closes the menu with Escape.
class CMenuOwner : public CStaticsHost
{
public:
    CMenuOwner() : m_canvas(400, 200), m_hMenu(NULL), m_bSeen(false) {}

    CStaticsCanvas m_canvas;
    HMENU m_hMenu;
    bool m_bSeen;
    CRect m_rcTitle; // in the menu window's client coordinates

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !m_bSeen) {
            m_bSeen = true;
            HWND hMenuWnd = (HWND)lParam;
            ::UpdateWindow(hMenuWnd);
            m_canvas.Fill(RGB(1, 2, 3));
            m_canvas.CopyFromWindow(hMenuWnd);
            ::GetMenuItemRect(NULL, m_hMenu, 0, &m_rcTitle); // NULL: the popup's own window
            ::MapWindowPoints(NULL, hMenuWnd, (POINT*)&m_rcTitle, 2);
            ::PostMessageA(hMenuWnd, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        return CStaticsHost::WindowProc(message, wParam, lParam);
    }
};

TEST(CTitledMenuTest, ATrackedPopupDrawsTheTitleInCaptionColours)
{
    const COLORREF crBack = ::GetSysColor(COLOR_INACTIVECAPTION);
    const COLORREF crText = ::GetSysColor(COLOR_CAPTIONTEXT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    ASSERT_NE(crBack, crText);
    ASSERT_NE(crBack, crShadow);

    CMenuOwner owner;
    CTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, ID_ONE, "One");
    menu.AddMenuTitle("Title");
    owner.m_hMenu = menu.m_hMenu;
    owner.SetForegroundWindow();

    EXPECT_EQ(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 20, 20, &owner), 0)
        << "Escape chooses nothing";
    ASSERT_TRUE(owner.m_bSeen) << "the menu loop never went idle";

    const CRect& rc = owner.m_rcTitle;
    const CStaticsCanvas& c = owner.m_canvas;
    EXPECT_EQ(rc.Height(), BoldTitleExtent("Title").cy + 8) << "MeasureItem not reached";
    const int yMid = rc.top + rc.Height() / 2;
    struct
    {
        const char* label;
        int x, y;
        COLORREF cr;
    } pixels[] = {
        {"top edge: sunken (shadow)", rc.left + rc.Width() / 2, rc.top, crShadow},
        {"left edge: sunken (shadow)", rc.left, yMid, crShadow},
        {"bottom edge: sunken (light)", rc.left + rc.Width() / 2, rc.bottom - 1, crLight},
        {"right edge: sunken (light)", rc.right - 1, yMid, crLight},
        {"inside, right of the text", rc.right - 3, yMid, crBack},
        {"inside, in the indent", rc.left + 3, yMid, crBack},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(c.Pixel(p.x, p.y), p.cr) << p.label;

    // The text: caption-text pixels only after the check-mark indent.
    const int xText = rc.left + ::GetSystemMetrics(SM_CXMENUCHECK) + 8;
    const CRect indent(rc.left + 1, rc.top + 1, xText, rc.bottom - 1);
    const CRect text(xText, rc.top + 1, rc.right - 1, rc.bottom - 1);
    EXPECT_EQ(c.Count(crText, &indent), 0);
    EXPECT_GT(c.Count(crText, &text), 10);
}

// ---------------------------------------------------------------------------
// CSizingToolBar

const UINT kButtons[] = {201, 202, 203, 204, 205, 206};

// A dynamic bar of six buttons that floated at three buttons wide (so its
// most recently used width is 3 buttons) and is docked again.
template <class TBar> void MakeBar(TBar& bar, CWnd* pParent)
{
    ASSERT_TRUE(bar.CreateEx(pParent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(bar.SetButtons(kButtons, 6));
    const int cxB = LOWORD(bar.SendMessage(TB_GETBUTTONSIZE, 0, 0));
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
    bar.CalcDynamicLayout(3 * cxB, LM_HORZ | LM_COMMIT);
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLOATING);
    ASSERT_EQ(bar.m_nMRUWidth, 3 * cxB);
}

TEST(CSizingToolBarTest, DockedLayoutsTakeTheFloatingWidth)
{
    CStaticsHost host;
    CSizingToolBar sizing;
    CToolBar plain;
    MakeBar(sizing, &host);
    MakeBar(plain, &host);
    const DWORD size = (DWORD)sizing.SendMessage(TB_GETBUTTONSIZE, 0, 0);
    const int cxB = LOWORD(size), cyB = HIWORD(size);

    // Sizes in buttons (columns x rows); 0 columns stands for the stretch.
    struct
    {
        const char* label;
        int nLength;
        DWORD dwMode;
        CSize sizing, plain;
    } rows[] = {
        {"docked horizontally", -1, LM_HORZ | LM_HORZDOCK, {3, 2}, {6, 1}},
        {"docked vertically", -1, LM_VERTDOCK, {3, 2}, {1, 6}},
        {"docked with a length", 2 * cxB, LM_HORZ | LM_HORZDOCK, {3, 2}, {6, 1}},
        {"stretched", -1, LM_STRETCH | LM_HORZ, {0, 1}, {0, 1}},
        {"a length, not docked", 2 * cxB, LM_HORZ, {2, 3}, {2, 3}},
        {"a height, not docked", 3 * cyB, LM_HORZ | LM_LENGTHY, {2, 3}, {2, 3}},
        {"no dock bit, not floating", -1, LM_HORZ, {6, 1}, {6, 1}},
    };
    auto Expected = [&](CSize buttons) {
        return CSize(buttons.cx == 0 ? 32767 : buttons.cx * cxB, buttons.cy * cyB);
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(sizing.CalcDynamicLayout(row.nLength, row.dwMode), Expected(row.sizing));
        EXPECT_EQ(plain.CalcDynamicLayout(row.nLength, row.dwMode), Expected(row.plain));
    }

    // LM_COMMIT is kept: the docked bar's buttons now wrap after the third.
    EXPECT_EQ(sizing.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT), Expected(CSize(3, 2)));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ((sizing.GetButtonStyle(i) & TBBS_WRAPPED) != 0, i == 2) << "button " << i;
    EXPECT_EQ(sizing.m_nMRUWidth, 3 * cxB) << "a docked commit keeps the floating width";
}

} // namespace
