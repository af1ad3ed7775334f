// The program's entry once the start-up has split the command line:
// check the use, make the printer the default, and word any failure.
#include <windows.h>

#include "../startup/Arguments.h"
#include "DefaultPrinter.h"

namespace
{
const char kCaption[] = "Quillorn Utility";

void ShowBox(const char* text, UINT icon)
{
    MessageBoxA(NULL, text, kCaption, MB_OK | icon);
}
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (ArgumentCount != 2) {
        ShowBox("Usage:\n\nQuillorn \"Printer Device Name\"", MB_ICONINFORMATION);
        return 0;
    }

    switch (MakeDefaultPrinter(ArgumentVector[1])) {
    case PrinterNotFound:
        ShowBox("Printer not found", MB_ICONERROR);
        break;
    case WriteFailed:
        ShowBox("Failed to update device setting", MB_ICONERROR);
        break;
    case Updated:
        break;
    }
    // Success and failure alike end with status 0; only the boxes tell them apart.
    return 0;
}
