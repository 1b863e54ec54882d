#include "link/port_watcher.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

const SerialDeviceInfo kBuiltIn{"/dev/ttyS0", "built-in serial port", "COM1"};
const SerialDeviceInfo kAdapter{"/dev/ttyUSB0", "USB2.0-Serial", "COM1"};
const SerialDeviceInfo kBuiltInMoved{"/dev/ttyS0", "built-in serial port", "COM2"};

struct ChangeCase {
    const char* name;
    friend void PrintTo(const ChangeCase& row, std::ostream* out) { *out << row.name; }
    std::vector<SerialDeviceInfo> before;
    std::vector<SerialDeviceInfo> after;
    std::vector<PortChange> changes;
};

class PortChangesTest : public ::testing::TestWithParam<ChangeCase> {};

// An adapter plugged in takes COM1 from the built-in port, which moves on: whoever shows
// COM1 or COM2 must hear of both.
TEST_P(PortChangesTest, ReportEveryEntryWhoseDeviceChanged) {
    EXPECT_EQ(portChanges(GetParam().before, GetParam().after), GetParam().changes);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PortChangesTest,
    ::testing::Values(ChangeCase{"NothingChanged", {kBuiltIn}, {kBuiltIn}, {}},
                      ChangeCase{"AdapterPluggedIn",
                                 {kBuiltIn},
                                 {kAdapter, kBuiltInMoved},
                                 {{false, kBuiltIn}, {true, kAdapter}, {true, kBuiltInMoved}}},
                      ChangeCase{"AdapterPulled",
                                 {kAdapter, kBuiltInMoved},
                                 {kBuiltIn},
                                 {{false, kAdapter}, {false, kBuiltInMoved}, {true, kBuiltIn}}},
                      ChangeCase{"OtherAdapterUnderTheSameName",
                                 {kAdapter},
                                 {{"/dev/ttyUSB0", "FT232R USB UART", "COM1"}},
                                 {{false, kAdapter},
                                  {true, {"/dev/ttyUSB0", "FT232R USB UART", "COM1"}}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wl3
