#include "framework/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>

#include "framework/Internals.h"

namespace {

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// Icon codes of message dialogs: 0 note, 1 caution, 2 stop, 3 question; others show none.
QMessageBox::Icon IconFor(int code) {
    switch (code) {
        case 0:
            return QMessageBox::Information;
        case 1:
            return QMessageBox::Warning;
        case 2:
            return QMessageBox::Critical;
        case 3:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

// File type filters of the save and open dialogs; the empty one shows every file.
QString FilterFor(const std::string& filter) {
    if (filter == "text") return QStringLiteral("Textdateien (*.txt);;Alle Dateien (*)");
    return QStringLiteral("Alle Dateien (*)");
}

// The application's host: Qt's own dialogs. Without a Qt application (a program that never
// started the framework) the message goes to the error output and every choice is a cancel.
class QtDialogHost : public DialogHost {
  public:
    void ShowMessage(const std::string& text) override {
        if (!qApp) {
            std::fputs((text + "\n").c_str(), stderr);
            return;
        }
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), ToQ(text),
                        QMessageBox::Ok, DialogParent());
        box.exec();
    }

    Answer ShowMessageDialog(const MessageDialog& dialog) override {
        if (!qApp) return Answer::Cancel;
        QMessageBox box(IconFor(dialog.Icon), QApplication::applicationName(), ToQ(dialog.Message),
                        QMessageBox::NoButton, DialogParent());
        box.setInformativeText(ToQ(dialog.Explanation));
        QPushButton* action = nullptr;
        QPushButton* alternate = nullptr;
        QPushButton* cancel = nullptr;
        if (dialog.ActionButton.Visible)
            action = box.addButton(ToQ(dialog.ActionButton.Caption), QMessageBox::AcceptRole);
        if (dialog.AlternateActionButton.Visible)
            alternate = box.addButton(ToQ(dialog.AlternateActionButton.Caption),
                                      QMessageBox::DestructiveRole);
        if (dialog.CancelButton.Visible)
            cancel = box.addButton(ToQ(dialog.CancelButton.Caption), QMessageBox::RejectRole);
        if (action) box.setDefaultButton(action);
        if (cancel) box.setEscapeButton(cancel);
        box.exec();
        if (action && box.clickedButton() == action) return Answer::Action;
        if (alternate && box.clickedButton() == alternate) return Answer::Alternate;
        return Answer::Cancel;
    }

    std::optional<std::string> ChooseSaveFile(const std::string& filter,
                                              const std::string& defaultName) override {
        if (!qApp) return std::nullopt;
        const QString path = QFileDialog::getSaveFileName(DialogParent(), QStringLiteral("Sichern"),
                                                          ToQ(defaultName), FilterFor(filter));
        if (path.isEmpty()) return std::nullopt;
        return path.toStdString();
    }

    std::optional<std::string> ChooseOpenFile(const std::string& filter) override {
        if (!qApp) return std::nullopt;
        const QString path = QFileDialog::getOpenFileName(DialogParent(), QStringLiteral("Öffnen"),
                                                          QString(), FilterFor(filter));
        if (path.isEmpty()) return std::nullopt;
        return path.toStdString();
    }
};

QtDialogHost& QtHost() {
    static QtDialogHost host;
    return host;
}

DialogHost*& CurrentHost() {
    static DialogHost* host = nullptr;
    return host;
}

DialogHost& Host() {
    return CurrentHost() ? *CurrentHost() : QtHost();
}

}  // namespace

DialogHost* SetDialogHost(DialogHost* host) {
    DialogHost* previous = CurrentHost();
    CurrentHost() = host;
    return previous;
}

void MsgBox(const std::string& text) {
    Host().ShowMessage(text);
}

// A new dialog shows its action button "OK"; the cancel button, hidden until the program shows
// it, reads "Abbrechen".
MessageDialog::MessageDialog() {
    ActionButton.Caption = "OK";
    ActionButton.Visible = true;
    ActionButton.Default = true;
    CancelButton.Caption = "Abbrechen";
}

MessageDialogButton* MessageDialog::ShowModal() {
    switch (Host().ShowMessageDialog(*this)) {
        case DialogHost::Answer::Action:
            return &ActionButton;
        case DialogHost::Answer::Alternate:
            return &AlternateActionButton;
        case DialogHost::Answer::Cancel:
            break;
    }
    return &CancelButton;
}

std::optional<FolderItem> GetSaveFolderItem(const std::string& filter,
                                            const std::string& defaultName) {
    if (auto path = Host().ChooseSaveFile(filter, defaultName)) return FolderItem{*path};
    return std::nullopt;
}

std::optional<FolderItem> GetOpenFolderItem(const std::string& filter) {
    if (auto path = Host().ChooseOpenFile(filter)) return FolderItem{*path};
    return std::nullopt;
}
