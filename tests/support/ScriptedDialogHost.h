#pragma once
// A dialog host for tests: it records every message and dialog that the program shows and
// answers from a script instead of opening a window.
//
//   ScriptedDialogHost host;                        // installed until it goes out of scope
//   host.AnswerButton(DialogHost::Answer::Action);  // the next MessageDialog: action button
//   host.AnswerFile("/tmp/liste");                  // the next save or open dialog: this file
//   host.AnswerCancel();                            // the next file dialog: cancelled
//   ... drive the window ...
//   ASSERT_EQ(host.Messages(), std::vector<std::string>{"Eingabe so nicht verwertbar ..."});
//   EXPECT_EQ(host.Dialogs()[0].kind, ScriptedDialogHost::Kind::MessageDialog);
//
// A message dialog without a scripted answer is answered with Cancel and a file dialog without
// one is cancelled; such a dialog is recorded with `scripted` false, so a test can tell. A
// scripted answer of the wrong kind (a button for a file dialog or the other way round) fails
// the test. Answers left over at the end fail it too, unless ExpectAllAnswersUsed(false).

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "framework/Dialogs.h"

class ScriptedDialogHost : public DialogHost {
  public:
    enum class Kind { Message, MessageDialog, SaveFile, OpenFile };

    // One dialog as the program showed it.
    struct Shown {
        Kind kind = Kind::Message;
        std::string text;  // MsgBox: its text; MessageDialog: its Message
        std::string explanation;
        int icon = 0;
        MessageDialogButton action, alternate, cancel;  // captions and Visible as shown
        std::string filter;                             // file dialogs
        std::string defaultName;                        // save dialog
        bool scripted = false;            // answered from the script (messages always are)
        std::optional<Answer> answer;     // MessageDialog
        std::optional<std::string> file;  // file dialogs: the path given, nullopt for cancel
    };

    ScriptedDialogHost() : previous_(SetDialogHost(this)) {}
    ~ScriptedDialogHost() override {
        SetDialogHost(previous_);
        if (checkLeftovers_ && !script_.empty())
            ADD_FAILURE() << script_.size() << " scripted dialog answer(s) were never used";
    }
    ScriptedDialogHost(const ScriptedDialogHost&) = delete;
    ScriptedDialogHost& operator=(const ScriptedDialogHost&) = delete;

    // ---- The script, answered in order ----
    void AnswerButton(Answer answer) { script_.emplace_back(answer); }
    void AnswerFile(std::string path) { script_.emplace_back(FileAnswer{std::move(path)}); }
    void AnswerCancel() { script_.emplace_back(FileAnswer{std::nullopt}); }
    void ExpectAllAnswersUsed(bool check) { checkLeftovers_ = check; }
    std::size_t AnswersLeft() const { return script_.size(); }

    // ---- What was shown ----
    const std::vector<Shown>& Dialogs() const { return shown_; }
    // The texts of the MsgBox calls, in order.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const Shown& s : shown_)
            if (s.kind == Kind::Message) texts.push_back(s.text);
        return texts;
    }
    void Clear() { shown_.clear(); }

    // ---- DialogHost ----
    void ShowMessage(const std::string& text) override {
        Shown s;
        s.kind = Kind::Message;
        s.text = text;
        s.scripted = true;
        shown_.push_back(s);
    }

    Answer ShowMessageDialog(const MessageDialog& dialog) override {
        Shown s;
        s.kind = Kind::MessageDialog;
        s.text = dialog.Message;
        s.explanation = dialog.Explanation;
        s.icon = dialog.Icon;
        s.action = dialog.ActionButton;
        s.alternate = dialog.AlternateActionButton;
        s.cancel = dialog.CancelButton;
        Answer answer = Answer::Cancel;
        if (!script_.empty()) {
            if (auto* button = std::get_if<Answer>(&script_.front())) {
                answer = *button;
                s.scripted = true;
                script_.pop_front();
            } else {
                ADD_FAILURE() << "A file was scripted, but the message dialog \"" << dialog.Message
                              << "\" came";
            }
        }
        s.answer = answer;
        shown_.push_back(s);
        return answer;
    }

    std::optional<std::string> ChooseSaveFile(const std::string& filter,
                                              const std::string& defaultName) override {
        Shown s;
        s.kind = Kind::SaveFile;
        s.filter = filter;
        s.defaultName = defaultName;
        return ChooseFile(s);
    }

    std::optional<std::string> ChooseOpenFile(const std::string& filter) override {
        Shown s;
        s.kind = Kind::OpenFile;
        s.filter = filter;
        return ChooseFile(s);
    }

  private:
    struct FileAnswer {
        std::optional<std::string> path;
    };

    std::optional<std::string> ChooseFile(Shown& s) {
        if (!script_.empty()) {
            if (auto* file = std::get_if<FileAnswer>(&script_.front())) {
                s.file = file->path;
                s.scripted = true;
                script_.pop_front();
            } else {
                ADD_FAILURE() << "A button was scripted, but a file dialog came";
            }
        }
        shown_.push_back(s);
        return s.file;
    }

    DialogHost* previous_;
    std::deque<std::variant<Answer, FileAnswer>> script_;
    std::vector<Shown> shown_;
    bool checkLeftovers_ = true;
};
