// Makes a printer the default: "windows"/"device" = name ',' description,
// where the description is the printer's entry in section "Devices".
#include <windows.h>

#include "DefaultPrinter.h"

namespace
{
const int kMaxDeviceString = 259;                  // characters of "device", without the NUL
const int kMaxNamePart = kMaxDeviceString - 1;     // leaves room for at least the comma
}

DeviceUpdateResult MakeDefaultPrinter(const char* name)
{
    // The device string and its NUL, plus one guard byte: a description that
    // fills the guard did not fit whole and must not be stored cut, since a cut
    // description names a wrong port or driver.
    char device[kMaxDeviceString + 2];

    lstrcpynA(device, name, kMaxNamePart + 1);
    const int n = lstrlenA(device);
    device[n] = ',';

    // The comma stands before the read, so a found description completes the
    // device string in place. A name part of 258 leaves no room for any
    // description, so no such printer can become the default.
    char* const description = device + n + 1;
    description[0] = '\0';
    if (n < kMaxNamePart)
        GetProfileStringA("Devices", name, "", description, kMaxDeviceString + 1 - n);

    if (description[0] == '\0')
        return PrinterNotFound;
    if (lstrlenA(description) > kMaxNamePart - n)
        return WriteFailed;

    if (!WriteProfileStringA("windows", "device", device))
        return WriteFailed;

    // Tell running programs; a hung window costs at most a second, and the
    // update stands whatever the broadcast returns.
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>("windows"),
                        SMTO_NORMAL, 1000, NULL);
    return Updated;
}
