#include "link/comm_settings_windows.h"
#include "link/port_mapping.h"
#include "link/serial_port.h"

#include <windows.h>

namespace wl3 {

namespace {

std::string systemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(error) : message;
}

std::string openFailureReason(const std::string& path, DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return path + ": there is no such port on this machine (is the adapter plugged in?)";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return path + ": another program is using this port.";
    default:
        return path + ": " + systemMessage(error);
    }
}

class WindowsSerialPort final : public SerialPort {
public:
    explicit WindowsSerialPort(PortResolver resolver) : resolver_(std::move(resolver)) {}

    ~WindowsSerialPort() override {
        if (isOpen()) {
            close();
        }
    }

    WindowsSerialPort(const WindowsSerialPort&) = delete;
    WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

    bool isOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }

    bool open(int portNumber, std::string& reason) override {
        const std::string path = resolver_(portNumber);
        if (path.empty()) {
            reason = "COM" + std::to_string(portNumber) +
                     ": there is no serial port with this number on this machine.";
            return false;
        }
        handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            reason = openFailureReason(path, GetLastError());
            return false;
        }
        return true;
    }

    bool readSettings() override {
        settings_ = DCB{};
        settings_.DCBlength = sizeof(DCB);
        return GetCommState(handle_, &settings_) != 0;
    }

    bool applyLineSettings() override {
        DCB wanted = rawLineSettings(settings_);
        if (!SetCommState(handle_, &wanted)) {
            return false;
        }
        DCB actual{};
        actual.DCBlength = sizeof(DCB);
        if (!GetCommState(handle_, &actual) || !rawLineSettingsTook(wanted, actual)) {
            return false;
        }
        // What an earlier exchange left unread (a reply longer than its read) would outlast
        // the drain and be taken for the next reply.
        return PurgeComm(handle_, PURGE_RXCLEAR | PURGE_RXABORT) != 0;
    }

    bool applyTimeouts() override {
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = 50;
        timeouts.ReadTotalTimeoutMultiplier = 2;
        timeouts.ReadTotalTimeoutConstant = 300;
        timeouts.WriteTotalTimeoutMultiplier = 2;
        timeouts.WriteTotalTimeoutConstant = 300;
        return SetCommTimeouts(handle_, &timeouts) != 0;
    }

    bool writeByte(std::uint8_t byte, int& written) override {
        DWORD count = 0;
        if (!WriteFile(handle_, &byte, 1, &count, nullptr)) {
            clearLineError();
            return false;
        }
        written = static_cast<int>(count);
        return true;
    }

    // One ReadFile, which nothing wakes early: the watcher hears of it when it is over.
    bool read(std::span<std::uint8_t> buffer, int& received, const ReadWatcher& watcher) override {
        DWORD count = 0;
        if (!ReadFile(handle_, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr)) {
            clearLineError();
            return false;
        }
        received = static_cast<int>(count);
        watcher(received);
        return true;
    }

    bool close() override {
        if (!CloseHandle(handle_)) {
            return false;
        }
        handle_ = INVALID_HANDLE_VALUE;
        return true;
    }

    void pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

private:
    // A line error stays latched and refuses every later call until it is cleared.
    void clearLineError() {
        DWORD errors = 0;
        ClearCommError(handle_, &errors, nullptr);
    }

    PortResolver resolver_;
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    DCB settings_{};
};

} // namespace

std::unique_ptr<SerialPort> makeSystemSerialPort(PortResolver resolver) {
    return std::make_unique<WindowsSerialPort>(std::move(resolver));
}

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return makeSystemSerialPort(portDevicePath);
}

} // namespace wl3
