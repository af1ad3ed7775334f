#include "EndToEnd.h"

const char kPreviousDevice[] = "Previous Printer,winspool,LPT1:";
const char kUsage[] = "Usage:\n\nQuillorn \"Printer Device Name\"";

void EndToEnd::SetUp()
{
    Watcher::Instance().SetHang(0);
    SetDevice(kPreviousDevice);
    ASSERT_EQ(GetDevice(), kPreviousDevice);
}

void EndToEnd::TearDown()
{
    for (const std::string& name : added_)
        RemovePrinter(name);
}

void EndToEnd::Add(const std::string& name, const std::string& description)
{
    AddPrinter(name, description);
    added_.push_back(name);
}

::testing::AssertionResult Showed(const Outcome& run, const char* text, const char* type)
{
    if (run.exitCode != 0)
        return ::testing::AssertionFailure() << "exit status " << run.exitCode;
    if (!run.broadcasts.empty())
        return ::testing::AssertionFailure() << run.broadcasts.size() << " broadcasts";
    if (GetDevice() != kPreviousDevice)
        return ::testing::AssertionFailure() << "device became \"" << GetDevice() << '"';
    if (run.boxes.size() != 1 || run.boxes[0] != text)
        return ::testing::AssertionFailure() << run.boxes.size() << " boxes"
                                             << (run.boxes.empty() ? "" : ", first \"" + run.boxes[0] + '"');
    if (run.boxTypes.size() != 1 || run.boxTypes[0] != type)
        return ::testing::AssertionFailure() << "MessageBoxA types traced: " << run.boxTypes.size()
                                             << (run.boxTypes.empty() ? "" : ", first " + run.boxTypes[0]);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult UpdatedTo(const Outcome& run, const std::string& device)
{
    if (run.exitCode != 0)
        return ::testing::AssertionFailure() << "exit status " << run.exitCode;
    if (!run.boxes.empty() || !run.boxTypes.empty())
        return ::testing::AssertionFailure() << "a box appeared: \"" << (run.boxes.empty() ? "" : run.boxes[0])
                                             << '"';
    if (GetDevice() != device)
        return ::testing::AssertionFailure() << "device is \"" << GetDevice() << '"';
    if (run.broadcasts != std::vector<std::string>{"windows"})
        return ::testing::AssertionFailure() << run.broadcasts.size() << " broadcasts"
                                             << (run.broadcasts.empty() ? "" : ", first \"" + run.broadcasts[0] + '"');
    return ::testing::AssertionSuccess();
}
