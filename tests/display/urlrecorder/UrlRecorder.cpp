// UrlRecorder.cpp: started by the hyperlink tests through the shell or
// WinExec as "quillon_urlrecorder.exe" "<out file>" ...; writes its whole
// command line to <out file>.  The text goes to "<out file>.part" first and
// is renamed when complete, so a test polling for <out file> never reads
// half of it.
#include <windows.h>

#include <stdlib.h>
#include <string.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 1;
    const char* pszOut = __argv[1];
    const char* pszLine = ::GetCommandLineA();
    char szPart[MAX_PATH + 8];
    lstrcpynA(szPart, pszOut, MAX_PATH);
    lstrcatA(szPart, ".part");
    HANDLE hFile = ::CreateFileA(szPart, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return 2;
    DWORD dwWritten = 0;
    const BOOL bOk = ::WriteFile(hFile, pszLine, (DWORD)strlen(pszLine), &dwWritten, NULL);
    ::CloseHandle(hFile);
    if (!bOk || !::MoveFileExA(szPart, pszOut, MOVEFILE_REPLACE_EXISTING))
        return 3;
    return 0;
}
