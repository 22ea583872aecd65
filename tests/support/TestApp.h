// TestApp.h: the application object of every Windows test executable
// (TestMain.cpp makes one, initialises afxlite with it and runs GoogleTest
// on that thread).
//
// Message boxes never appear: every DoMessageBox call is recorded and
// answered from a queue the test fills first (ExpectMessageBox); a box with
// no queued answer, or an answer left unused, fails the test. The profile is
// a temporary INI file per process, deleted at exit. A test stuck in a
// message loop fails after kTestWatchdogMs and its windows get IDCANCEL.
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
    size_t PendingAnswers() const { return m_answers.size() - m_nextAnswer; } // queued, not used yet
    // Empties the record and the queue (done before every test).
    void ResetMessageBoxes();

    // Full path of this process's temporary profile file.
    const char* ProfilePath() const { return m_pszProfileName; }

    // Dispatches the queue through the thread's PumpMessage (so
    // PreTranslateMessage works) up to an empty queue or WM_QUIT; no idle.
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
