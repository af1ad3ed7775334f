// The command line as the real platform hands it over: wrong use, the
// splitting rules end to end, a differential check against the platform's
// own splitter, and double-byte text under code page 932.
#include <windows.h>
#include <shellapi.h>

#include "../../startup/CommandLine.h"
#include "EndToEnd.h"

namespace
{
const char kInformation[] = "00000040";

class WrongUse : public EndToEnd, public ::testing::WithParamInterface<std::string>
{
};

TEST_P(WrongUse, ShowsUsageAndLeavesTheProfileAlone)
{
    Add("Office", "winspool,Ne01:");
    Add("Office Laser", "winspool,Ne02:");
    Add("Quillorn", "winspool,Ne03:");
    EXPECT_TRUE(Showed(RunQuillorn(GetParam()), kUsage, kInformation)) << "command line: " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, WrongUse,
                         ::testing::Values("Quillorn", "Quillorn   \t", "Quillorn Office Laser",
                                           "Quillorn \"Office\" \"Laser\"", " Quillorn \"Office Laser\"",
                                           // "" inside quotes ends the quoting, so a blank after it splits.
                                           "Quillorn \"Office\"\" Laser\""));

struct ArrivalCase
{
    const char* name;
    std::string commandLine;
    std::string key;  // what must reach the lookup
};

void PrintTo(const ArrivalCase& c, std::ostream* os)
{
    *os << c.name;
}

class Arrival : public EndToEnd, public ::testing::WithParamInterface<ArrivalCase>
{
};

TEST_P(Arrival, TheNameTypedReachesTheLookup)
{
    Add(GetParam().key, "winspool,Ne07:");
    EXPECT_TRUE(UpdatedTo(RunQuillorn(GetParam().commandLine), GetParam().key + ",winspool,Ne07:"))
        << "command line: " << GetParam().commandLine;
}

const ArrivalCase kArrivalCases[] = {
    {"QuotedBlanks", "Quillorn \"Office Laser\"", "Office Laser"},
    {"Unquoted", "Quillorn Laser", "Laser"},
    {"ServerShare", "Quillorn \\\\print01\\Office", "\\\\print01\\Office"},
    {"QuotedServerShare", "Quillorn \"\\\\print01\\Office Laser\"", "\\\\print01\\Office Laser"},
    {"BackslashBeforeClosingQuote", "Quillorn \"Office Laser\\\"", "Office Laser\""},
    {"TwoBackslashesBeforeClosingQuote", "Quillorn \"C:\\Printers\\\\\"", "C:\\Printers\\"},
    {"TripledQuoteKeepsOneAndQuotes", "Quillorn \"Office\"\"\" Laser\"", "Office\" Laser"},
    {"TabsSeparateAndQuotedTabStays", "Quillorn\t\t\"Office\tLaser\"\t", "Office\tLaser"},
    {"QuotedProgramName", "\"C:\\Program Files\\Quillorn.exe\" \"Office Laser\"", "Office Laser"},
    {"QuotesInsideProgramName", "C:\\a\"b c\"\\Quillorn.exe \"Office Laser\"", "Office Laser"},
    {"ProgramNameEndingInBackslashQuote", "\"C:\\Tools\\\"Quillorn.exe Laser", "Laser"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Arrival, ::testing::ValuesIn(kArrivalCases),
                         [](const ::testing::TestParamInfo<ArrivalCase>& info) { return info.param.name; });

// Every argument after a plain program name splits as the platform's own
// CommandLineToArgvW splits it, over all short lines of the bytes that matter.
TEST(Splitter, AgreesWithCommandLineToArgvW)
{
    const char alphabet[] = {' ', '\t', 'x', '"', '\\'};
    int differences = 0;
    long compared = 0;
    for (int length = 0; length <= 8; ++length) {
        long combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= 5;
        for (long k = 0; k < combinations; ++k) {
            std::string line = "q ";
            for (long i = 0, rest = k; i < length; ++i, rest /= 5)
                line += alphabet[rest % 5];

            char text[32];
            char* argv[16];
            const char* tail;
            const int ours = SplitCommandLine(line.c_str(), text, sizeof text, argv, 16, &tail);

            const std::wstring wide(line.begin(), line.end());
            int count = 0;
            LPWSTR* theirs = CommandLineToArgvW(wide.c_str(), &count);
            bool same = ours == count;
            for (int i = 1; same && i < count; ++i)
                same = std::wstring(argv[i], argv[i] + strlen(argv[i])) == theirs[i];
            LocalFree(theirs);
            ++compared;
            if (!same && ++differences <= 10)
                ADD_FAILURE() << "differs on [" << line << "]: ours has " << ours << " entries, theirs " << count;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(compared, 488281);
}

// U+8868 is 0x95 0x5C in code page 932: its trail byte is a backslash.
const wchar_t kHyou[] = L"\x8868";

std::wstring GetDeviceW()
{
    wchar_t value[512];
    GetProfileStringW(L"windows", L"device", L"<unset>", value, 512);
    return value;
}

// Wine takes a process's code page from the Unix locale it starts under, so
// this case runs in a second pass of the suite started with LC_ALL=ja_JP.UTF-8.
TEST_F(EndToEnd, DoubleByteNameArrivesWholeUnderCodePage932)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "runs in the code page 932 pass";
    const std::wstring name = std::wstring(kHyou) + L" Laser";
    WriteProfileStringW(L"Devices", name.c_str(), L"winspool,Ne08:");
    const Outcome run = RunQuillornW(L"Quillorn \"" + name + L"\"");
    WriteProfileStringW(L"Devices", name.c_str(), NULL);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty()) << run.boxes[0];
    EXPECT_TRUE(GetDeviceW() == name + L",winspool,Ne08:");
    EXPECT_EQ(run.broadcasts, std::vector<std::string>{"windows"});
}

TEST_F(EndToEnd, SameBytesUnderCodePage1252SplitAtTheBackslash)
{
    if (GetACP() != 1252)
        GTEST_SKIP() << "runs in the code page 1252 pass";
    // 0x95 0x5C in 1252 is U+2022 and a backslash: \" is a literal quote.
    const std::wstring typed = L"\x2022\\\"";
    const std::wstring arrives = L"\x2022\"";
    WriteProfileStringW(L"Devices", arrives.c_str(), L"winspool,Ne09:");
    const Outcome run = RunQuillornW(L"Quillorn \"" + typed);
    WriteProfileStringW(L"Devices", arrives.c_str(), NULL);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(GetDeviceW() == arrives + L",winspool,Ne09:");
}
}
