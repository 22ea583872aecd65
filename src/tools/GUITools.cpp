// GUITools.cpp: CGUITools, rich-text markup and similar window classes.
#include "GUITools.h"

#include <richedit.h>

namespace {

struct MarkupKind
{
    const char* pszOpen;
    const char* pszClose;
    DWORD dwEffect;  // effect added, or 0 for a colour kind
    COLORREF crText; // colour of a colour kind
};

// Indexed by CGUITools::enum_re_flag.
const MarkupKind kKinds[] = {
    {"<u>", "</u>", CFE_UNDERLINE, 0},
    {"<b>", "</b>", CFE_BOLD, 0},
    {"<i>", "</i>", CFE_ITALIC, 0},
    {"<red>", "</red>", 0, RGB(255, 0, 0)},
    {"<green>", "</green>", 0, RGB(0, 128, 0)},
    {"<blue>", "</blue>", 0, RGB(0, 0, 255)},
    {"<orange>", "</orange>", 0, RGB(255, 128, 0)},
};
const int kKindCount = sizeof(kKinds) / sizeof(kKinds[0]);

// Position of the first occurrence of a tag in the whole text, any case, or -1.
long FindTag(const CRichEditCtrl& richEdit, const char* pszTag)
{
    FINDTEXTEXA ft = {};
    ft.chrg.cpMin = 0;
    ft.chrg.cpMax = -1;
    ft.lpstrText = pszTag;
    return richEdit.FindText(FR_DOWN, &ft);
}

// Removes a range of text without recording undo.
void RemoveRange(CRichEditCtrl& richEdit, long nStart, long nEnd)
{
    richEdit.SetSel(nStart, nEnd);
    richEdit.ReplaceSel("", FALSE);
}

void SelectAll(CRichEditCtrl& richEdit)
{
    richEdit.SetSel(0, richEdit.GetTextLength());
}

} // namespace

CGUITools::CGUITools() {}

CGUITools::CGUITools(const CGUITools&) {}

CGUITools& CGUITools::operator=(const CGUITools&)
{
    return *this;
}

CGUITools::~CGUITools() {}

void CGUITools::ParseRichEdit(CRichEditCtrl& richEdit)
{
    SelectAll(richEdit);
    CHARFORMAT2 cf;
    richEdit.GetSelectionCharFormat(cf);
    cf.dwEffects = CFE_PROTECTED;
    cf.wWeight = FW_NORMAL; // the weight goes with the bold effect (see below)
    cf.crTextColor = RGB(0, 0, 0);
    cf.crBackColor = RGB(255, 255, 255);
    richEdit.SetSelectionCharFormat(cf);

    for (int nKind = 0; nKind < kKindCount; ++nKind) {
        SelectAll(richEdit);
        ParseRichEditFlag(richEdit, static_cast<enum_re_flag>(nKind));
    }
    SelectAll(richEdit);
}

void CGUITools::ParseRichEditFlag(CRichEditCtrl& richEdit, enum_re_flag flag)
{
    ASSERT_MSG(flag >= 0 && flag < kKindCount, "CGUITools::ParseRichEditFlag: unknown markup kind");
    if (flag < 0 || flag >= kKindCount)
        return;
    const MarkupKind& kind = kKinds[flag];
    const long nOpenLen = (long)strlen(kind.pszOpen);
    const long nCloseLen = (long)strlen(kind.pszClose);
    for (;;) {
        richEdit.SetSel(0, 0);
        const long nOpen = FindTag(richEdit, kind.pszOpen);
        const long nClose = FindTag(richEdit, kind.pszClose);
        if (nOpen < 0 || nClose < 0 || nOpen >= nClose) {
            richEdit.SetSel(0, 0);
            return;
        }
        // The format as read carries only the attributes uniform over the
        // range in its mask; writing it back with that mask leaves the others.
        richEdit.SetSel(nOpen, nClose + nCloseLen);
        CHARFORMAT2 cf;
        richEdit.GetSelectionCharFormat(cf);
        if (kind.dwEffect != 0) {
            cf.dwEffects |= kind.dwEffect;
            // A CHARFORMAT2 carries the weight beside the bold effect, and a
            // uniform range has both in its mask. Windows' rich edit keeps the
            // two in step; Wine's draws the weight when both are given, so the
            // weight is set to match or bold would not show there.
            if (kind.dwEffect == CFE_BOLD)
                cf.wWeight = FW_BOLD;
        } else {
            cf.dwEffects &= ~CFE_AUTOCOLOR;
            cf.crTextColor = kind.crText;
        }
        richEdit.SetSelectionCharFormat(cf);
        // Closing tag first, so the opening tag's position still holds.
        const long nLength = richEdit.GetTextLength();
        RemoveRange(richEdit, nClose, nClose + nCloseLen);
        RemoveRange(richEdit, nOpen, nOpen + nOpenLen);
        // A control that refuses the removal (read-only, or a parent that
        // answers EN_PROTECTED) would find the same pair forever: stop.
        if (richEdit.GetTextLength() >= nLength) {
            richEdit.SetSel(0, 0);
            return;
        }
    }
}

void CGUITools::AddStringStyle(CString& str, enum_re_flag flag)
{
    if (flag < 0 || flag >= kKindCount)
        return;
    str.Insert(0, kKinds[flag].pszOpen);
    str += kKinds[flag].pszClose;
}

const char* CGUITools::RegisterSimilarClass(const char* lpszNewClass, const char* lpszExistingClass,
                                            unsigned int nIconID)
{
    ASSERT_MSG(lpszNewClass != NULL && lpszExistingClass != NULL,
               "CGUITools::RegisterSimilarClass: null class name");
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentInstanceHandle;
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInst, lpszExistingClass, &wc))
        return NULL;
    wc.lpszClassName = lpszNewClass;
    wc.hIcon = ::LoadIconA(hInst, MAKEINTRESOURCEA(nIconID & 0xFFFF));
    return AfxRegisterClass(&wc) ? lpszNewClass : NULL;
}
