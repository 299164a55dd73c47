#pragma once
// The menu bar that the application object and the main window share: File with Quit, and
// Edit with the standard entries. No entry has a handler of the program; each does what the
// framework does for entries of its class and name.

#include "framework/Menu.h"

class MainMenuBar : public MenuBar {
  public:
    // Builds the File menu, then the Edit menu.
    void Constructor();
    void Untitled0();
    void Untitled1();
};

// The single instance, made and built on the first call; every later call returns it unchanged.
// At namespace scope this function hides the class name, so the type is `class MainMenuBar`.
class MainMenuBar& MainMenuBar();

// The global reference itself: the single instance, or nullptr before the first call of
// MainMenuBar() and after the finalisation.
class MainMenuBar* MainMenuBarReferenz();

// The initialiser of the single instance at class registration: it leaves the reference empty.
void MainMenuBarInstanzInitialisieren();
// Finalisation: empties the reference, then releases the menu bar it held (if one was made).
void MainMenuBarFreigeben();
