// The stand-in's calls, written from the behaviour the program relies on.
#include "../../startup/Arguments.h"
#include "FakeWin32.h"

#include <cstring>

FakeWin32 Platform;

// The start-up defines these in the real program; WinMain reads them.
int ArgumentCount;
char** ArgumentVector;

std::string FakeWin32::Device() const
{
    auto section = profile.find("windows");
    if (section == profile.end())
        return "<unset>";
    auto entry = section->second.find("device");
    return entry == section->second.end() ? "<unset>" : entry->second;
}

// Copies at most limit - 1 characters and always ends with a NUL.
LPSTR WINAPI lstrcpynA(LPSTR destination, LPCSTR source, int limit)
{
    if (limit <= 0)
        return destination;
    int i = 0;
    for (; i < limit - 1 && source[i] != '\0'; ++i)
        destination[i] = source[i];
    destination[i] = '\0';
    return destination;
}

int WINAPI lstrlenA(LPCSTR text)
{
    return static_cast<int>(std::strlen(text));
}

// Delivers the value, or the fallback when there is none, cut to size - 1
// characters and always followed by a NUL; returns the characters delivered.
DWORD WINAPI GetProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR destination, DWORD size)
{
    Platform.reads.push_back({section, key, size});
    if (size == 0)
        return 0;
    std::string value = fallback;
    auto s = Platform.profile.find(section);
    if (s != Platform.profile.end()) {
        auto entry = s->second.find(key);
        if (entry != s->second.end())
            value = entry->second;
    }
    const size_t length = value.size() < size - 1 ? value.size() : size - 1;
    std::memcpy(destination, value.data(), length);
    destination[length] = '\0';
    return static_cast<DWORD>(length);
}

BOOL WINAPI WriteProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value)
{
    if (Platform.refuseWrites)
        return 0;
    Platform.profile[section][key] = value;
    ++Platform.writes;
    return 1;
}

LRESULT WINAPI SendMessageTimeoutA(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags,
                                   UINT timeout, PDWORD_PTR result)
{
    const char* text = reinterpret_cast<const char*>(lParam);
    Platform.broadcasts.push_back({window, message, wParam, text ? text : "<null>", flags, timeout, result});
    return 1;
}

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    Platform.boxes.push_back({owner, text, caption, type});
    return 1;  // IDOK
}

// Code page 932 (Shift-JIS) lead bytes; 1252 has none.
BOOL WINAPI IsDBCSLeadByte(BYTE byte)
{
    if (Platform.codePage != 932)
        return 0;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
