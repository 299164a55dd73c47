#include "framework/QtLook.h"

#include <QApplication>
#include <QStyleFactory>
#include <cmath>

#include "framework/Internals.h"

QtCommandLine CommandLineFor(Platform platform) {
    // The program takes no arguments, so Qt sees none of the real ones either; the offscreen
    // platform is chosen here, whatever the environment says. Qt only reorders the pointers.
    static char name[] = "vemtarix";
    static char platformOption[] = "-platform";
    static char offscreen[] = "offscreen";
    if (platform == Platform::Offscreen) return {3, {name, platformOption, offscreen, nullptr}};
    return {1, {name, nullptr, nullptr, nullptr}};
}

void DressApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(std::lround(FontPixelSize(0, 0))));  // the default size
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

Qt::Alignment FieldAlignment(std::int32_t code) {
    switch (code) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

Qt::Alignment LabelAlignment(std::int32_t code) {
    switch (code) {
        case 1:
            return Qt::AlignHCenter;
        case 2:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

namespace {

// The system face: a control's TextFont that the layout leaves at its default.
QFont ControlFont(float textSize, std::uint8_t textUnit, bool bold) {
    return FontFor("System", FontPixelSize(textSize, textUnit), bold, false, false);
}

}  // namespace

QtLook FrameworkQtLook() {
    return {CommandLineFor(Platform::Offscreen), DressApplication, ControlFont, FieldAlignment,
            LabelAlignment};
}
