#include "cli/stderr_reporter.h"

#include <gtest/gtest.h>
#include <sstream>

namespace wl3 {
namespace {

TEST(StderrReporter, WritesOneLinePerMessage) {
    std::ostringstream err;
    StderrReporter reporter(err);
    reporter.report(ReadSucceeded{});
    reporter.report(ImageSizeWrong{127});
    reporter.report(PortCallFailed{PortCall::Open, {PortFailure::InUse, "/dev/ttyUSB0"}});
    reporter.report(VersionReply{"Wrenlink3 v1 \xB5\x1B[2J\r\n"});
    EXPECT_EQ(err.str(), "Wrenlink3 Read: Read Successful\n"
                         "Bad EE Size 127\n"
                         "Count not aquire Com Port: /dev/ttyUSB0: another program is using this "
                         "port.\n"
                         "Wrenlink3 Version: Wrenlink3 v1 \u00B5\\x1B[2J\n");
}

} // namespace
} // namespace wl3
