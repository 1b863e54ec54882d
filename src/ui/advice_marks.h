#pragma once

#include "config/advice.h"

#include <QCoreApplication>
#include <functional>
#include <map>
#include <vector>

class QLabel;
class QWidget;

namespace wl3::ui {

// A warning mark inside each field of the profile shown that the networks advise against,
// at its right end; its tooltip and its description for screen readers say why. A mark
// never stops anything: the tracker stores what it is given.
class AdviceMarks {
    Q_DECLARE_TR_FUNCTIONS(AdviceMarks)

public:
    // control gives the window's widget of a control id; they must outlive the marks.
    explicit AdviceMarks(std::function<QWidget*(int id)> control);

    // The marks of advice on profile; the fields with none lose theirs.
    void show(const std::vector<Advice>& advice, int profile);

private:
    QLabel& markOn(int id, QWidget& field);

    std::function<QWidget*(int id)> control_;
    std::map<int, QLabel*> marks_; // by control id, made when first needed
};

} // namespace wl3::ui
