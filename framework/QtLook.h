#pragma once
// How the framework sets Qt up and dresses its widgets, for the start-up benchmark: its
// comparison programs build the program's window by hand in plain Qt and must look exactly as
// the framework makes it look. This header shows Qt types: outside framework/ only the
// benchmark includes it.

#include <QFont>
#include <Qt>
#include <array>
#include <cstdint>

#include "framework/Runtime.h"

// A command line for QApplication, which keeps (and edits) it for the application's life: it
// must live as long as the application does.
struct QtCommandLine {
    int argc = 0;
    std::array<char*, 4> argv{};
};

struct QtLook {
    // What the framework hands Qt on the offscreen platform: no argument of the program's own.
    QtCommandLine offscreenCommandLine;
    // Gives the new Qt application the framework's style and application font.
    void (*dressApplication)();
    // The font of a control with this text size and unit (0 for the defaults) and weight.
    QFont (*controlFont)(float textSize, std::uint8_t textUnit, bool bold);
    // The horizontal alignment of a text field's or text area's Alignment code.
    Qt::Alignment (*fieldAlignment)(std::int32_t code);
    // The horizontal alignment of a label's TextAlign code.
    Qt::Alignment (*labelAlignment)(std::int32_t code);
};

// The framework's own choices, the same that its windows and controls are made with.
QtLook FrameworkQtLook();
