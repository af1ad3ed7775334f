// Command-line splitting for the start-up. The rules are those of the classic
// C run-time: a later run-time reads "" inside quotes differently, which would
// change what printer name arrives.
#include <windows.h>

#include "CommandLine.h"

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A double-byte character takes its trail byte along, so the trail is never
// read as a blank, quote or backslash. A lead byte right before the NUL is
// taken alone: reading on would run past the end of the command line.
bool StartsDoubleByte(const char* p)
{
    return IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0';
}

class Splitter
{
public:
    Splitter(char* text, int textSize, char** argv, int argvSize)
        : next_(text), end_(text + textSize), argv_(argv), argvSize_(argvSize)
    {
    }

    void StartEntry()
    {
        if (count_ < argvSize_)
            argv_[count_] = next_;
        else
            full_ = true;
        ++count_;
    }

    void Put(char c)
    {
        if (next_ < end_)
            *next_++ = c;
        else
            full_ = true;
    }

    int Result() const { return full_ ? 0 : count_; }

private:
    char* next_;
    char* const end_;
    char** const argv_;
    const int argvSize_;
    int count_ = 0;
    bool full_ = false;
};
}

int SplitCommandLine(const char* commandLine, char* text, int textSize, char** argv, int argvSize,
                     const char** tail)
{
    Splitter out(text, textSize, argv, argvSize);
    const char* p = commandLine;

    // The program's name: quotes only switch quoting, backslashes are plain.
    out.StartEntry();
    bool quoting = false;
    for (; *p != '\0'; ++p) {
        if (*p == '"') {
            quoting = !quoting;
            continue;
        }
        if (!quoting && IsBlank(*p))
            break;
        if (StartsDoubleByte(p))
            out.Put(*p++);
        out.Put(*p);
    }
    out.Put('\0');
    while (IsBlank(*p))
        ++p;
    *tail = p;

    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (*p == '\0')
            break;

        out.StartEntry();
        quoting = false;
        for (;;) {
            int backslashes = 0;
            while (*p == '\\') {
                ++p;
                ++backslashes;
            }
            bool literal = true;
            if (*p == '"') {
                // 2k backslashes: k of them, and the quote switches quoting;
                // inside quotes "" is one literal quote and ends the quoting.
                // 2k + 1 backslashes: k of them and a literal quote.
                if (backslashes % 2 == 0) {
                    if (quoting && p[1] == '"')
                        ++p;
                    else
                        literal = false;
                    quoting = !quoting;
                }
                backslashes /= 2;
            }
            for (; backslashes > 0; --backslashes)
                out.Put('\\');

            if (*p == '\0' || (!quoting && IsBlank(*p)))
                break;
            if (literal) {
                if (StartsDoubleByte(p))
                    out.Put(*p++);
                out.Put(*p);
            }
            ++p;
        }
        out.Put('\0');
    }
    return out.Result();
}
