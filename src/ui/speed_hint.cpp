#include "ui/speed_hint.h"

#include "ui/edit_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace wl3::ui {

namespace {

constexpr double kKilometresPerMile = 1.609344;

QString hintFor(const QString& kilometres) {
    //: Beside a speed field in MPH: the same speed in km/h, rounded.
    return QCoreApplication::translate("SpeedHint", "≈ %1 km/h").arg(kilometres);
}

} // namespace

bool showsKilometres(const QLocale& locale) {
    return locale.language() != QLocale::C && locale.measurementSystem() == QLocale::MetricSystem;
}

QString kilometresHint(const QString& mphText) {
    if (mphText.isEmpty()) {
        return {};
    }
    const int mph = parseEditNumber(mphText.toStdString());
    return hintFor(QLocale().toString(static_cast<int>(std::lround(mph * kKilometresPerMile))));
}

// A field holds at most 255 MPH, 410 km/h: three digits.
QString widestKilometresHint() {
    return hintFor(QLocale().toString(888));
}

} // namespace wl3::ui
