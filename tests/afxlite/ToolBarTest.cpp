// ToolBarTest.cpp: CToolBar layouts from a TOOLBAR resource, including the
// most recently used width a docked bar can take again.
#include <afxext.h>

#include <gtest/gtest.h>

#include "frame_resource.h"

namespace {

// A frame to hold a bar; the frame deletes itself when destroyed.
class BarHost
{
public:
    BarHost()
    {
        m_pFrame = new CFrameWnd;
        EXPECT_TRUE(m_pFrame->Create(nullptr, "bars", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
    }
    ~BarHost() { m_pFrame->DestroyWindow(); }
    CFrameWnd* m_pFrame;
};

// Buttons are the 16 x 15 images plus 7 x 7: 23 x 22.
const int cxB = 23, cyB = 22;

} // namespace

TEST(CToolBarTest, DynamicLayoutModes)
{
    enum Kind
    {
        kPlain,
        kFramed,    // flat, with borders 2, 3, 4, 5
        kSeparated, // a separator after the second button
        kFixed      // without CBRS_SIZE_DYNAMIC
    };
    const struct
    {
        const char* label;
        Kind kind;
        int nLength;
        DWORD dwMode;
        CSize expected;
    } rows[] = {
        {"docked horizontally: one row", kPlain, -1, LM_HORZ | LM_HORZDOCK, CSize(6 * cxB, cyB)},
        {"stretched across", kPlain, -1, LM_STRETCH | LM_HORZ, CSize(32767, cyB)},
        {"width 70: three per row", kPlain, 70, LM_HORZ, CSize(3 * cxB, 2 * cyB)},
        {"height 50: the narrowest that fits is two rows", kPlain, 50, LM_HORZ | LM_LENGTHY,
         CSize(3 * cxB, 2 * cyB)},
        {"height 140: one column", kPlain, 140, LM_LENGTHY, CSize(cxB, 6 * cyB)},
        {"most recently used width, never set: one row", kPlain, -1, LM_HORZ | LM_MRUWIDTH,
         CSize(6 * cxB, cyB)},
        {"borders docked", kFramed, -1, LM_HORZ | LM_HORZDOCK, CSize(6 * cxB + 6, cyB + 8)},
        {"the length includes the borders: 75 leaves 69 for three", kFramed, 75, LM_HORZ,
         CSize(3 * cxB + 6, 2 * cyB + 8)},
        {"a separator adds its width", kSeparated, -1, LM_HORZ | LM_HORZDOCK, CSize(6 * cxB + 8, cyB)},
        {"a fixed bar keeps its one row", kFixed, 70, LM_HORZ, CSize(6 * cxB, cyB)},
    };
    for (const auto& row : rows) {
        BarHost host;
        CToolBar bar;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | (row.kind == kFixed ? 0 : CBRS_SIZE_DYNAMIC);
        ASSERT_TRUE(row.kind == kFramed
                        ? bar.CreateEx(host.m_pFrame, TBSTYLE_FLAT, dwStyle, CRect(2, 3, 4, 5))
                        : bar.Create(host.m_pFrame, dwStyle));
        ASSERT_TRUE(bar.LoadToolBar(row.kind == kSeparated ? IDR_TEST_TOOLBAR_SEP : IDR_TEST_TOOLBAR));
        EXPECT_EQ(bar.CalcDynamicLayout(row.nLength, row.dwMode), row.expected) << row.label;
        if (row.kind == kFramed) {
            EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(6 * cxB + 6, cyB + 8)) << row.label;
        }
        // Without LM_COMMIT nothing wrapped for good.
        for (int i = 0; i < bar.GetCount(); ++i)
            EXPECT_EQ(bar.GetButtonStyle(i) & TBBS_WRAPPED, 0u) << row.label << ", button " << i;
    }
}

TEST(CToolBarTest, AFloatingCommitSetsTheWidthADockedBarCanTakeAgain)
{
    BarHost host;
    CToolBar bar;
    ASSERT_TRUE(bar.Create(host.m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR));
    EXPECT_EQ(bar.m_nMRUWidth, 32767);

    // Committing while docked leaves the width alone.
    bar.CalcDynamicLayout(70, LM_HORZ | LM_COMMIT);
    EXPECT_EQ(bar.m_nMRUWidth, 32767);

    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(bar.CalcDynamicLayout(100, LM_HORZ), CSize(4 * cxB, 2 * cyB));
    EXPECT_EQ(bar.m_nMRUWidth, 32767); // asked, not committed
    EXPECT_EQ(bar.CalcDynamicLayout(70, LM_HORZ | LM_COMMIT), CSize(3 * cxB, 2 * cyB));
    EXPECT_EQ(bar.m_nMRUWidth, 3 * cxB);
    // The committed wrap: the third button ends the first row.
    EXPECT_EQ(bar.GetButtonStyle(2) & TBBS_WRAPPED, (UINT)TBBS_WRAPPED);
    CRect first, fourth;
    bar.GetItemRect(0, &first);
    bar.GetItemRect(3, &fourth);
    EXPECT_EQ(fourth.left, first.left);
    EXPECT_EQ(fourth.top, first.top + cyB);
    // A floating bar asked without a length takes its remembered width.
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ), CSize(3 * cxB, 2 * cyB));

    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLOATING);
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH), CSize(3 * cxB, 2 * cyB));
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ | LM_MRUWIDTH | LM_COMMIT), CSize(3 * cxB, 2 * cyB));
    EXPECT_EQ(bar.m_nMRUWidth, 3 * cxB);
    EXPECT_EQ(bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK), CSize(6 * cxB, cyB));
}
