// The default printer update as the platform sees it: the profile, the
// broadcast, the spooler's own idea of the default, and the boxes.
#include <windows.h>

#include "EndToEnd.h"

namespace
{
const char kError[] = "00000010";

TEST_F(EndToEnd, FoundPrinterBecomesTheDefault)
{
    Add("Office Laser", "winspool,Ne01:");
    const Outcome run = RunQuillorn("Quillorn \"Office Laser\"");
    EXPECT_TRUE(UpdatedTo(run, "Office Laser,winspool,Ne01:"));

    char name[300];
    DWORD size = sizeof name;
    ASSERT_TRUE(GetDefaultPrinterA(name, &size));
    EXPECT_STREQ(name, "Office Laser");
}

TEST_F(EndToEnd, SameFormAsThePlatformsOwnSetter)
{
    Add("Office Laser", "winspool,Ne01:");
    ASSERT_TRUE(UpdatedTo(RunQuillorn("Quillorn \"Office Laser\""), "Office Laser,winspool,Ne01:"));
    const std::string ours = GetDevice();
    // Wine's SetDefaultPrinterA writes "name,description" from the same entry.
    SetDevice(kPreviousDevice);
    ASSERT_TRUE(SetDefaultPrinterA("Office Laser"));
    EXPECT_EQ(GetDevice(), ours);
}

TEST_F(EndToEnd, BroadcastIsSentWithoutAbortIfHungAndASecondTimeout)
{
    Add("Office Laser", "winspool,Ne01:");
    const Outcome run = RunQuillorn("Quillorn \"Office Laser\"");
    ASSERT_TRUE(UpdatedTo(run, "Office Laser,winspool,Ne01:"));
    // SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, "windows", SMTO_NORMAL, 1000, NULL)
    int calls = 0;
    for (const std::string& line : run.relay) {
        if (line.find("user32.SendMessageTimeoutA(") == std::string::npos)
            continue;
        ++calls;
        EXPECT_NE(line.find("(0000ffff,0000001a,00000000,"), std::string::npos) << line;
        // lParam is traced as an address; the watcher checks that it reads "windows".
        EXPECT_NE(line.find(",00000000,000003e8,00000000)"), std::string::npos) << line;
    }
    EXPECT_EQ(calls, 1);
}

struct NotFoundCase
{
    const char* name;
    std::string commandLine;
    std::string printer;  // added to "Devices" when not empty
    std::string description;
};

void PrintTo(const NotFoundCase& c, std::ostream* os)
{
    *os << c.name;
}

class NotFound : public EndToEnd, public ::testing::WithParamInterface<NotFoundCase>
{
};

TEST_P(NotFound, ShowsPrinterNotFoundAndChangesNothing)
{
    if (!GetParam().printer.empty())
        Add(GetParam().printer, GetParam().description);
    EXPECT_TRUE(Showed(RunQuillorn(GetParam().commandLine), "Printer not found", kError));
}

const NotFoundCase kNotFoundCases[] = {
    {"NoSuchPrinter", "Quillorn \"Office Laser\"", "", ""},
    {"EmptyEntry", "Quillorn \"Office Laser\"", "Office Laser", ""},
    {"Name258", "Quillorn " + std::string(258, 'N'), std::string(258, 'N'), "winspool,Ne01:"},
    {"EmptyName", "Quillorn \"\"", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, NotFound, ::testing::ValuesIn(kNotFoundCases),
                         [](const ::testing::TestParamInfo<NotFoundCase>& info) { return info.param.name; });

TEST_F(EndToEnd, RefusedWriteShowsFailureAndDoesNotBroadcast)
{
    Add("Office Laser", "winspool,Ne01:");
    ReadOnlyWindowsSection readOnly;
    ASSERT_TRUE(readOnly.Applied());
    ASSERT_FALSE(WriteProfileStringA("windows", "probe", "x")) << "the store still takes writes";
    EXPECT_TRUE(Showed(RunQuillorn("Quillorn \"Office Laser\""), "Failed to update device setting", kError));
}

TEST_F(EndToEnd, DescriptionTooLongForTheRoomIsNotStoredCut)
{
    const std::string name = "Long";                  // 4 + 1 + 254 = 259 characters: the limit
    Add(name, std::string(255, 'd'));
    EXPECT_TRUE(Showed(RunQuillorn("Quillorn Long"), "Failed to update device setting", kError));
}

TEST_F(EndToEnd, DescriptionThatFitsExactlyIsStored)
{
    const std::string description(254, 'd');
    Add("Long", description);
    EXPECT_TRUE(UpdatedTo(RunQuillorn("Quillorn Long"), "Long," + description));
    EXPECT_EQ(GetDevice().size(), 259u);
}

TEST_F(EndToEnd, HungWindowDelaysTheRunOnlyByTheTimeout)
{
    Add("Office Laser", "winspool,Ne01:");
    Watcher::Instance().SetHang(8000);
    const Outcome run = RunQuillorn("Quillorn \"Office Laser\"");
    // Quillorn ended while the watcher still slept inside WM_WININICHANGE.
    EXPECT_TRUE(Watcher::Instance().Hanging());
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(GetDevice(), "Office Laser,winspool,Ne01:");
    EXPECT_GE(run.milliseconds, 900u);
    while (Watcher::Instance().Hanging())
        Sleep(50);
}
}
