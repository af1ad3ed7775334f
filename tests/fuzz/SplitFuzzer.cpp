// libFuzzer target for the command-line splitter. The first byte picks the
// code page (odd: 932, even: 1252); the rest, up to 32767 bytes, is the line.
// Storage is exactly the size the splitter promises, on the heap, so any
// read past the NUL or write past the storage is an AddressSanitizer report.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "../../startup/CommandLine.h"
#include "../unit/FakeWin32.h"

namespace
{
void Require(bool condition)
{
    if (!condition)
        std::abort();
}

int Split(const std::vector<char>& line, std::vector<char>& text, std::vector<char*>& argv)
{
    const char* tail = nullptr;
    const int count = SplitCommandLine(line.data(), text.data(), static_cast<int>(text.size()), argv.data(),
                                       static_cast<int>(argv.size()), &tail);
    Require(tail >= line.data() && tail < line.data() + line.size());
    return count;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || size > 32768)
        return 0;
    Platform.codePage = (data[0] & 1) ? 932 : 1252;
    const char* const bytes = reinterpret_cast<const char*>(data + 1);
    const void* const nul = std::memchr(bytes, '\0', size - 1);
    const size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - bytes) : size - 1;
    std::vector<char> line(bytes, bytes + length);
    line.push_back('\0');

    std::vector<char> text(length + 2);
    std::vector<char*> argv(length / 2 + 2);
    const int count = Split(line, text, argv);
    Require(count >= 1);

    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (int i = 0; i < count; ++i) {
        Require(argv[i] >= begin && argv[i] < end);
        Require(std::memchr(argv[i], '\0', static_cast<size_t>(end - argv[i])) != nullptr);
        if (i > 0)
            Require(argv[i] == argv[i - 1] + std::strlen(argv[i - 1]) + 1);
    }

    // The same line splits the same way again.
    std::vector<char> again(text.size());
    std::vector<char*> argvAgain(argv.size());
    Require(Split(line, again, argvAgain) == count);
    for (int i = 0; i < count; ++i)
        Require(std::strcmp(argv[i], argvAgain[i]) == 0);
    return 0;
}
