// Quillorn's entry point, in place of the C run-time's start-up: the program
// imports nothing beyond KERNEL32 and USER32, and splits its command line by
// the classic rules, which a later run-time's start-up would not.
#include <windows.h>

#include "Arguments.h"
#include "CommandLine.h"

int ArgumentCount;
char** ArgumentVector;

namespace
{
// The platform caps a command line at 32767 UTF-16 units, which a double-byte
// code page turns into at most 65534 bytes. A longer one (only a UTF-8 code
// page can make it) finds the storage full, and draws the usage box.
const int kMaxCommandLine = 2 * 32767;
char ArgumentText[kMaxCommandLine + 2];
char* ArgumentTable[kMaxCommandLine / 2 + 2];
}

// Named to the linker as _QuillornStartup@0 (see the link flags).
extern "C" void WINAPI QuillornStartup()
{
    const char* tail = "";
    ArgumentVector = ArgumentTable;
    ArgumentCount = SplitCommandLine(GetCommandLineA(), ArgumentText, sizeof ArgumentText, ArgumentTable,
                                     sizeof ArgumentTable / sizeof ArgumentTable[0], &tail);
    ExitProcess(WinMain(GetModuleHandleA(NULL), NULL, const_cast<LPSTR>(tail), SW_SHOWDEFAULT));
}
