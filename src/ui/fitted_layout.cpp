#include "ui/fitted_layout.h"

#include <algorithm>
#include <limits>

namespace wl3::ui {

namespace {

// What stays free between two boxes side by side, and between a box and its container's
// edge, in dialog units.
constexpr int kGap = 3;
constexpr int kPadding = 4;
// Boxes grow and move by whole steps of four dialog units, which are a whole number of
// pixels (the font's average width): what moves together keeps its distances to the pixel
// as the tables give them, and rounding never makes neighbours that touch overlap.
constexpr int kStep = 4;

int stepsUp(int du) {
    return (du + kStep - 1) / kStep * kStep;
}

int stepsDown(int du) {
    return du / kStep * kStep;
}

int right(const DuRect& rect) {
    return rect.x + rect.width;
}

bool sideBySide(const DuRect& a, const DuRect& b) {
    return a.y < b.y + b.height && b.y < a.y + a.height;
}

bool contains(const DuRect& outer, const DuRect& inner) {
    return outer.x <= inner.x && right(inner) <= right(outer) && outer.y <= inner.y &&
           inner.y + inner.height <= outer.y + outer.height;
}

// How far box may grow its way before it meets a neighbour or its container's edge.
int freeRoom(const std::vector<FitBox>& boxes, std::size_t index) {
    const FitBox& box = boxes[index];
    const DuRect& rect = box.rect;
    const bool rightward = box.growth == Growth::Rightward;
    int limit = rightward ? std::numeric_limits<int>::max() : std::numeric_limits<int>::min();
    const auto bound = [&](int edge) {
        limit = rightward ? std::min(limit, edge) : std::max(limit, edge);
    };
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const DuRect& other = boxes[i].rect;
        if (i == index) {
            continue;
        }
        if (boxes[i].container && contains(other, rect)) {
            bound(rightward ? right(other) - kPadding : other.x + kPadding);
        } else if (sideBySide(rect, other)) {
            if (rightward && other.x >= right(rect)) {
                bound(other.x - kGap);
            } else if (!rightward && right(other) <= rect.x) {
                bound(right(other) + kGap);
            }
        }
    }
    if (limit == std::numeric_limits<int>::max() || limit == std::numeric_limits<int>::min()) {
        return 0;
    }
    return std::max(0, rightward ? limit - right(rect) : rect.x - limit);
}

// A new column of width at line: everything from the line on moves right by width, and
// what spans the line widens, so that the left edges of a column stay in line.
void insertColumn(std::vector<FitBox>& boxes, int line, int width) {
    for (FitBox& box : boxes) {
        const int end = right(box.rect);
        if (box.rect.x >= line) {
            box.rect.x += width;
        } else if (end >= line) {
            box.rect.width += width;
        }
    }
}

} // namespace

std::vector<DuRect> fitLayout(std::vector<FitBox> boxes) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int lacking = boxes[i].neededWidth - boxes[i].rect.width;
        if (lacking <= 0) {
            continue;
        }
        const int taken = std::min(stepsUp(lacking), stepsDown(freeRoom(boxes, i)));
        DuRect& rect = boxes[i].rect;
        if (boxes[i].growth == Growth::Leftward) {
            rect.x -= taken;
        }
        rect.width += taken;
        if (taken < lacking) {
            insertColumn(boxes, right(rect), stepsUp(lacking - taken));
        }
    }
    std::vector<DuRect> rects(boxes.size());
    std::ranges::transform(boxes, rects.begin(), &FitBox::rect);
    return rects;
}

} // namespace wl3::ui
