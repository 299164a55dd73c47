#include <gtest/gtest.h>

#include "framework/Dialogs.h"
#include "framework/Runtime.h"

namespace {

// A test that opens a dialog without a scripted host would wait for a click forever: this host
// fails it instead and answers as a cancel would.
class NoDialogsHost : public DialogHost {
  public:
    void ShowMessage(const std::string& text) override {
        ADD_FAILURE() << "Unexpected message box: " << text;
    }
    Answer ShowMessageDialog(const MessageDialog& dialog) override {
        ADD_FAILURE() << "Unexpected message dialog: " << dialog.Message;
        return Answer::Cancel;
    }
    std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&) override {
        ADD_FAILURE() << "Unexpected save dialog";
        return std::nullopt;
    }
    std::optional<std::string> ChooseOpenFile(const std::string&) override {
        ADD_FAILURE() << "Unexpected open dialog";
        return std::nullopt;
    }
};

}  // namespace

// The real widgets run on Qt's offscreen platform, so no display is needed.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    RuntimeInit(Platform::Offscreen);
    NoDialogsHost noDialogs;
    SetDialogHost(&noDialogs);
    const int result = RUN_ALL_TESTS();
    SetDialogHost(nullptr);
    RuntimeExit();
    return result;
}
