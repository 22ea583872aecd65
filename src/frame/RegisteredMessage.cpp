// RegisteredMessage.cpp: the one place where Quillon controls turn the
// fixed names of their private messages into message numbers.
#include "Quillon.h"

UINT QuillonRegisterMessage(LPCSTR lpszName)
{
    ASSERT_MSG(lpszName != nullptr && *lpszName != '\0', "QuillonRegisterMessage: a message needs a name");
    UINT nMessage = ::RegisterWindowMessageA(lpszName);
    ASSERT_MSG(nMessage >= 0xC000 && nMessage <= 0xFFFF, "QuillonRegisterMessage: RegisterWindowMessageA failed");
    return nMessage;
}
