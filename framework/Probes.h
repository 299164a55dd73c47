#pragma once
// Probes for the tests, which check what a user sees; nothing of the program includes this
// header or calls them. They need the running framework.

#include <string>

// The application's message box for `text`, laid out on the screen as MsgBox would show it,
// measured in pixels and closed again without waiting for a click.
struct MessageBoxLook {
    int height = 0;             // the box
    int screenHeight = 0;       // the screen's available area
    bool buttonInside = false;  // its button lies wholly inside the box, the box on the screen
    int textHeight = 0;         // the whole text as laid out
    bool everyLineReachable = false;  // each line is in view or scrolling brings it there
    int lineBreaks = 0;               // in the text as drawn (each CR and each LF in it)
};
MessageBoxLook LookOfMessageBox(const std::string& text);

// True when the system's file dialog opened with `filter` lists a file named `fileName` as it
// opens, before the user picks another file type.
bool FileDialogListsAtFirst(const std::string& filter, const std::string& fileName);
