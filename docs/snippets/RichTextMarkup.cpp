// Coloured, bold text in a rich edit from a tagged string.
#include <afxcmn.h>
#include <GUITools.h>

void ShowStatus(CRichEditCtrl& richEdit, const CString& strName, bool bOnline)
{
    CString strState(bOnline ? "online" : "offline");
    CGUITools::AddStringStyle(strState, bOnline ? CGUITools::re_green : CGUITools::re_red);
    richEdit.SetWindowText("<b>" + strName + "</b> is " + strState);
    CGUITools::ParseRichEdit(richEdit); // tags become formatting and disappear
    richEdit.SetSel(0, 0);              // the tool leaves the whole text selected
}
