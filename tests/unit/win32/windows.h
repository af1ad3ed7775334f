// Host stand-in for <windows.h>: just the types, constants and calls that
// Quillorn uses, so its own sources build unchanged for the unit tests.
// FakeWin32.cpp implements the calls against an in-memory profile.
#ifndef QUILLORN_FAKE_WINDOWS_H
#define QUILLORN_FAKE_WINDOWS_H

#include <cstddef>
#include <cstdint>

#define WINAPI

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned int UINT;
typedef uint32_t DWORD;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uintptr_t DWORD_PTR;
typedef DWORD_PTR* PDWORD_PTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;

#define HWND_BROADCAST (reinterpret_cast<HWND>(0xffff))
#define WM_WININICHANGE 0x001A
#define SMTO_NORMAL 0x0000
#define SMTO_ABORTIFHUNG 0x0002
#define MB_OK 0x00000000U
#define MB_ICONERROR 0x00000010U
#define MB_ICONINFORMATION 0x00000040U

LPSTR WINAPI lstrcpynA(LPSTR destination, LPCSTR source, int limit);
int WINAPI lstrlenA(LPCSTR text);
DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR destination, DWORD size);
BOOL WINAPI WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value);
LRESULT WINAPI SendMessageTimeoutA(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags,
                                   UINT timeout, PDWORD_PTR result);
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
BOOL WINAPI IsDBCSLeadByte(BYTE byte);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

#endif
