#pragma once
// The fixture of the workbench's GUI tests: the real main window on the offscreen platform, with
// the scripted dialog host installed before the window opens.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/HauptF.h"
#include "support/ScriptedDialogHost.h"

class WerkbankTest : public ::testing::Test {
  protected:
    using Antwort = DialogHost::Answer;
    using Gezeigt = ScriptedDialogHost::Shown;

    void SetUp() override { w = &HauptF(); }

    // Types a polynomial and presses "OK", as a user would.
    void Analysiere(const std::string& text) {
        w->EingF().SetText(text);
        w->PushButton1().Push();
    }
    std::vector<std::string> Liste() const { return w->PListe; }
    std::vector<std::string> Meldungen() const { return host.Messages(); }
    // The dialogs of one kind, in the order shown.
    std::vector<Gezeigt> Gezeigte(ScriptedDialogHost::Kind kind) const {
        std::vector<Gezeigt> auswahl;
        for (const Gezeigt& g : host.Dialogs())
            if (g.kind == kind) auswahl.push_back(g);
        return auswahl;
    }
    std::vector<Gezeigt> Rueckfragen() const {
        return Gezeigte(ScriptedDialogHost::Kind::MessageDialog);
    }

    ScriptedDialogHost host;
    class HauptF* w = nullptr;
};
