#pragma once

#include <glib/gstdio.h>
#include <string>
#include <umockdev.h>

namespace wl3::test {

// A USB serial adapter (vendor 1a86, product 7523, "USB2.0-Serial") that comes and goes,
// once, as /dev/ttyUSB0 in a umockdev testbed. Its preload library (umockdev-wrapper) shows the
// test, and every program started meanwhile, the testbed's /sys in place of the machine's, and the
// testbed's /dev over the machine's; the testbed sends udev's events itself.
class UsbSerialTestbed {
public:
    // The testbed's /dev, empty, hides the machine's serial ports.
    UsbSerialTestbed() : testbed_(umockdev_testbed_new()) {
        gchar* root = umockdev_testbed_get_root_dir(testbed_);
        root_ = root;
        g_free(root);
        g_mkdir_with_parents((root_ + "/dev").c_str(), 0755);
    }
    ~UsbSerialTestbed() { g_object_unref(testbed_); }
    UsbSerialTestbed(const UsbSerialTestbed&) = delete;
    UsbSerialTestbed& operator=(const UsbSerialTestbed&) = delete;

    // Once a testbed exists: whether the test runs under umockdev-wrapper, without which
    // nothing here is seen.
    static bool mocked() { return umockdev_in_mock_environment() != FALSE; }

    // The USB device, its interface, the converter's port below it and the tty with its
    // node (a pseudo-terminal) and its link to the port, as the kernel lays them out.
    void plug() {
        const std::string usb = "/devices/pci0000:00/0000:00:14.0/usb1/1-1";
        const std::string tree =
            "P: " + usb +
            "\nE: SUBSYSTEM=usb\nE: DEVTYPE=usb_device\nA: idVendor=1a86\n"
            "A: idProduct=7523\nA: product=USB2.0-Serial\n\n"
            "P: " +
            usb +
            "/1-1:1.0\nE: SUBSYSTEM=usb\n"
            "E: DEVTYPE=usb_interface\n\n"
            "P: " +
            usb +
            "/1-1:1.0/ttyUSB0\nE: SUBSYSTEM=usb-serial\n\n"
            "P: " +
            usb +
            "/1-1:1.0/ttyUSB0/tty/ttyUSB0\nN: ttyUSB0\nL: device=../../../ttyUSB0\n"
            "E: SUBSYSTEM=tty\nE: DEVNAME=/dev/ttyUSB0\nA: dev=188:0\n";
        umockdev_testbed_add_from_string(testbed_, tree.c_str(), nullptr);
        usb_ = "/sys" + usb;
        tty_ = usb_ + "/1-1:1.0/ttyUSB0/tty/ttyUSB0";
        umockdev_testbed_uevent(testbed_, tty_.c_str(), "add");
    }

    // As with the kernel, the node is gone by the time udev tells of it.
    void unplug() {
        g_unlink((root_ + "/dev/ttyUSB0").c_str());
        umockdev_testbed_uevent(testbed_, tty_.c_str(), "remove");
        umockdev_testbed_remove_device(testbed_, usb_.c_str());
    }

private:
    UMockdevTestbed* testbed_;
    std::string root_;
    std::string usb_;
    std::string tty_;
};

} // namespace wl3::test
