#pragma once
// What a test reads of a text in a picture of its field: the marks of ink it is drawn with, and
// whether it ends in "…" (three small dots of one size on one line, the last marks of the text,
// near the field's right edge). Read from pixels only, so that it holds whatever font draws.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

#include "framework/Controls.h"

// The colour that most pixels inside the field's frame have.
inline std::uint32_t BackgroundOf(const Image& picture, int frame) {
    std::map<std::uint32_t, int> counts;
    for (int y = frame; y < picture.height - frame; ++y)
        for (int x = frame; x < picture.width - frame; ++x) ++counts[picture.At(x, y)];
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// Ink differs from the background clearly in one channel at least, not only by the soft edge
// that smoothing gives a glyph.
inline bool IsInk(std::uint32_t pixel, std::uint32_t background) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((background >> shift) & 0xFF);
        if (std::abs(a - b) > 80) return true;
    }
    return false;
}

// A run of columns with ink, bounded by columns without; its box is inclusive.
struct InkMark {
    int left = 0, right = 0, top = 0, bottom = 0;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

// The marks inside the frame (the frame's width in pixels), left to right, of the rows from
// `top` to `bottom` (inclusive; all rows inside the frame by default).
inline std::vector<InkMark> MarksOf(const Image& picture, int frame = 3, int top = -1,
                                    int bottom = -1) {
    if (top < 0) top = frame;
    if (bottom < 0) bottom = picture.height - frame - 1;
    const std::uint32_t background = BackgroundOf(picture, frame);
    std::vector<InkMark> marks;
    bool inMark = false;
    for (int x = frame; x < picture.width - frame; ++x) {
        int first = picture.height, last = -1;
        for (int y = top; y <= bottom; ++y)
            if (IsInk(picture.At(x, y), background)) {
                first = std::min(first, y);
                last = std::max(last, y);
            }
        if (last < 0) {
            inMark = false;
            continue;
        }
        if (!inMark) marks.push_back({x, x, first, last});
        InkMark& mark = marks.back();
        mark.right = x;
        mark.top = std::min(mark.top, first);
        mark.bottom = std::max(mark.bottom, last);
        inMark = true;
    }
    return marks;
}

// The rows of the lowest line of text: the last run of rows with ink inside the frame.
inline std::pair<int, int> LastLineOf(const Image& picture, int frame) {
    const std::uint32_t background = BackgroundOf(picture, frame);
    int bottom = -1;
    for (int y = picture.height - frame - 1; y >= frame; --y) {
        bool ink = false;
        for (int x = frame; x < picture.width - frame && !ink; ++x)
            ink = IsInk(picture.At(x, y), background);
        if (ink && bottom < 0) bottom = y;
        if (!ink && bottom >= 0) return {y + 1, bottom};
    }
    return {frame, bottom};
}

// Where a closing "…" lies in the picture: the columns of its first and last dot; both -1
// when the text's last line does not end in one.
struct EllipsisSpan {
    int left = -1, right = -1;
    bool Found() const { return left >= 0; }
};

inline EllipsisSpan EllipsisOf(const Image& picture, int frame = 3) {
    const auto [top, bottom] = LastLineOf(picture, frame);
    if (bottom < 0) return {};
    const std::vector<InkMark> marks = MarksOf(picture, frame, top, bottom);
    if (marks.size() < 3) return {};
    const InkMark* dots = &marks[marks.size() - 3];
    for (int i = 0; i < 3; ++i) {
        if (dots[i].Width() > 4 || dots[i].Height() > 4) return {};
        if (std::abs(dots[i].top - dots[0].top) > 1 ||
            std::abs(dots[i].bottom - dots[0].bottom) > 1)
            return {};
    }
    const int gap1 = dots[1].left - dots[0].right, gap2 = dots[2].left - dots[1].right;
    if (std::abs(gap1 - gap2) > 1) return {};
    // Text before them: the dots are much smaller than it and sit in its lower half.
    if (marks.size() > 3) {
        const int textHeight = bottom - top + 1;
        if (textHeight < 2 * dots[0].Height()) return {};
        if (2 * dots[0].bottom < top + bottom) return {};
    }
    return {dots[0].left, dots[2].right};
}

inline bool EndsInEllipsis(const Image& picture) {
    return EllipsisOf(picture).Found();
}

// Whether the text ends in "…" close to the right edge: nearer to it than the height of the
// text twice (a cut text leaves at most a part of a character's room there).
inline bool EndsInEllipsisAtRightEdge(const Image& picture, int frame = 3) {
    const EllipsisSpan dots = EllipsisOf(picture, frame);
    if (!dots.Found()) return false;
    const auto [top, bottom] = LastLineOf(picture, frame);
    return picture.width - frame - 1 - dots.right <= 2 * (bottom - top + 1);
}

// The leftmost column with ink inside the frame, -1 when there is none.
inline int FirstInkColumn(const Image& picture) {
    const std::vector<InkMark> marks = MarksOf(picture);
    return marks.empty() ? -1 : marks.front().left;
}
