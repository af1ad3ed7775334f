// The floor Quillorn is measured against: only the profile read, the write
// and the broadcast that any default-printer change must make, with the
// same start-up-free build. Its command line is ignored.
#include <windows.h>

extern "C" void WINAPI ReferenceStartup()
{
    char device[260] = "Office Laser,";
    GetProfileStringA("Devices", "Office Laser", "", device + 13, sizeof device - 13);
    WriteProfileStringA("windows", "device", device);
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"), SMTO_NORMAL, 1000,
                        NULL);
    ExitProcess(0);
}
