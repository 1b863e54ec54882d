#include "cli/stderr_reporter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace wl3 {
namespace {

TEST(StderrReporter, WritesOneLinePerMessage) {
    std::ostringstream err;
    StderrReporter reporter(err);
    reporter.message("Wrenlink3 Read", "Read Successful");
    reporter.errorBox("Bad EE Size 127\n");
    reporter.errorBox("Count not aquire Com Port\n/dev/ttyUSB0: busy");
    reporter.errorBox("Wrenlink3 v1 \xB5\x1B[2J\r\n");
    EXPECT_EQ(err.str(), "Wrenlink3 Read: Read Successful\n"
                         "Bad EE Size 127\n"
                         "Count not aquire Com Port: /dev/ttyUSB0: busy\n"
                         "Wrenlink3 v1 \u00B5\\x1B[2J\n");
}

} // namespace
} // namespace wl3
