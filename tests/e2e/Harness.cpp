// The end-to-end harness: see Harness.h.
#include "Harness.h"

#include <cstdio>
#include <cstring>

namespace
{
const char kCaption[] = "Quillorn Utility";
const char kWindowsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

std::string Environment(const char* name)
{
    char value[MAX_PATH * 2];
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? value : "";
}

// The children's relay trace lands in the file that this process's stderr
// goes to (the children inherit it); QUILLORN_RELAY_LOG names that file.
std::string ReadRelayFrom(long& offset)
{
    std::string text;
    FILE* log = std::fopen(Environment("QUILLORN_RELAY_LOG").c_str(), "rb");
    if (!log)
        return text;
    std::fseek(log, offset, SEEK_SET);
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, log)) > 0)
        text.append(chunk, got);
    offset = std::ftell(log);
    std::fclose(log);
    return text;
}

long RelayEnd()
{
    long offset = 0;
    ReadRelayFrom(offset);
    return offset;
}

void ParseRelay(const std::string& text, Outcome& run)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const size_t call = line.find("Call ");
        if (call == std::string::npos)
            continue;
        run.relay.push_back(line.substr(call + 5));
        if (line.find("user32.MessageBoxA(") != std::string::npos) {
            const size_t ret = line.rfind(") ret=");
            const size_t comma = line.rfind(',', ret);
            if (ret != std::string::npos && comma != std::string::npos)
                run.boxTypes.push_back(line.substr(comma + 1, ret - comma - 1));
        }
    }
}

// This process's environment with WINEDEBUG=+relay in place of its own
// WINEDEBUG, so that only the child is traced.
std::vector<wchar_t> EnvironmentWithRelay()
{
    const wchar_t relay[] = L"WINEDEBUG=+relay";
    std::vector<wchar_t> block(relay, relay + sizeof relay / sizeof relay[0]);
    wchar_t* own = GetEnvironmentStringsW();
    for (const wchar_t* p = own; *p; p += wcslen(p) + 1) {
        if (_wcsnicmp(p, L"WINEDEBUG=", 10) != 0)
            block.insert(block.end(), p, p + wcslen(p) + 1);
    }
    FreeEnvironmentStringsW(own);
    block.push_back(L'\0');
    return block;
}

// Starts the child through create (CreateProcessA or CreateProcessW, given
// the environment block), then waits and gathers what it did.
template <typename Create>
Outcome Launch(Create create)
{
    Watcher::Instance().Reset();
    std::vector<wchar_t> environment = EnvironmentWithRelay();
    PROCESS_INFORMATION process = {};
    const long relayStart = RelayEnd();
    const DWORD started = GetTickCount();
    if (!create(environment.data(), &process)) {
        std::fprintf(stderr, "cannot start %s: %lu\n", QuillornPath().c_str(), GetLastError());
        return Outcome();
    }

    Outcome run;
    WaitForSingleObject(process.hProcess, INFINITE);
    run.milliseconds = GetTickCount() - started;
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Watcher::Instance().Collect(run);
    long offset = relayStart;
    ParseRelay(ReadRelayFrom(offset), run);
    return run;
}
}


Watcher& Watcher::Instance()
{
    static Watcher watcher;
    return watcher;
}

Watcher::Watcher()
{
    InitializeCriticalSection(&lock_);
    ready_ = CreateEventA(NULL, TRUE, FALSE, NULL);
    CloseHandle(CreateThread(NULL, 0, Thread, this, 0, NULL));
    WaitForSingleObject(ready_, INFINITE);
}

DWORD WINAPI Watcher::Thread(void* self)
{
    Watcher* watcher = static_cast<Watcher*>(self);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(NULL);
    wc.lpszClassName = "QuillornWatcher";
    RegisterClassA(&wc);
    HWND window = CreateWindowA("QuillornWatcher", "Quillorn watcher", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, NULL,
                                NULL, wc.hInstance, NULL);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(watcher));
    SetTimer(window, 1, 20, NULL);
    SetEvent(watcher->ready_);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}

LRESULT CALLBACK Watcher::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Watcher* watcher = reinterpret_cast<Watcher*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (watcher && message == WM_WININICHANGE) {
        const char* text = reinterpret_cast<const char*>(lParam);
        EnterCriticalSection(&watcher->lock_);
        watcher->broadcasts_.push_back(text ? text : "<null>");
        LeaveCriticalSection(&watcher->lock_);
        if (const DWORD hang = InterlockedExchange(&watcher->hang_, 0)) {
            InterlockedExchange(&watcher->hanging_, 1);
            Sleep(hang);
            InterlockedExchange(&watcher->hanging_, 0);
        }
        return 0;
    }
    if (watcher && message == WM_TIMER) {
        EnumWindows(CloseBox, reinterpret_cast<LPARAM>(watcher));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

BOOL CALLBACK Watcher::CloseBox(HWND window, LPARAM self)
{
    char className[16], caption[64];
    if (!GetClassNameA(window, className, sizeof className) || std::strcmp(className, "#32770") != 0)
        return TRUE;
    if (!GetWindowTextA(window, caption, sizeof caption) || std::strcmp(caption, kCaption) != 0)
        return TRUE;
    if (GetPropA(window, "QuillornSeen"))
        return TRUE;
    SetPropA(window, "QuillornSeen", reinterpret_cast<HANDLE>(1));

    char text[512] = "";
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    Watcher* watcher = reinterpret_cast<Watcher*>(self);
    EnterCriticalSection(&watcher->lock_);
    watcher->boxes_.push_back(text);
    LeaveCriticalSection(&watcher->lock_);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    return TRUE;
}

void Watcher::Reset()
{
    EnterCriticalSection(&lock_);
    boxes_.clear();
    broadcasts_.clear();
    LeaveCriticalSection(&lock_);
}

void Watcher::SetHang(DWORD milliseconds)
{
    InterlockedExchange(&hang_, static_cast<LONG>(milliseconds));
}

bool Watcher::Hanging() const
{
    return hanging_ != 0;
}

void Watcher::Collect(Outcome& run)
{
    EnterCriticalSection(&lock_);
    run.boxes.swap(boxes_);
    run.broadcasts.swap(broadcasts_);
    LeaveCriticalSection(&lock_);
}

std::string QuillornPath()
{
    return Environment("QUILLORN_EXE");
}

Outcome RunQuillorn(const std::string& commandLine)
{
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return Launch([&line](wchar_t* environment, PROCESS_INFORMATION* process) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(QuillornPath().c_str(), line.data(), NULL, NULL, FALSE, CREATE_UNICODE_ENVIRONMENT,
                              environment, NULL, &startup, process);
    });
}

Outcome RunQuillornW(const std::wstring& commandLine)
{
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');
    const std::string path = QuillornPath();
    const std::wstring widePath(path.begin(), path.end());
    return Launch([&](wchar_t* environment, PROCESS_INFORMATION* process) {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        return CreateProcessW(widePath.c_str(), line.data(), NULL, NULL, FALSE, CREATE_UNICODE_ENVIRONMENT,
                              environment, NULL, &startup, process);
    });
}

std::string GetDevice()
{
    char value[1024];
    GetProfileStringA("windows", "device", "<unset>", value, sizeof value);
    return value;
}

void SetDevice(const char* value)
{
    WriteProfileStringA("windows", "device", value);
}

void AddPrinter(const std::string& name, const std::string& description)
{
    WriteProfileStringA("Devices", name.c_str(), description.c_str());
}

void RemovePrinter(const std::string& name)
{
    WriteProfileStringA("Devices", name.c_str(), NULL);
}

ReadOnlyWindowsSection::ReadOnlyWindowsSection()
{
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kWindowsKey, 0, READ_CONTROL | WRITE_DAC, &key_) != ERROR_SUCCESS)
        return;
    HKEY key = key_;
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, NULL, &size);
    saved_.resize(size);
    if (size == 0 || RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved_.data(), &size) != ERROR_SUCCESS) {
        return;
    }

    // One ACE: everyone may read. An empty DACL would refuse reads as well.
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = NULL;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    BYTE aclBuffer[256];
    ACL* acl = reinterpret_cast<ACL*>(aclBuffer);
    InitializeAcl(acl, sizeof aclBuffer, ACL_REVISION);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ, everyone);
    SECURITY_DESCRIPTOR sd;
    InitializeSecurityDescriptor(&sd, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&sd, TRUE, acl, FALSE);
    applied_ = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &sd) == ERROR_SUCCESS;
    FreeSid(everyone);
}

ReadOnlyWindowsSection::~ReadOnlyWindowsSection()
{
    if (applied_)
        RegSetKeySecurity(key_, DACL_SECURITY_INFORMATION, saved_.data());
    if (key_)
        RegCloseKey(key_);
}
