#include "link/port_mapping.h"
#include "link/serial_link.h"
#include "support/messages_without_root.h"
#include "support/pty_pair.h"
#include "support/recording_reporter.h"
#include "support/temp_dir.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <numeric>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace wl3::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

milliseconds since(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
}

// Far above anything the rules allow, so that only a hang fails a test, never a slow machine.
constexpr milliseconds kSlack{2000};

class PtyTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(pty.ok()); }

    PortResolver toPty() {
        return [path = pty.devicePath](int) { return path; };
    }

    PtyPair pty;
    RecordingReporter reporter;
    SerialLink link{reporter, makeSystemSerialPort(), toPty()};
};

TEST_F(PtyTest, EveryByteValuePassesUnchangedBothWays) {
    auto port = makeSystemSerialPort();
    const std::optional<PortError> error = port->open(pty.devicePath);
    ASSERT_FALSE(error) << englishText(wordingOf(PortCallFailed{PortCall::Open, *error}));
    ASSERT_FALSE(port->readSettings());
    ASSERT_FALSE(port->applyLineSettings());
    ASSERT_FALSE(port->applyTimeouts());

    std::vector<std::uint8_t> all(256);
    std::iota(all.begin(), all.end(), std::uint8_t{0});
    for (const std::uint8_t byte : all) {
        int written = -1;
        ASSERT_FALSE(port->writeByte(byte, written));
        ASSERT_EQ(written, 1);
    }
    EXPECT_EQ(pty.receive(all.size(), kSlack), all);

    pty.send(all);
    std::vector<std::uint8_t> received(all.size());
    int count = 0;
    int told = 0;
    ASSERT_FALSE(port->read(received, count, [&](int soFar) {
        told = soFar;
        return true;
    }));
    EXPECT_EQ(count, 256);
    EXPECT_EQ(told, 256);
    EXPECT_EQ(received, all);

    // A silent line still wakes the watcher, so that a stop need not wait out the time-out.
    int wakes = 0;
    ASSERT_FALSE(port->read(received, count, [&](int) { return ++wakes < 3; }));
    EXPECT_EQ(count, 0);
    EXPECT_EQ(wakes, 3);
    EXPECT_FALSE(port->close());
}

class LineSettingsTest : public PtyTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LineSettingsTest, Sets4800Raw8N1KeepsFlowControlAsFoundAndPutsAllBackOnClose) {
    const bool hardwareFlow = GetParam();
    termios before{};
    ASSERT_EQ(tcgetattr(pty.observer, &before), 0);
    before.c_cflag |= PARENB | CSTOPB;
    before.c_iflag |= ICRNL | IXON;
    before.c_cflag = hardwareFlow ? (before.c_cflag | CRTSCTS) : (before.c_cflag & ~CRTSCTS);
    cfsetspeed(&before, B9600);
    ASSERT_EQ(tcsetattr(pty.observer, TCSANOW, &before), 0);
    ASSERT_EQ(tcgetattr(pty.observer, &before), 0);

    ASSERT_EQ(link.openPort(), Status::Ok);
    termios after{};
    ASSERT_EQ(tcgetattr(pty.observer, &after), 0);
    EXPECT_EQ(cfgetospeed(&after), B4800);
    EXPECT_EQ(cfgetispeed(&after), B4800);
    EXPECT_EQ(after.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(after.c_cflag & (PARENB | CSTOPB), 0u);
    EXPECT_EQ((after.c_cflag & CRTSCTS) != 0, hardwareFlow);
    EXPECT_EQ(after.c_iflag & (ICRNL | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(after.c_oflag & OPOST, 0u);
    EXPECT_EQ(after.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(link.closePort(), Status::Ok);
    EXPECT_THAT(reporter.entries, IsEmpty());

    termios released{};
    ASSERT_EQ(tcgetattr(pty.observer, &released), 0);
    EXPECT_EQ(cfgetospeed(&released), cfgetospeed(&before));
    EXPECT_EQ(released.c_iflag, before.c_iflag);
    EXPECT_EQ(released.c_oflag, before.c_oflag);
    EXPECT_EQ(released.c_lflag, before.c_lflag);
    EXPECT_EQ(released.c_cflag, before.c_cflag);
}

INSTANTIATE_TEST_SUITE_P(HardwareFlowControl, LineSettingsTest, ::testing::Bool(),
                         ::testing::PrintToStringParamName());

TEST_F(PtyTest, ASilentReadWaitsTwoMillisecondsPerBytePlus300) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    std::array<std::uint8_t, 29> buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(link.readBytes(buffer), 0);
    const auto elapsed = since(start);
    EXPECT_GE(elapsed, milliseconds(358));
    EXPECT_LT(elapsed, milliseconds(358) + kSlack);
    EXPECT_THAT(reporter.entries, IsEmpty());
}

TEST_F(PtyTest, AReadEndsFiftyMillisecondsAfterTheLastByte) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    std::vector<std::uint8_t> buffer(1000);
    const auto start = Clock::now();
    std::thread farEnd([&] {
        pty.send({1, 2, 3});
        std::this_thread::sleep_for(milliseconds(30));
        pty.send({4, 5});
    });
    const int count = link.readBytes(buffer);
    const auto elapsed = since(start);
    farEnd.join();
    EXPECT_EQ(count, 5);
    EXPECT_THAT(std::vector(buffer.begin(), buffer.begin() + 5), ElementsAre(1, 2, 3, 4, 5));
    EXPECT_GE(elapsed, milliseconds(30 + 50));
    // The total time-out of this read would be 2300 ms.
    EXPECT_LT(elapsed, milliseconds(1500));
}

TEST_F(PtyTest, AFullBufferEndsTheReadAndLeavesTheRestOnTheLine) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    pty.send({1, 2, 3, 4, 5, 6});
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(link.readBytes(buffer), 4);
    EXPECT_THAT(buffer, ElementsAre(1, 2, 3, 4));
    EXPECT_EQ(link.readBytes(buffer), 2);
    EXPECT_THAT(buffer, ElementsAre(5, 6, 3, 4));
}

TEST_F(PtyTest, AByteTheLineDoesNotTakeCountsNothingAfter302Milliseconds) {
    // Fill the line towards the far end, which is not reading, until the kernel has moved
    // all it will into the far end's buffers.
    const std::vector<std::uint8_t> filler(4096, 0x20);
    bool tookMore = true;
    while (tookMore) {
        tookMore = false;
        while (write(pty.observer, filler.data(), filler.size()) > 0) {
            tookMore = true;
        }
        std::this_thread::sleep_for(milliseconds(50));
    }
    ASSERT_EQ(link.openPort(), Status::Ok);
    const auto start = Clock::now();
    EXPECT_EQ(link.writeBytes(std::array<std::uint8_t, 2>{0x1B, 0x55}), Status::Failed);
    const auto elapsed = since(start);
    EXPECT_GE(elapsed, milliseconds(2 * (302 + 10)));
    EXPECT_LT(elapsed, milliseconds(2 * (302 + 10)) + kSlack);
    EXPECT_THAT(reporter.texts(), ElementsAre("ComPort write mismatch"));
}

TEST_F(PtyTest, ASecondOpenerIsToldThePortIsBusy) {
    RecordingReporter otherReporter;
    SerialLink other(otherReporter, makeSystemSerialPort(), toPty());
    ASSERT_EQ(link.openPort(), Status::Ok);
    EXPECT_EQ(other.openPort(), Status::Failed);
    EXPECT_FALSE(other.isOpen());
    EXPECT_THAT(otherReporter.texts(), ElementsAre("Count not aquire Com Port\n" + pty.devicePath +
                                                   ": another program is using this port."));
    ASSERT_EQ(link.closePort(), Status::Ok);
    EXPECT_EQ(other.openPort(), Status::Ok);
    EXPECT_EQ(other.closePort(), Status::Ok);
}

TEST_F(PtyTest, AHangUpGivesAReadFailureAndTheCloseStillReleasesThePort) {
    ASSERT_EQ(link.openPort(), Status::Ok);
    pty.closeMaster();
    std::array<std::uint8_t, 29> buffer{};
    EXPECT_EQ(link.readBytes(buffer), 0);
    EXPECT_EQ(link.writeBytes(std::array<std::uint8_t, 1>{0x1B}), Status::Failed);
    EXPECT_EQ(link.closePort(), Status::Ok);
    EXPECT_FALSE(link.isOpen());
    EXPECT_THAT(reporter.texts(),
                ElementsAre(StartsWith("ComPort read failed\n" + pty.devicePath + ": "),
                            "ComPort write failed"));
}

struct AcquireFailure {
    const char* name;
    friend void PrintTo(const AcquireFailure& row, std::ostream* out) { *out << row.name; }
    std::string device;
    std::string reason;
};

class AcquireFailureTest : public ::testing::TestWithParam<AcquireFailure> {};

TEST_P(AcquireFailureTest, NamesTheDeviceAndWhy) {
    RecordingReporter reporter;
    const std::string device = GetParam().device;
    SerialLink link(reporter, makeSystemSerialPort(), [&](int) { return device; });
    link.setPort({3, {}});
    EXPECT_EQ(link.openPort(), Status::Failed);
    EXPECT_FALSE(link.isOpen());
    EXPECT_THAT(reporter.texts(), ElementsAre("Count not aquire Com Port\n" + GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, AcquireFailureTest,
    ::testing::Values(
        AcquireFailure{"NoDeviceForTheNumber", "",
                       "COM3: there is no serial port with this number on this machine."},
        AcquireFailure{"DeviceGone", "/dev/wl3-no-such-device",
                       "/dev/wl3-no-such-device: No such file or directory (is the adapter "
                       "still plugged in?)"}),
    [](const auto& info) { return info.param.name; });

// What opening device shows to a user without root's rights.
std::string openMessageWithoutRoot(const std::string& device) {
    return test::messagesWithoutRoot([&](RecordingReporter& reporter) {
        SerialLink link(reporter, makeSystemSerialPort(), [&](int) { return device; });
        link.openPort();
    });
}

// Made by root, the file is root's alone, but no group or udev rule would let a user in:
// a file is no device.
TEST(PosixSerialPortTest, APermissionErrorOnAFileGivesNoDeviceAdvice) {
    const std::string device = ::testing::TempDir() + "wl3-locked-device";
    std::ofstream(device).put('x');
    chmod(device.c_str(), 0);
    EXPECT_THAT(openMessageWithoutRoot(device),
                ::testing::MatchesRegex("Count not aquire Com Port\n.*wl3-locked-device: "
                                        "permission denied\\."));
    std::remove(device.c_str());
}

TEST(PosixSerialPortTest, ADeviceThatIsNoTerminalFailsOnItsSettingsAndStaysHeld) {
    RecordingReporter reporter;
    SerialLink link(reporter, makeSystemSerialPort(), [](int) { return "/dev/null"; });
    EXPECT_EQ(link.openPort(), Status::Failed);
    EXPECT_TRUE(link.isOpen());
    EXPECT_EQ(link.closePort(), Status::Ok);
    EXPECT_THAT(reporter.texts(),
                ElementsAre("GetCommState failed\n/dev/null: this is not a serial device."));
}

TEST(PortMappingTest, OnlyCharacterDevicesCountAsPorts) {
    namespace fs = std::filesystem;
    const TempDir dir;
    const fs::path& folder = dir.path();
    fs::create_symlink("/dev/wl3-unplugged", folder / "ttyUSB0");
    std::ofstream(folder / "ttyUSB1").put('x');
    fs::create_directory(folder / "ttyUSB2");
    fs::create_symlink("/dev/null", folder / "ttyUSB3");
    EXPECT_THAT(characterDevicesIn(folder.string()), ElementsAre((folder / "ttyUSB3").string()));
}

} // namespace
} // namespace wl3::test
