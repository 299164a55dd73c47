#pragma once
// What the dialogs (Dialogs.cpp) share with the probes that the tests measure them by
// (DialogProbes.cpp). Only these two files include this header, so it may show Qt types.

#include <QDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QRect>
#include <QString>
#include <memory>
#include <string>

// The text as a box shows it: each line end of the program's (CR LF, LF CR, a lone CR or LF)
// one line break.
QString ShownText(const std::string& text);

// The available area of the screen that `parent` is on (the primary one without a parent).
QRect ScreenArea(QWidget* parent);

// The width of the widest run of characters without a blank: Qt's message box cannot break it.
int WidestWord(const QString& text, const QFontMetrics& metrics);

// The application's box for MsgBox: Qt's message box, or a scrolling view of bounded height for
// a text that Qt's box could not show whole on the screen.
std::unique_ptr<QDialog> NewMessageBox(const std::string& text, QWidget* parent);

// The system's save or open dialog with the program's file type filter.
std::unique_ptr<QFileDialog> NewFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                           const std::string& filter);

// The scrolling view of a long message.
class ListingView : public QPlainTextEdit {
  public:
    // For the probes (DialogProbes.cpp), which tell a test which lines can be brought into view.
    int TextHeight();           // the whole text as laid out, in pixels
    bool EveryLineReachable();  // scrolling brings every line wholly into view
};
