#pragma once

#include "dialog_driver.h"
#include "support/simulated_tracker.h"

#include <QStringList>
#include <string>
#include <vector>

namespace wl3::test {

// The window with the simulated tracker on the port that "COM<portNumber>" opens; the other
// ports open nothing.
struct TrackerWindow {
    explicit TrackerWindow(std::vector<std::string> simOptions = {}, int portNumber = 1)
        : tracker(std::move(simOptions)), ui([path = tracker.devicePath(), portNumber](int number) {
              return number == portNumber ? path : std::string();
          }) {}

    // The tone commands the tracker has logged so far, oldest first. Every tone button
    // sends "stop" before its own code.
    QStringList tonesHeard() const {
        QStringList tones;
        for (const QString& line : QString::fromStdString(tracker.log()).split(u'\n')) {
            if (line.contains(QStringLiteral("tone "))) {
                tones << line.section(QStringLiteral("tone "), 1);
            }
        }
        return tones;
    }

    SimulatedTracker tracker;
    DialogDriver ui;
};

using Entries = std::vector<RecordingReporter::Entry>;

} // namespace wl3::test
