// What the end-to-end tests need from the platform: launching Quillorn.exe
// with an exact command line, watching what it shows and broadcasts, and
// the profile, all through the real Win32 API under Wine.
#ifndef QUILLORN_E2E_HARNESS_H
#define QUILLORN_E2E_HARNESS_H

#include <windows.h>

#include <string>
#include <vector>

// What one run of Quillorn.exe did, as seen from outside.
struct Outcome
{
    DWORD exitCode = 0xDEADBEEF;
    std::vector<std::string> boxes;       // text of each "Quillorn Utility" box
    std::vector<std::string> broadcasts;  // lParam text of each WM_WININICHANGE
    std::vector<std::string> boxTypes;    // uType of each MessageBoxA call, from the relay trace
    std::vector<std::string> relay;       // every traced call line of the child
    DWORD milliseconds = 0;
};

// A top-level window on its own thread: logs WM_WININICHANGE and closes every
// Quillorn box with OK after reading its text.
class Watcher
{
public:
    static Watcher& Instance();
    void Reset();                      // forget what was seen so far
    void SetHang(DWORD milliseconds);  // sleep once inside the next WM_WININICHANGE
    bool Hanging() const;
    void Collect(Outcome& run);

private:
    Watcher();
    static DWORD WINAPI Thread(void* self);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK CloseBox(HWND window, LPARAM self);

    CRITICAL_SECTION lock_;
    HANDLE ready_;
    std::vector<std::string> boxes_;
    std::vector<std::string> broadcasts_;
    volatile LONG hang_ = 0;
    volatile LONG hanging_ = 0;
};

// Where Quillorn.exe is: QUILLORN_EXE from the environment.
std::string QuillornPath();

// Starts Quillorn.exe with exactly this command line (the program's name is
// part of it) and waits for it to end.
Outcome RunQuillorn(const std::string& commandLine);
// The same with a UTF-16 command line, which the child turns into bytes of
// its own ANSI code page.
Outcome RunQuillornW(const std::wstring& commandLine);

// The profile, through the platform's own calls.
std::string GetDevice();  // "windows"/"device", or "<unset>"
void SetDevice(const char* value);
void AddPrinter(const std::string& name, const std::string& description);
void RemovePrinter(const std::string& name);

// Makes HKCU\...\CurrentVersion\Windows readable but not writable until the
// object goes out of scope.
class ReadOnlyWindowsSection
{
public:
    ReadOnlyWindowsSection();
    ~ReadOnlyWindowsSection();
    bool Applied() const { return applied_; }

private:
    HKEY key_ = NULL;  // opened before the change, so the old DACL can always be put back
    std::vector<BYTE> saved_;
    bool applied_ = false;
};

#endif
