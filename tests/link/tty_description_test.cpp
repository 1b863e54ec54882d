#include "link/tty_description.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wl3 {
namespace {

namespace fs = std::filesystem;

// A sysfs tree as the kernel lays it out: /sys/class/tty/NAME/device links into
// /sys/devices, where the USB device holds the maker and product.
class FakeSysfs {
public:
    fs::path usbDevice(const std::string& port, const std::string& maker,
                       const std::string& product) {
        const fs::path device = root() / "devices/pci0000:00/usb1" / port;
        fs::create_directories(device);
        test::writeAll(device / "idVendor", "0403\n");
        test::writeAll(device / "idProduct", "6001\n");
        if (!maker.empty()) {
            test::writeAll(device / "manufacturer", maker + "\n");
        }
        if (!product.empty()) {
            test::writeAll(device / "product", product + "\n");
        }
        return device;
    }

    void tty(const std::string& name, const fs::path& device) {
        fs::create_directories(root() / "class/tty" / name);
        fs::create_directory_symlink(device, root() / "class/tty" / name / "device");
    }

    const fs::path& root() const { return dir_.path(); }

private:
    test::TempDir dir_;
};

TEST(DescribeTty, FindsTheUsbDeviceAtTheLevelItsDriverPutsIt) {
    FakeSysfs sys;
    // A USB-serial converter's device is its port, below the interface.
    const fs::path ftdi = sys.usbDevice("1-1", "Maker A", "Serial Cable");
    fs::create_directories(ftdi / "1-1:1.0/ttyUSB0");
    sys.tty("ttyUSB0", ftdi / "1-1:1.0/ttyUSB0");
    // A CDC-ACM device's is the interface itself.
    const fs::path acm = sys.usbDevice("1-2", "Maker B", "");
    fs::create_directories(acm / "1-2:1.0");
    sys.tty("ttyACM0", acm / "1-2:1.0");
    // Neither string: the USB ids are all there is.
    const fs::path bare = sys.usbDevice("1-3", "", "");
    fs::create_directories(bare / "1-3:1.0/ttyUSB1");
    sys.tty("ttyUSB1", bare / "1-3:1.0/ttyUSB1");

    EXPECT_EQ(describeTty(sys.root(), "ttyUSB0"), "Maker A Serial Cable");
    EXPECT_EQ(describeTty(sys.root(), "ttyACM0"), "Maker B");
    EXPECT_EQ(describeTty(sys.root(), "ttyUSB1"), "USB 0403:6001");
    EXPECT_EQ(describeTty(sys.root(), "ttyUSB9"), "") << "no such tty";
}

TEST(DescribeTty, BuiltInPortsSayWhetherHardwareAnswered) {
    FakeSysfs sys;
    fs::create_directories(sys.root() / "class/tty/ttyS0");
    fs::create_directories(sys.root() / "class/tty/ttyS1");
    test::writeAll(sys.root() / "class/tty/ttyS0/type", "4\n");
    test::writeAll(sys.root() / "class/tty/ttyS1/type", "0\n");
    fs::create_directories(sys.root() / "class/tty/ttyAMA0");
    test::writeAll(sys.root() / "class/tty/ttyAMA0/type", "32\n");
    EXPECT_EQ(describeTty(sys.root(), "ttyS0"), "built-in serial port");
    EXPECT_EQ(describeTty(sys.root(), "ttyAMA0"), "built-in serial port");
    EXPECT_EQ(describeTty(sys.root(), "ttyS1"), "built-in serial port (no hardware found)");
}

} // namespace
} // namespace wl3
