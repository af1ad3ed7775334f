// The in-memory platform behind the host stand-in for <windows.h>: a
// profile, a record of every broadcast and box, and a chosen ANSI code page.
#ifndef QUILLORN_FAKE_WIN32_H
#define QUILLORN_FAKE_WIN32_H

#include <map>
#include <string>
#include <vector>

#include <windows.h>

struct Broadcast
{
    HWND window;
    UINT message;
    WPARAM wParam;
    std::string section;  // the text lParam points to
    UINT flags;
    UINT timeout;
    PDWORD_PTR result;
};

struct Box
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

struct ProfileRead
{
    std::string section;
    std::string key;
    DWORD size;
};

struct FakeWin32
{
    // section -> key -> value
    std::map<std::string, std::map<std::string, std::string>> profile;
    bool refuseWrites = false;
    unsigned codePage = 1252;  // 1252 or 932, for IsDBCSLeadByte

    int writes = 0;  // accepted writes
    std::vector<ProfileRead> reads;
    std::vector<Broadcast> broadcasts;
    std::vector<Box> boxes;

    // The value of "windows"/"device", or "<unset>".
    std::string Device() const;
};

// Every call of the stand-in acts on this one; tests reset it per case.
extern FakeWin32 Platform;

#endif
