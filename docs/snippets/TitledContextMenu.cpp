// A view whose context menu carries a title.
#include <afxwin.h>
#include <TitledMenu.h>

enum
{
    ID_COPY_POSITION = 32770,
    ID_PASTE_POSITION
};

class CMapView : public CWnd
{
protected:
    afx_msg void OnContextMenu(CWnd* /*pWnd*/, CPoint pt)
    {
        CTitledMenu menu; // stays attached while the menu is shown
        menu.CreatePopupMenu();
        menu.AppendMenu(MF_STRING, ID_COPY_POSITION, "Copy position");
        menu.AppendMenu(MF_STRING, ID_PASTE_POSITION, "Paste position");
        menu.AddMenuTitle("Position");
        // WM_MEASUREITEM / WM_DRAWITEM for the title reach the menu through
        // this window's CWnd::OnMeasureItem / OnDrawItem.
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, this);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapView, CWnd)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()
