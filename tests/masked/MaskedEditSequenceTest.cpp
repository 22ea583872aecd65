// MaskedEditSequenceTest.cpp: the whole stream of notifications a dialog
// receives from a masked edit, the edit control's own included, compared
// with the message recorder. A single-line edit itself reports EN_UPDATE and
// EN_CHANGE when its text is set; the masked edit adds its own after them.
#include "MaskedTestSupport.h"
#include "MsgRecorder.h"

#include <gtest/gtest.h>

namespace {

struct SequenceHost
{
    CEditProbe edit{"##/##"};
    CMaskedTestDlg dlg;
    MsgRecorder rec;
    SequenceHost()
    {
        dlg.m_attach = {{IDC_MASKED_EDIT, &edit}};
        EXPECT_TRUE(dlg.Open());
        rec.Watch(dlg.m_hWnd, parent);
        // Only what concerns the masked edit (the template's other controls,
        // such as the rich edit repainting, notify too).
        const LPARAM lEdit = reinterpret_cast<LPARAM>(edit.m_hWnd);
        rec.SetFilter([lEdit](const MsgRecord& r) {
            return (r.message == WM_COMMAND && r.lParam == lEdit) || r.message == WM_NOTIFY;
        });
        rec.Flush();
    }
    ~SequenceHost() { dlg.DestroyWindow(); }
};

TEST(MaskedEditSequence, TextFromOutsideNotifiesUpdateOnly)
{
    SequenceHost host;
    ::SetWindowTextA(host.edit.m_hWnd, "1234");
    PumpMessages();
    static const MsgEntry seq[] = {{WM_COMMAND, sent | parent | code | wparam,
                                    MAKEWPARAM(IDC_MASKED_EDIT, EN_UPDATE), 0, EN_UPDATE}, // edit
                                   {WM_COMMAND, sent | parent | code | wparam,
                                    MAKEWPARAM(IDC_MASKED_EDIT, EN_CHANGE), 0, EN_CHANGE}, // edit
                                   {WM_COMMAND, sent | parent | code | wparam,
                                    MAKEWPARAM(IDC_MASKED_EDIT, EN_UPDATE), 0, EN_UPDATE}, // ours
                                   {0, 0, 0, 0, 0}};
    EXPECT_SEQ(host.rec, seq, "SetWindowText from the parent");
}

TEST(MaskedEditSequence, TypingRefreshesTwice)
{
    SequenceHost host;
    host.edit.SendMessage(EM_SETSEL, 0, 0);
    host.edit.SendMessage(WM_CHAR, '5', 1);
    PumpMessages();
    // InsertAt's fill refreshes, then the handler's own refresh: each is the
    // edit's pair followed by ours.
    static const MsgEntry seq[] = {{WM_COMMAND, sent | parent | code, 0, 0, EN_UPDATE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_CHANGE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_UPDATE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_CHANGE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_UPDATE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_CHANGE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_UPDATE},
                                   {WM_COMMAND, sent | parent | code, 0, 0, EN_CHANGE},
                                   {0, 0, 0, 0, 0}};
    EXPECT_SEQ(host.rec, seq, "typing 5");
}

} // namespace
