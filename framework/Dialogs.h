#pragma once
// Modal dialogs. All of them go through one dialog host: the application's host shows Qt's
// dialogs; a test installs a scripted host that records each dialog and answers it.

#include <memory>
#include <optional>
#include <string>

struct FolderItem {
    std::string path;  // UTF-8
};

// A message box with one button; returns when it is closed. Each line end of the text (CR LF,
// LF CR, a lone CR or LF) is one line break on screen. A text too tall for the screen is shown
// in a scrolling view of bounded height, so every line can be reached and the button stays
// in sight.
void MsgBox(const std::string& text);

class MessageDialogButton {
  public:
    std::string Caption;
    bool Visible = false;
    bool Default = false;
};

class MessageDialog {
  public:
    MessageDialog();
    int Icon = 0;
    std::string Message;
    std::string Explanation;
    MessageDialogButton ActionButton;
    MessageDialogButton AlternateActionButton;
    MessageDialogButton CancelButton;
    // Shows the dialog modally and returns the button pressed (one of the three members above);
    // closing it any other way counts as the cancel button.
    MessageDialogButton* ShowModal();
};

// The system's save and open dialogs; std::nullopt when the user cancels.
std::optional<FolderItem> GetSaveFolderItem(const std::string& filter,
                                            const std::string& defaultName);
std::optional<FolderItem> GetOpenFolderItem(const std::string& filter);

// The one seam between the program's dialogs and what shows them.
class DialogHost {
  public:
    enum class Answer { Action, Alternate, Cancel };
    virtual ~DialogHost() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual Answer ShowMessageDialog(const MessageDialog& dialog) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const std::string& filter,
                                                      const std::string& defaultName) = 0;
    virtual std::optional<std::string> ChooseOpenFile(const std::string& filter) = 0;
};

// Installs a host (nullptr restores the application's Qt host); returns the previous one.
DialogHost* SetDialogHost(DialogHost* host);
