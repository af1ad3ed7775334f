// WinMain: the argument check and the box that belongs to each outcome.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../startup/Arguments.h"
#include "FakeWin32.h"

namespace
{
const char kUsage[] = "Usage:\n\nQuillorn \"Printer Device Name\"";

struct EntryCase
{
    const char* name;
    std::vector<std::string> arguments;  // after the program's name
    bool printerKnown;
    bool refuseWrites;
    const char* boxText;  // nullptr: no box
    UINT boxType;
};

void PrintTo(const EntryCase& c, std::ostream* os)
{
    *os << c.name;
}

class Entry : public ::testing::TestWithParam<EntryCase>
{
};

TEST_P(Entry, ShowsTheBoxForTheOutcomeAndReturnsZero)
{
    const EntryCase& c = GetParam();
    Platform = FakeWin32();
    Platform.profile["windows"]["device"] = "Old,winspool,LPT1:";
    if (c.printerKnown)
        Platform.profile["Devices"]["Office Laser"] = "winspool,Ne01:";
    Platform.refuseWrites = c.refuseWrites;

    std::vector<std::string> storage{"Quillorn.exe"};
    storage.insert(storage.end(), c.arguments.begin(), c.arguments.end());
    std::vector<char*> argv;
    for (std::string& s : storage)
        argv.push_back(&s[0]);
    ArgumentCount = static_cast<int>(argv.size());
    ArgumentVector = argv.data();

    EXPECT_EQ(WinMain(nullptr, nullptr, const_cast<LPSTR>(""), 1), 0);

    if (c.boxText == nullptr) {
        EXPECT_TRUE(Platform.boxes.empty());
        EXPECT_EQ(Platform.Device(), "Office Laser,winspool,Ne01:");
        return;
    }
    ASSERT_EQ(Platform.boxes.size(), 1u);
    const Box& box = Platform.boxes[0];
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.text, c.boxText);
    EXPECT_EQ(box.caption, "Quillorn Utility");
    EXPECT_EQ(box.type, c.boxType);
    EXPECT_EQ(Platform.Device(), "Old,winspool,LPT1:");
    EXPECT_TRUE(Platform.broadcasts.empty());
}

const EntryCase kEntryCases[] = {
    {"Updated", {"Office Laser"}, true, false, nullptr, 0},
    {"NotFound", {"Office Laser"}, false, false, "Printer not found", MB_OK | MB_ICONERROR},
    {"EmptyName", {""}, true, false, "Printer not found", MB_OK | MB_ICONERROR},
    {"WriteRefused", {"Office Laser"}, true, true, "Failed to update device setting", MB_OK | MB_ICONERROR},
    {"NoArgument", {}, true, false, kUsage, MB_OK | MB_ICONINFORMATION},
    {"TwoArguments", {"Office", "Laser"}, true, false, kUsage, MB_OK | MB_ICONINFORMATION},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, Entry, ::testing::ValuesIn(kEntryCases),
                         [](const ::testing::TestParamInfo<EntryCase>& info) { return info.param.name; });

TEST(EntryUsage, WrongUseNeverTouchesTheProfile)
{
    for (int count : {0, 1, 3}) {
        SCOPED_TRACE(count);
        Platform = FakeWin32();
        char name[] = "Quillorn";
        char* argv[] = {name, name, name};
        ArgumentCount = count;  // 0: a command line too long to split
        ArgumentVector = argv;
        EXPECT_EQ(WinMain(nullptr, nullptr, name, 1), 0);
        EXPECT_TRUE(Platform.reads.empty());
        EXPECT_EQ(Platform.writes, 0);
        ASSERT_EQ(Platform.boxes.size(), 1u);
        EXPECT_EQ(Platform.boxes[0].text, kUsage);
    }
}
}
