// A simulated tracker on a pseudo-terminal, for trying the program and its tests without
// the hardware. See --help.
#include "config/config_image.h"
#include "config/tracker_config.h"
#include "image_file.h"
#include "tracker_sim.h"

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};

void onStopSignal(int) {
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = write(stopPipe[1], &byte, 1);
}

std::vector<std::uint8_t> defaultImage() {
    const wl3::ConfigImage image = wl3::defaultImage();
    return {image.begin(), image.end()};
}

int run(int argc, char** argv) {
    wl3::sim::SimOptions options;
    std::string imageFile;
    std::string versionText;

    CLI::App app{"Acts as a Wrenlink3 tracker on a pseudo-terminal. Prints the device path of "
                 "its port as the first line on stdout; point the program's port at it. Logs "
                 "every command on stderr. Ends on SIGINT or SIGTERM, or at the end of stdin "
                 "with --exit-on-stdin-eof. With --hang-up-after it ends after the hang-up.",
                 "tracker-sim"};
    app.add_option("--image-file", imageFile,
                   "Start with the image of this .wl3 file instead of the default configuration")
        ->check(CLI::ExistingFile);
    app.add_option("--state-file", options.stateFile,
                   "Write the stored image to this .wl3 file at start and after every image write");
    app.add_option("--version-text", versionText,
                   "Answer the version query with this text and CR LF (default \"Wrenlink3 "
                   "v1.00\")");
    app.add_flag("--silent", options.silent, "Answer nothing (commands are still logged)");
    app.add_option("--image-size", options.imageReplySize,
                   "Send this many bytes for an image read: the image cut short or padded with "
                   "0xFF")
        ->check(CLI::NonNegativeNumber);
    app.add_flag("--second-read-differs", options.secondReadDiffers,
                 "Change the last byte of every second image read");
    app.add_flag("--corrupt-store", options.corruptStore,
                 "Store a written image with one byte changed, so that the read-back differs");
    app.add_option("--reply-delay-ms", options.replyDelayMs, "Wait this long before each reply")
        ->check(CLI::NonNegativeNumber);
    app.add_option("--junk", options.junk,
                   "Send this text at start and 150 ms after every command, as line noise");
    app.add_option("--hang-up-after", options.hangUpAfter,
                   "Close the line after sending this many reply bytes in all, then exit")
        ->check(CLI::PositiveNumber);
    app.add_flag("--software-flow-control", options.softwareFlowControl,
                 "Leave XON/XOFF flow control on in the line's settings, as another program may "
                 "leave a port; a host that does not turn it off stops at the first 0x13 byte");
    app.add_flag("--line-pacing", options.linePacing,
                 "Send a byte every 2.08 ms, as the tracker's 4800-baud line does, for timing the "
                 "host; by default each reply goes out whole once it is due, so that a busy "
                 "machine cannot delay this program into a gap within it");
    app.add_flag("--exit-on-stdin-eof", options.exitOnStdinEof, "Exit when stdin reaches its end");
    CLI11_PARSE(app, argc, argv);

    if (!versionText.empty()) {
        options.versionReply = versionText + "\r\n";
    }
    std::vector<std::uint8_t> image;
    if (imageFile.empty()) {
        image = defaultImage();
    } else {
        std::string error;
        auto loaded = wl3::sim::loadImageFile(imageFile, error);
        if (!loaded) {
            std::cerr << "tracker-sim: " << error << "\n";
            return 2;
        }
        image = std::move(*loaded);
    }
    if (image.size() != static_cast<std::size_t>(wl3::kImageSize)) {
        std::cerr << "tracker-sim: the image must be " << wl3::kImageSize << " bytes, not "
                  << image.size() << "\n";
        return 2;
    }

    if (pipe(stopPipe) != 0) {
        std::perror("tracker-sim: pipe");
        return 1;
    }
    fcntl(stopPipe[0], F_SETFD, FD_CLOEXEC);
    fcntl(stopPipe[1], F_SETFD, FD_CLOEXEC);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, nullptr);

    wl3::sim::TrackerSim sim(std::move(options), std::move(image));
    std::string path;
    std::string error;
    if (!sim.open(path, error)) {
        std::cerr << "tracker-sim: " << error << "\n";
        return 1;
    }
    std::cout << path << std::endl;
    return sim.run(stopPipe[0]);
}

} // namespace

int main(int argc, char** argv) {
    // What escapes is a failure to allocate or to write; say so rather than abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "tracker-sim: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "tracker-sim: unexpected failure\n";
    }
    return 1;
}
