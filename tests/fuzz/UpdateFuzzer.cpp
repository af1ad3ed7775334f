// libFuzzer target for MakeDefaultPrinter against the in-memory profile.
// Byte 0: bit 0 "Devices" holds an entry, bit 1 the write is refused. The
// rest is the name, a 0 byte, and the description.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../../src/DefaultPrinter.h"
#include "../unit/FakeWin32.h"

namespace
{
void Require(bool condition)
{
    if (!condition)
        std::abort();
}

const char kPrevious[] = "Previous,winspool,LPT1:";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = rest.find('\0');
    const std::string name = rest.substr(0, split);
    std::string description = split == std::string::npos ? "" : rest.substr(split + 1);
    description = description.substr(0, description.find('\0'));

    Platform = FakeWin32();
    Platform.profile["windows"]["device"] = kPrevious;
    if (data[0] & 1)
        Platform.profile["Devices"][name] = description;
    Platform.refuseWrites = (data[0] & 2) != 0;

    const DeviceUpdateResult result = MakeDefaultPrinter(name.c_str());

    if (result == Updated) {
        Require(Platform.Device() == name + "," + description);
        Require(Platform.Device().size() <= 259);
        Require(Platform.writes == 1 && Platform.broadcasts.size() == 1);
        Require(Platform.broadcasts[0].section == "windows");
    } else {
        Require(Platform.Device() == kPrevious);
        Require(Platform.writes == 0 && Platform.broadcasts.empty());
    }
    // What each outcome must be, from what the profile held.
    const bool fits = !description.empty() && name.size() < 258 && name.size() + 1 + description.size() <= 259;
    if (!(data[0] & 1) || description.empty() || name.size() >= 258)
        Require(result == PrinterNotFound);
    else if (!fits || Platform.refuseWrites)
        Require(result == WriteFailed);
    else
        Require(result == Updated);
    return 0;
}
