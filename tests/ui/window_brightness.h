#pragma once

#include <QImage>
#include <QWidget>

namespace wl3::test {

// The mean brightness, 0 to 255, of window as drawn: a light window's is far above the
// middle, a dark one's far below.
inline double meanBrightness(QWidget& window) {
    const QImage image = window.grab().toImage();
    double sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return sum / (double(image.width()) * image.height());
}

inline constexpr double kMiddleBrightness = 128;

} // namespace wl3::test
