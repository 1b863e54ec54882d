#include "link/comm_settings_windows.h"
#include "link/serial_port.h"
#include "link/serial_timeouts.h"

#include <array>
#include <windows.h>

namespace wl3 {

namespace {

PortError openError(const std::string& path, DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return {PortFailure::NoSuchPort, path};
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return {PortFailure::InUse, path};
    default:
        return {PortFailure::System, path, static_cast<int>(error)};
    }
}

class WindowsSerialPort final : public SerialPort {
public:
    WindowsSerialPort() = default;

    ~WindowsSerialPort() override {
        if (isOpen()) {
            close();
        }
    }

    WindowsSerialPort(const WindowsSerialPort&) = delete;
    WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;

    bool isOpen() const override { return handle_ != INVALID_HANDLE_VALUE; }
    std::string device() const override { return path_; }

    std::optional<PortError> open(const std::string& path) override {
        handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            return openError(path, GetLastError());
        }
        path_ = path;
        return std::nullopt;
    }

    std::optional<PortError> readSettings() override {
        settings_ = DCB{};
        settings_.DCBlength = sizeof(DCB);
        if (GetCommState(handle_, &settings_) && GetCommTimeouts(handle_, &timeouts_)) {
            return std::nullopt;
        }
        const DWORD error = GetLastError();
        // What a file or a device of another kind answers a serial port's request.
        if (error == ERROR_INVALID_FUNCTION || error == ERROR_INVALID_HANDLE ||
            error == ERROR_NOT_SUPPORTED) {
            return PortError{PortFailure::NotSerial, path_};
        }
        return PortError{PortFailure::System, path_, static_cast<int>(error)};
    }

    std::optional<PortError> applyLineSettings() override {
        DCB wanted = rawLineSettings(settings_);
        // Even a change that fails may have taken in part.
        settingsChanged_ = true;
        if (!SetCommState(handle_, &wanted)) {
            return unexplained();
        }
        DCB actual{};
        actual.DCBlength = sizeof(DCB);
        if (!GetCommState(handle_, &actual) || !rawLineSettingsTook(wanted, actual)) {
            return unexplained();
        }
        // What an earlier exchange left unread (a reply longer than its read) would outlast
        // the drain and be taken for the next reply.
        if (!PurgeComm(handle_, PURGE_RXCLEAR | PURGE_RXABORT)) {
            return unexplained();
        }
        return std::nullopt;
    }

    std::optional<PortError> applyTimeouts() override {
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = kReadIntervalTimeoutMs;
        timeouts.ReadTotalTimeoutMultiplier = kReadTotalPerByteMs;
        timeouts.ReadTotalTimeoutConstant = kReadTotalConstantMs;
        timeouts.WriteTotalTimeoutMultiplier = kWriteTotalPerByteMs;
        timeouts.WriteTotalTimeoutConstant = kWriteTotalConstantMs;
        settingsChanged_ = true;
        if (!SetCommTimeouts(handle_, &timeouts)) {
            return unexplained();
        }
        return std::nullopt;
    }

    std::optional<PortError> writeByte(std::uint8_t byte, int& written) override {
        DWORD count = 0;
        if (!WriteFile(handle_, &byte, 1, &count, nullptr)) {
            clearLineError();
            return unexplained();
        }
        written = static_cast<int>(count);
        return std::nullopt;
    }

    // One ReadFile, which nothing wakes early: the watcher hears of it when it is over.
    std::optional<PortError> read(std::span<std::uint8_t> buffer, int& received,
                                  const ReadWatcher& watcher) override {
        DWORD count = 0;
        if (!ReadFile(handle_, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr)) {
            const DWORD error = GetLastError();
            clearLineError();
            return PortError{PortFailure::System, path_, static_cast<int>(error)};
        }
        received = static_cast<int>(count);
        watcher(received);
        return std::nullopt;
    }

    // Each read returns what has come at once, or waits up to quietMs for a first byte; one
    // that gets nothing ends the quiet time.
    void dropUntilQuiet(int quietMs, int limitMs) override {
        COMMTIMEOUTS timeouts{};
        timeouts.ReadIntervalTimeout = MAXDWORD;
        timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
        timeouts.ReadTotalTimeoutConstant = static_cast<DWORD>(quietMs);
        if (!SetCommTimeouts(handle_, &timeouts)) {
            return;
        }
        const ULONGLONG limit = GetTickCount64() + static_cast<ULONGLONG>(limitMs);
        std::array<std::uint8_t, 256> dropped{};
        DWORD count = 0;
        while (GetTickCount64() < limit &&
               ReadFile(handle_, dropped.data(), static_cast<DWORD>(dropped.size()), &count,
                        nullptr) &&
               count > 0) {
        }
        applyTimeouts();
    }

    std::optional<PortError> close() override {
        // Another program's port must not be left at 4800 baud with our time-outs.
        if (settingsChanged_) {
            SetCommState(handle_, &settings_);
            SetCommTimeouts(handle_, &timeouts_);
            settingsChanged_ = false;
        }
        if (!CloseHandle(handle_)) {
            return unexplained();
        }
        handle_ = INVALID_HANDLE_VALUE;
        return std::nullopt;
    }

    void pause(int milliseconds) override { Sleep(static_cast<DWORD>(milliseconds)); }

private:
    // A line error stays latched and refuses every later call until it is cleared.
    void clearLineError() {
        DWORD errors = 0;
        ClearCommError(handle_, &errors, nullptr);
    }

    // For the calls whose own line in the message says all a user can act on.
    PortError unexplained() const { return {PortFailure::Unexplained, path_}; }

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    std::string path_;
    DCB settings_{};
    COMMTIMEOUTS timeouts_{};
    bool settingsChanged_ = false;
};

} // namespace

std::unique_ptr<SerialPort> makeSystemSerialPort() {
    return std::make_unique<WindowsSerialPort>();
}

std::string systemErrorText(int systemError) {
    const auto error = static_cast<DWORD>(systemError);
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

} // namespace wl3
