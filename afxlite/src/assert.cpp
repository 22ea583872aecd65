// assert.cpp: the reports behind ASSERT and AFXLITE_UNSUPPORTED. A failed
// assertion in a process with a console goes to stderr and aborts; a GUI
// process gets MFC's assertion message box, whose buttons decide.
#include "afxlite_config.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

void Describe(char* buf, size_t size, const char* kind, const char* file, int line, const char* what)
{
    snprintf(buf, size, "afxlite: %s: %s (%s:%d)\n", kind, what != nullptr ? what : "?",
             file != nullptr ? file : "?", line);
}

[[noreturn]] void ReportAndAbort(const char* message)
{
    fputs(message, stderr);
    fflush(stderr);
#if defined(_WIN32)
    OutputDebugStringA(message);
#endif
    abort();
}

#if defined(_WIN32)
// A console process: built for the console subsystem, or one that was given
// a console. Anything else is a GUI process, where stderr goes nowhere.
bool HasConsole()
{
    if (::GetConsoleWindow() != nullptr)
        return true;
    const BYTE* pImage = reinterpret_cast<const BYTE*>(::GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pImage);
    const IMAGE_NT_HEADERS* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pImage + pDos->e_lfanew);
    return pNt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}
#endif

} // namespace

BOOL AfxAssertFailedLine(const char* file, int line, const char* what)
{
    char message[1024];
    Describe(message, sizeof message, "assertion failed", file, line, what);
#if defined(_WIN32)
    if (!HasConsole()) {
        // MFC's box: the program, the file and the line; Abort, Retry, Ignore.
        char program[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, program, MAX_PATH);
        char text[1536];
        snprintf(text, sizeof text,
                 "Debug Assertion Failed!\n\nProgram: %s\nFile: %s\nLine: %d\n\nExpression: %s\n\n"
                 "(Press Retry to debug the application)",
                 program, file != nullptr ? file : "?", line, what != nullptr ? what : "?");
        OutputDebugStringA(message);
        switch (::MessageBoxA(nullptr, text, "Microsoft Visual C++ Debug Library",
                              MB_ABORTRETRYIGNORE | MB_ICONHAND | MB_SETFOREGROUND | MB_TASKMODAL)) {
        case IDRETRY:
            return TRUE;
        case IDIGNORE:
            return FALSE;
        default:
            // Abort, as the C run time ends a program: exit code 3.
            ::ExitProcess(3);
        }
    }
#endif
    ReportAndAbort(message);
}

void AfxDebugBreak()
{
#if defined(_WIN32)
    ::DebugBreak();
#else
    abort();
#endif
}

void AfxUnsupported(const char* file, int line, const char* what)
{
    char message[1024];
    Describe(message, sizeof message, "not supported", file, line, what);
    ReportAndAbort(message);
}
