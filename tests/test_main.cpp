#include <gtest/gtest.h>

#include <string>

#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "tests/support/FreshApplication.h"

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

// Every test must leave the application as it found it, or a later test in the same process
// (the binary run on its own, shuffled or filtered) would fail for it. A test that leaves
// something behind fails itself here, and the state is reset for the next one.
class LeftoverCheck : public ::testing::EmptyTestEventListener {
  public:
    explicit LeftoverCheck(DialogHost& host) : host_(host) {}

    void OnTestEnd(const ::testing::TestInfo&) override {
        std::string left;
        for (const std::string& item : ApplicationLeftovers()) left += "\n  " + item;
        if (DialogHost* current = SetDialogHost(&host_); current != &host_)
            left += "\n  another dialog host installed";
        if (left.empty()) return;
        ADD_FAILURE() << "The test left behind:" << left;
        ResetApplication();
    }

  private:
    DialogHost& host_;
};

}  // namespace

// The real widgets run on Qt's offscreen platform, so no display is needed.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Qt runs threads of its own in the test process: a death test's child starts afresh.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RuntimeInit(Platform::Offscreen);
    NoDialogsHost noDialogs;
    SetDialogHost(&noDialogs);
    // Appended last, the check sees a test's end before the result printer does.
    ::testing::UnitTest::GetInstance()->listeners().Append(new LeftoverCheck(noDialogs));
    const int result = RUN_ALL_TESTS();
    SetDialogHost(nullptr);
    RuntimeExit();
    return result;
}
