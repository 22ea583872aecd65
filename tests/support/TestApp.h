// TestApp.h: the application object of every Windows test executable.
//
// TestMain.cpp constructs one CTestApp, initialises afxlite with it and runs
// GoogleTest on that thread, so AfxGetApp(), AfxGetThread() and the profile
// functions work in every test.
//
// Message boxes never appear: every CWinApp::DoMessageBox call (so every
// AfxMessageBox) is recorded and answered from a queue the test fills first:
//
//     TestApp().ExpectMessageBox(IDOK);          // the next box answers IDOK
//     app.ResetToFactory(true, true);             // shows one box
//     EXPECT_STREQ("...", TestApp().MessageBoxes()[0].text.c_str());
//
// A box with no queued answer fails the test and answers IDCANCEL; answers
// left queued at the end fail it too. Record and queue are emptied before
// each test. A test's own application object overrides DoMessageBox to
// forward to TestApp().DoMessageBox.
//
// The profile is a temporary INI file per test process (ProfilePath(), also
// m_pszProfileName), deleted when the process ends. A test stuck in a message
// loop is failed after kTestWatchdogMs: the watchdog posts IDCANCEL to every
// enabled visible top-level window of the thread, which ends a modal loop.
#pragma once

#include <afxwin.h>

#include <string>
#include <vector>

class CTestApp : public CWinApp
{
public:
    struct MessageBoxCall
    {
        std::string text; // the prompt
        UINT type;        // the style as passed (MB_OKCANCEL | MB_ICONQUESTION, ...)
        UINT idHelp;      // the help or prompt id passed along (0 for text prompts)
        int answer;       // what the box returned (IDCANCEL for an unexpected box)
    };

    CTestApp();
    ~CTestApp() override;

    // Queues the answer for the next message box (IDOK, IDCANCEL, IDYES, ...).
    void ExpectMessageBox(int answer);
    // Boxes shown in the current test, oldest first.
    const std::vector<MessageBoxCall>& MessageBoxes() const { return m_calls; }
    // Answers queued and not yet used.
    size_t PendingAnswers() const { return m_answers.size() - m_nextAnswer; }
    // Empties the record and the queue (done before every test).
    void ResetMessageBoxes();

    // Full path of this process's temporary profile file.
    const char* ProfilePath() const { return m_pszProfileName; }

    // Dispatches every queued message through the thread's PumpMessage, as
    // the message loop does (so PreTranslateMessage and dialog keys work).
    // Stops at an empty queue or a pending WM_QUIT.  It does not run the idle
    // handler: call AfxGetThread()->OnIdle(0) for that (it deletes the
    // temporary FromHandle objects).
    static void PumpPending();

    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override;

private:
    std::vector<MessageBoxCall> m_calls;
    std::vector<int> m_answers;
    size_t m_nextAnswer; // index of the next answer in m_answers
};

// The test process's application object.
CTestApp& TestApp();

// Watchdog period for one test, in milliseconds.
constexpr UINT kTestWatchdogMs = 20000;
