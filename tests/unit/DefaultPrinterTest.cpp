// MakeDefaultPrinter against the in-memory profile: what is written, what is
// broadcast, and that failures leave both untouched.
#include <gtest/gtest.h>

#include <string>

#include "../../src/DefaultPrinter.h"
#include "FakeWin32.h"

namespace
{
const char kPrevious[] = "Old Printer,winspool,LPT1:";

class DefaultPrinter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Platform = FakeWin32();
        Platform.profile["windows"]["device"] = kPrevious;
    }

    void AddPrinter(const std::string& name, const std::string& description)
    {
        Platform.profile["Devices"][name] = description;
    }

    // Nothing written, nothing broadcast: the previous default stands.
    ::testing::AssertionResult Untouched() const
    {
        if (Platform.Device() != kPrevious)
            return ::testing::AssertionFailure() << "device became \"" << Platform.Device() << '"';
        if (Platform.writes != 0 || !Platform.broadcasts.empty())
            return ::testing::AssertionFailure()
                   << Platform.writes << " writes, " << Platform.broadcasts.size() << " broadcasts";
        return ::testing::AssertionSuccess();
    }

    // The device string written once, then exactly one broadcast naming "windows".
    ::testing::AssertionResult UpdatedTo(const std::string& device) const
    {
        if (Platform.Device() != device)
            return ::testing::AssertionFailure() << "device is \"" << Platform.Device() << '"';
        if (Platform.writes != 1 || Platform.broadcasts.size() != 1)
            return ::testing::AssertionFailure()
                   << Platform.writes << " writes, " << Platform.broadcasts.size() << " broadcasts";
        const Broadcast& b = Platform.broadcasts[0];
        if (b.window != HWND_BROADCAST || b.message != WM_WININICHANGE || b.wParam != 0 || b.section != "windows" ||
            b.flags != SMTO_NORMAL || b.timeout != 1000 || b.result != nullptr)
            return ::testing::AssertionFailure() << "broadcast " << b.message << " \"" << b.section << "\" flags "
                                                 << b.flags << " timeout " << b.timeout;
        return ::testing::AssertionSuccess();
    }
};

TEST_F(DefaultPrinter, FoundPrinterBecomesDefaultAndIsBroadcast)
{
    AddPrinter("Office Laser", "winspool,Ne01:");
    EXPECT_EQ(MakeDefaultPrinter("Office Laser"), Updated);
    EXPECT_TRUE(UpdatedTo("Office Laser,winspool,Ne01:"));
    ASSERT_EQ(Platform.reads.size(), 1u);
    EXPECT_EQ(Platform.reads[0].section, "Devices");
    EXPECT_EQ(Platform.reads[0].key, "Office Laser");
}

TEST_F(DefaultPrinter, DescriptionIsCopiedAsItStands)
{
    AddPrinter("P", " a,,b , c,");
    EXPECT_EQ(MakeDefaultPrinter("P"), Updated);
    EXPECT_TRUE(UpdatedTo("P, a,,b , c,"));
}

TEST_F(DefaultPrinter, EmptyNameIsLookedUpUnderTheEmptyKey)
{
    AddPrinter("", "winspool,FILE:");
    EXPECT_EQ(MakeDefaultPrinter(""), Updated);
    EXPECT_TRUE(UpdatedTo(",winspool,FILE:"));
}

// Names and descriptions around the 259-character limit of the device string.
struct FitCase
{
    const char* name;
    size_t nameLength;
    size_t descriptionLength;
    DeviceUpdateResult expected;
};

void PrintTo(const FitCase& c, std::ostream* os)
{
    *os << c.name;
}

class DeviceStringFit : public DefaultPrinter, public ::testing::WithParamInterface<FitCase>
{
};

TEST_P(DeviceStringFit, StoresWholeOrNothing)
{
    const std::string name(GetParam().nameLength, 'N');
    const std::string description(GetParam().descriptionLength, 'd');
    AddPrinter(name, description);

    EXPECT_EQ(MakeDefaultPrinter(name.c_str()), GetParam().expected);
    if (GetParam().expected == Updated) {
        EXPECT_TRUE(UpdatedTo(name + "," + description));
        EXPECT_LE(Platform.Device().size(), 259u);
    } else {
        EXPECT_TRUE(Untouched());
    }
}

const FitCase kFitCases[] = {
    {"ShortNameExactFit", 10, 248, Updated},
    {"ShortNameOneTooMany", 10, 249, WriteFailed},
    {"ShortNameFarTooLong", 10, 1000, WriteFailed},
    {"Name257OneCharacterFits", 257, 1, Updated},
    {"Name257TwoCharactersDoNot", 257, 2, WriteFailed},
    {"Name258HasNoRoom", 258, 1, PrinterNotFound},
    {"Name300HasNoRoom", 300, 5, PrinterNotFound},
};

INSTANTIATE_TEST_SUITE_P(Limits, DeviceStringFit, ::testing::ValuesIn(kFitCases),
                         [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST_F(DefaultPrinter, LookupUsesTheWholeNameNotTheCutCopy)
{
    // Only the full 257-character name is a key; a cut copy would miss it.
    const std::string name(257, 'N');
    AddPrinter(name, "x");
    AddPrinter(name.substr(0, 256), "wrong");
    EXPECT_EQ(MakeDefaultPrinter(name.c_str()), Updated);
    EXPECT_TRUE(UpdatedTo(name + ",x"));
}

TEST_F(DefaultPrinter, MissingPrinterIsNotFound)
{
    AddPrinter("Other", "winspool,LPT2:");
    EXPECT_EQ(MakeDefaultPrinter("Office Laser"), PrinterNotFound);
    EXPECT_TRUE(Untouched());
}

TEST_F(DefaultPrinter, EmptyDescriptionIsNotFound)
{
    AddPrinter("Office Laser", "");
    EXPECT_EQ(MakeDefaultPrinter("Office Laser"), PrinterNotFound);
    EXPECT_TRUE(Untouched());
}

TEST_F(DefaultPrinter, EmptyNameWithoutEntryIsNotFound)
{
    EXPECT_EQ(MakeDefaultPrinter(""), PrinterNotFound);
    EXPECT_TRUE(Untouched());
}

TEST_F(DefaultPrinter, RefusedWriteFailsWithoutBroadcast)
{
    AddPrinter("Office Laser", "winspool,Ne01:");
    Platform.refuseWrites = true;
    EXPECT_EQ(MakeDefaultPrinter("Office Laser"), WriteFailed);
    EXPECT_TRUE(Untouched());
}
}
