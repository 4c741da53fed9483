// A colour-matching runtime that lacks its entry DoColorMatch2, as a damaged installation would have.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
