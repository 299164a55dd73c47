#pragma once
// The program's window built by hand in plain Qt, with no framework layer: the menu bar, and the
// 113 controls of the layout table (shell/Steuerelemente.def) as the same classes of Qt widget
// with the same geometry, texts, fonts and colours as the program's window shows them. What the
// framework chooses (command line, style, fonts, alignments) comes from the framework itself, so
// the two cannot drift apart.

#include <QWidget>
#include <memory>

// What the framework sets up once for the application: the style and the application font.
void GleicheAnwendung();

// The window: the menu bar above a client area of 994 x 754 that holds the controls.
std::unique_ptr<QWidget> GleichesFenster();
