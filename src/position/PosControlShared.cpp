// PosControlShared.cpp: registered names, notation menu and profile entry
// shared by the position edit control and the position display.
#include "PosControlShared.h"

#include "Quillon.h"

PosMessageNumbers RegisterPosMessages()
{
    PosMessageNumbers ids;
    ids.nSynchroMsg = QuillonRegisterMessage("Pos Control Message - {F960FE9C-AE48-4cc3-9FDE-54316406C3CB}");
    ids.nCmdDMS = QuillonRegisterMessage("Pos Control Message - {FE2BEC13-B21E-4f69-B6E6-C53326F80F79}");
    ids.nCmdDMX = QuillonRegisterMessage("Pos Control Message - {77AFE65D-2553-4ce6-AE5D-697418E7A9D4}");
    ids.nCmdDXX = QuillonRegisterMessage("Pos Control Message - {CB4D843B-4AB2-4de5-ABD9-1A2FC3856963}");
    ids.nCmdMetric = QuillonRegisterMessage("Pos Control Message - {D53BBD0D-DE22-4664-802A-D35254319DF9}");
    return ids;
}

void TrackPosFormatMenu(CWnd* pOwner, CPoint ptScreen, const PosMessageNumbers& ids, PosFormat nCurrent,
                        bool bWithMetric)
{
    struct Item
    {
        PosFormat nFormat;
        UINT nCmd;
        const char* pszLabel;
    };
    const Item items[] = {
        {POS_FORMAT_DMS, ids.nCmdDMS, "DMS"},
        {POS_FORMAT_DMX, ids.nCmdDMX, "DMX"},
        {POS_FORMAT_DXX, ids.nCmdDXX, "DXX"},
        {POS_FORMAT_METRIC, ids.nCmdMetric, "Metric"},
    };
    const UINT nItems = bWithMetric ? 4 : 3;

    CMenu menu;
    if (!menu.CreatePopupMenu())
        return;
    for (UINT i = 0; i < nItems; i++) {
        const UINT nCheck = items[i].nFormat == nCurrent ? MF_CHECKED : MF_UNCHECKED;
        menu.InsertMenu(i, MF_BYPOSITION | MF_STRING | nCheck, items[i].nCmd, items[i].pszLabel);
    }
    // The chosen command comes back to the owner through OnCommand.
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, pOwner);
    menu.DestroyMenu();
}

void WritePosFormatToProfile(PosFormat nFormat)
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->WriteProfileInt("Position Control", "Format", nFormat);
}
