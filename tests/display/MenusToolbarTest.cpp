// The titled menu (its items, its measure from the bold font, its title as a
// real tracked popup draws it) and the sizing tool bar's docked layouts next
// to a plain CToolBar's.
#include <SizingToolBar.h>
#include <TitledMenu.h>

#include "StaticsSupport.h"

#include <gtest/gtest.h>

namespace {

const UINT kTitle = 0xFFFFFFFF, kSep = 0; // in the expected layouts below

// The menu's items: kTitle for an owner-drawn disabled title carrying
// pszTitle, kSep for a separator, else an enabled item of that id.
void ExpectItems(CMenu& menu, const char* pszTitle, std::vector<UINT> items)
{
    ASSERT_EQ(menu.GetMenuItemCount(), items.size());
    for (UINT i = 0; i < items.size(); ++i) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        ASSERT_TRUE(menu.GetMenuItemInfo(i, &mii, TRUE));
        const bool bTitle = items[i] == kTitle;
        EXPECT_EQ((mii.fType & MFT_OWNERDRAW) != 0, bTitle) << "position " << i;
        EXPECT_EQ((mii.fType & MFT_SEPARATOR) != 0, items[i] == kSep) << "position " << i;
        if (bTitle) {
            EXPECT_TRUE(mii.fState & MFS_DISABLED);
            EXPECT_EQ(mii.wID, ::RegisterWindowMessageA("Pop Up Menu Title"));
            EXPECT_STREQ(reinterpret_cast<const char*>(mii.dwItemData), pszTitle);
        } else if (items[i] != kSep) {
            EXPECT_EQ(mii.wID, items[i]) << "position " << i;
        }
    }
}

TEST(CTitledMenuTest, TitleItemsGoOnTopOfTheMenu)
{
    CTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 101, "One");
    menu.AppendMenu(MF_STRING, 102, "Two");
    menu.AddMenuTitle("Actions");
    ExpectItems(menu, "Actions", {kTitle, kSep, 101, 102});
    menu.AddMenuTitle("More"); // a second title above the first
    ExpectItems(menu, "More", {kTitle, kSep, kTitle, kSep, 101, 102});
}

// The title's extent in a bold ANSI_VAR_FONT, measured here independently.
CSize BoldExtent(const char* pszTitle)
{
    LOGFONTA lf;
    ::GetObjectA(::GetStockObject(ANSI_VAR_FONT), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    CFont font;
    font.CreateFontIndirect(&lf);
    CClientDC dc(NULL);
    CFont* pOld = dc.SelectObject(&font);
    const CSize size = dc.GetTextExtent(pszTitle, (int)strlen(pszTitle));
    dc.SelectObject(pOld);
    return size;
}

TEST(CTitledMenuTest, MeasuresTheTitleInItsBoldFont)
{
    CTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AddMenuTitle("Wide Bold Title WWW");
    const int nObjects = AfxLiteGdiObjectCount(), nDCs = AfxLiteDcCount();
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    menu.MeasureItem(&mis);
    const CSize text = BoldExtent("Wide Bold Title WWW");
    EXPECT_EQ(mis.itemWidth, (UINT)(text.cx + ::GetSystemMetrics(SM_CXMENUCHECK) + 10));
    EXPECT_EQ(mis.itemHeight, (UINT)(text.cy + 8));
    EXPECT_EQ(nObjects + nDCs, AfxLiteGdiObjectCount() + AfxLiteDcCount()) << "a font or the screen DC kept";
}

// Owner of a tracked popup: when the menu loop first goes idle (the popup is
// up and painted) it copies the menu window and the title's rectangle, then
// closes the menu with Escape.
class CMenuOwner : public CStaticsHost
{
public:
    CStaticsCanvas m_canvas{400, 200};
    HMENU m_hMenu = NULL;
    CRect m_rcTitle{0, 0, 0, 0}; // in the menu window's client coordinates

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_rcTitle.IsRectNull()) {
            HWND hMenuWnd = (HWND)lParam;
            ::UpdateWindow(hMenuWnd);
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
    const COLORREF crBack = ::GetSysColor(COLOR_INACTIVECAPTION), crText = ::GetSysColor(COLOR_CAPTIONTEXT);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW), crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    ASSERT_TRUE(crBack != crText && crBack != crShadow && crBack != crLight);
    CMenuOwner owner;
    CTitledMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 101, "One");
    menu.AddMenuTitle("Title");
    owner.m_hMenu = menu.m_hMenu;
    EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 20, 20, &owner), 0);

    const CRect rc = owner.m_rcTitle;
    ASSERT_FALSE(rc.IsRectNull()) << "the menu loop never went idle";
    EXPECT_EQ(rc.Height(), BoldExtent("Title").cy + 8) << "MeasureItem not reached";
    const int xMid = rc.CenterPoint().x, yMid = rc.CenterPoint().y;
    const int xText = rc.left + ::GetSystemMetrics(SM_CXMENUCHECK) + 8;
    const struct
    {
        const char* label;
        int x, y;
        COLORREF cr;
    } pixels[] = {{"top edge", xMid, rc.top, crShadow},
                  {"left edge", rc.left, yMid, crShadow},
                  {"bottom edge", xMid, rc.bottom - 1, crLight},
                  {"right edge", rc.right - 1, yMid, crLight},
                  {"right of the text", rc.right - 3, yMid, crBack},
                  {"in the indent", rc.left + 3, yMid, crBack}};
    for (const auto& p : pixels)
        EXPECT_EQ(owner.m_canvas.Pixel(p.x, p.y), p.cr) << p.label;
    const CRect indent(rc.left + 1, rc.top + 1, xText, rc.bottom - 1),
        text(xText, rc.top + 1, rc.right - 1, rc.bottom - 1);
    EXPECT_EQ(owner.m_canvas.Count(crText, &indent), 0) << "text in the check-mark indent";
    EXPECT_GT(owner.m_canvas.Count(crText, &text), 10) << "no title text";
}

// A dynamic bar of six buttons that floated three buttons wide, docked again.
void FloatThenDock(CToolBar& bar, CWnd* pParent, int& cxB, int& cyB)
{
    const UINT ids[] = {201, 202, 203, 204, 205, 206};
    ASSERT_TRUE(bar.CreateEx(pParent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(bar.SetButtons(ids, 6));
    const DWORD size = (DWORD)bar.SendMessage(TB_GETBUTTONSIZE, 0, 0);
    cxB = LOWORD(size), cyB = HIWORD(size);
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
    bar.CalcDynamicLayout(3 * cxB, LM_HORZ | LM_COMMIT);
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLOATING);
}

TEST(CSizingToolBarTest, DockedLayoutsTakeTheFloatingWidth)
{
    CStaticsHost host;
    CSizingToolBar sizing;
    CToolBar plain;
    int cxB = 0, cyB = 0;
    FloatThenDock(sizing, &host, cxB, cyB);
    FloatThenDock(plain, &host, cxB, cyB);
    // Sizes in buttons (columns x rows); 0 columns: stretched to 32767.
    const struct
    {
        const char* label;
        int nLength;
        DWORD dwMode;
        CSize sizing, plain;
    } rows[] = {
        {"docked horizontally", -1, LM_HORZ | LM_HORZDOCK, {3, 2}, {6, 1}},
        {"docked vertically", -1, LM_VERTDOCK, {3, 2}, {1, 6}},
        {"docked, with a length", 2 * cxB, LM_HORZ | LM_HORZDOCK, {3, 2}, {6, 1}},
        {"stretched", -1, LM_STRETCH | LM_HORZ, {0, 1}, {0, 1}},
        {"a length", 2 * cxB, LM_HORZ, {2, 3}, {2, 3}},
        {"no dock bit, not floating", -1, LM_HORZ, {6, 1}, {6, 1}},
    };
    auto Pixels = [&](CSize b) { return CSize(b.cx == 0 ? 32767 : b.cx * cxB, b.cy * cyB); };
    for (const auto& row : rows) {
        EXPECT_EQ(sizing.CalcDynamicLayout(row.nLength, row.dwMode), Pixels(row.sizing)) << row.label;
        EXPECT_EQ(plain.CalcDynamicLayout(row.nLength, row.dwMode), Pixels(row.plain)) << row.label;
    }
    // LM_COMMIT is kept: the docked bar's buttons now wrap after the third.
    EXPECT_EQ(sizing.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT), Pixels(CSize(3, 2)));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ((sizing.GetButtonStyle(i) & TBBS_WRAPPED) != 0, i == 2) << "button " << i;
}

} // namespace
