#pragma once
// The fixture of the workbench's GUI tests: the real main window on the offscreen platform, with
// a scripted dialog host that records every message and dialog and answers them from a script.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/Dialogs.h"
#include "shell/HauptF.h"

struct AufgezeichneterDialog {
    std::string message;
    std::string explanation;
    std::string action;
    std::string cancel;
    bool alternateVisible = false;
    bool cancelVisible = false;
};

class SkriptDialoge : public DialogHost {
  public:
    std::vector<std::string> meldungen;
    std::vector<AufgezeichneterDialog> dialoge;
    std::deque<Answer> antworten;                    // unscripted dialogs are cancelled
    std::deque<std::optional<std::string>> dateien;  // unscripted file dialogs are cancelled
    std::vector<std::string> speicherFilter, speicherNamen, oeffnenFilter;

    void ShowMessage(const std::string& text) override { meldungen.push_back(text); }
    Answer ShowMessageDialog(const MessageDialog& d) override {
        dialoge.push_back({d.Message, d.Explanation, d.ActionButton.Caption, d.CancelButton.Caption,
                           d.AlternateActionButton.Visible, d.CancelButton.Visible});
        return Naechste(antworten, Answer::Cancel);
    }
    std::optional<std::string> ChooseSaveFile(const std::string& filter,
                                              const std::string& defaultName) override {
        speicherFilter.push_back(filter);
        speicherNamen.push_back(defaultName);
        return Naechste(dateien, std::optional<std::string>{});
    }
    std::optional<std::string> ChooseOpenFile(const std::string& filter) override {
        oeffnenFilter.push_back(filter);
        return Naechste(dateien, std::optional<std::string>{});
    }

  private:
    template <class T>
    static T Naechste(std::deque<T>& skript, T sonst) {
        if (skript.empty()) return sonst;
        T t = skript.front();
        skript.pop_front();
        return t;
    }
};

class WerkbankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        vorher_ = SetDialogHost(&dialoge);
        w = &HauptF();
    }
    void TearDown() override { SetDialogHost(vorher_); }

    // Types a polynomial and presses "OK", as a user would.
    void Analysiere(const std::string& text) {
        w->EingF().SetText(text);
        w->PushButton1().Push();
    }
    std::vector<std::string> Liste() const { return w->PListe; }

    SkriptDialoge dialoge;
    class HauptF* w = nullptr;

  private:
    DialogHost* vorher_ = nullptr;
};
