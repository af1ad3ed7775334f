// Splitting the command line: the classic run-time rules, double-byte text,
// and storage that can never be overrun.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../startup/CommandLine.h"
#include "FakeWin32.h"

namespace
{
struct Split
{
    std::vector<std::string> entries;  // empty when the storage was too small
    std::string tail;
};

// Splits into storage of exactly the given sizes on the heap, so the
// sanitizer sees any write or read past them.
Split SplitWith(const std::string& line, size_t textSize, size_t argvSize)
{
    std::vector<char> input(line.begin(), line.end());
    input.push_back('\0');
    std::vector<char> text(textSize);
    std::vector<char*> argv(argvSize);
    const char* tail = nullptr;
    const int count = SplitCommandLine(input.data(), text.data(), static_cast<int>(textSize), argv.data(),
                                       static_cast<int>(argvSize), &tail);
    Split split;
    for (int i = 0; i < count; ++i)
        split.entries.emplace_back(argv[i]);
    split.tail = tail;
    return split;
}

// Storage as large as the header promises is enough for any line.
Split SplitLine(const std::string& line)
{
    return SplitWith(line, line.size() + 2, line.size() / 2 + 2);
}

struct SplitCase
{
    const char* name;
    unsigned codePage;
    std::string line;
    std::vector<std::string> entries;
};

void PrintTo(const SplitCase& c, std::ostream* os)
{
    *os << c.name;
}

class SplitRules : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitRules, GivesTheClassicArgumentVector)
{
    Platform = FakeWin32();
    Platform.codePage = GetParam().codePage;
    EXPECT_EQ(SplitLine(GetParam().line).entries, GetParam().entries) << "line: " << GetParam().line;
}

const SplitCase kSplitCases[] = {
    // Separators.
    {"PlainWords", 1252, "q a b", {"q", "a", "b"}},
    {"RunsOfBlanksAndTabs", 1252, "q \t a\t\t b  ", {"q", "a", "b"}},
    {"TabEndsProgramName", 1252, "q\ta", {"q", "a"}},
    {"OnlyProgramName", 1252, "Quillorn", {"Quillorn"}},
    {"EmptyLine", 1252, "", {""}},
    {"LeadingBlankMakesEmptyProgramName", 1252, "  Quillorn x", {"", "Quillorn", "x"}},
    // Quotes.
    {"QuotedBlanksKept", 1252, "q \"Office Laser\"", {"q", "Office Laser"}},
    {"QuotedTabKept", 1252, "q \"a\tb\"", {"q", "a\tb"}},
    {"QuotesInsideWord", 1252, "q a\"b c\"d e", {"q", "ab cd", "e"}},
    {"UnclosedQuoteRunsToEnd", 1252, "q \"a b  ", {"q", "a b  "}},
    {"EmptyQuotedArgument", 1252, "q \"\"", {"q", ""}},
    {"TwoEmptyArguments", 1252, "q \"\" \"\"", {"q", "", ""}},
    {"DoubledQuoteInsideQuotesEndsQuoting", 1252, "q \"a\"\"b c\"", {"q", "a\"b", "c"}},
    {"DoubledQuoteThenBlank", 1252, "q \"a\"\" b\"", {"q", "a\"", "b"}},
    {"TripledQuotes", 1252, "q \"\"\"a b\"\"\"", {"q", "\"a", "b\""}},
    {"SixQuotes", 1252, "q \"\"\"\"\"\"", {"q", "\"\""}},
    {"DoubledQuoteOutsideQuotesIsEmpty", 1252, "q a\"\"b", {"q", "ab"}},
    // Backslashes.
    {"BackslashesWithoutQuoteStay", 1252, "q \\\\server\\share a\\\\b", {"q", "\\\\server\\share", "a\\\\b"}},
    {"OddBackslashesQuoteLiteral", 1252, "q a\\\"b", {"q", "a\"b"}},
    {"EvenBackslashesQuoteSwitches", 1252, "q a\\\\\"b c\"", {"q", "a\\b c"}},
    {"ThreeBackslashesAndQuote", 1252, "q a\\\\\\\"b", {"q", "a\\\"b"}},
    {"FourBackslashesAndQuote", 1252, "q \"a\\\\\\\\\" b", {"q", "a\\\\", "b"}},
    {"BackslashBeforeClosingQuoteKeepsQuoting", 1252, "q \"a b\\\" c", {"q", "a b\" c"}},
    {"TwoBackslashesBeforeClosingQuote", 1252, "q \"a b\\\\\" c", {"q", "a b\\", "c"}},
    {"EscapedQuoteThenDoubledQuote", 1252, "q \"a\\\"\"\" b", {"q", "a\"\"", "b"}},
    {"LoneBackslashAtEnd", 1252, "q a\\", {"q", "a\\"}},
    // The program's name.
    {"QuotedProgramName", 1252, "\"C:\\Program Files\\Quillorn.exe\" x", {"C:\\Program Files\\Quillorn.exe", "x"}},
    {"QuotesInsideProgramName", 1252, "C:\\a\"b c\"\\q.exe x", {"C:\\ab c\\q.exe", "x"}},
    {"BackslashQuoteInProgramNameIsPlain", 1252, "\"C:\\dir\\\"q x", {"C:\\dir\\q", "x"}},
    {"UnclosedQuoteInProgramName", 1252, "\"a b", {"a b"}},
    {"DoubledQuoteInProgramNameIsNothing", 1252, "a\"\"b c", {"ab", "c"}},
    // Double-byte text: 0x95 is a lead byte in 932, a plain character in 1252.
    {"TrailBackslash932", 932, "q \"\x95\x5c\"", {"q", "\x95\x5c"}},
    {"TrailBackslash1252", 1252, "q \"\x95\x5c\"", {"q", "\x95\""}},
    {"TrailQuote932", 932, "q \x95\" a", {"q", "\x95\"", "a"}},
    {"TrailQuote1252", 1252, "q \x95\" a", {"q", "\x95 a"}},
    {"TrailBlank932", 932, "q \x95 x", {"q", "\x95 x"}},
    {"TrailBlank1252", 1252, "q \x95 x", {"q", "\x95", "x"}},
    {"TrailBlankInProgramName932", 932, "q\x95 x y", {"q\x95 x", "y"}},
    {"TrailQuoteInProgramName932", 932, "\x95\"a b", {"\x95\"a", "b"}},
    {"LeadByteLastInArgument932", 932, "q a\x95", {"q", "a\x95"}},
    {"LeadByteLastInProgramName932", 932, "q\x95", {"q\x95"}},
    {"LeadByteAfterBackslashes932", 932, "q \\\\\x95\\\"", {"q", "\\\\\x95\\"}},
};

INSTANTIATE_TEST_SUITE_P(Classic, SplitRules, ::testing::ValuesIn(kSplitCases),
                         [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(SplitTail, IsWhatFollowsTheProgramName)
{
    Platform = FakeWin32();
    EXPECT_EQ(SplitLine("q  \t a b").tail, "a b");
    EXPECT_EQ(SplitLine("\"C:\\P F\\q.exe\" \"x\"").tail, "\"x\"");
    EXPECT_EQ(SplitLine("q").tail, "");
}

TEST(SplitStorage, TooSmallTextOrTableGivesNoEntriesAndNoOverrun)
{
    Platform = FakeWin32();
    const std::string line = "q \"Office Laser\"";  // needs 2 + 12 + 1 bytes and 2 slots
    EXPECT_EQ(SplitWith(line, 15, 2).entries, (std::vector<std::string>{"q", "Office Laser"}));
    EXPECT_TRUE(SplitWith(line, 14, 2).entries.empty());
    EXPECT_TRUE(SplitWith(line, 15, 1).entries.empty());
    EXPECT_TRUE(SplitWith(line, 0, 0).entries.empty());
}

// Every line of up to six characters from the bytes that matter, in both code
// pages, splits within the promised storage into at least one entry.
TEST(SplitStorage, PromisedSizeHoldsEveryShortLine)
{
    const char alphabet[] = {' ', '\t', 'x', '"', '\\', '\x95'};
    for (unsigned codePage : {1252u, 932u}) {
        Platform = FakeWin32();
        Platform.codePage = codePage;
        for (int length = 0; length <= 6; ++length) {
            int combinations = 1;
            for (int i = 0; i < length; ++i)
                combinations *= 6;
            for (int k = 0; k < combinations; ++k) {
                std::string line;
                for (int i = 0, rest = k; i < length; ++i, rest /= 6)
                    line += alphabet[rest % 6];
                ASSERT_FALSE(SplitLine(line).entries.empty()) << "line: " << line << " code page " << codePage;
            }
        }
    }
}
}
