#pragma once
// The fixture of the workbench's GUI tests: the real main window on the offscreen platform, with
// the scripted dialog host installed before the window opens. Each test opens a window of its
// own and closes it at the end.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/HauptF.h"
#include "support/FreshApplication.h"
#include "support/ScriptedDialogHost.h"

class WerkbankTest : public FreshApplicationTest {
  protected:
    using Antwort = DialogHost::Answer;
    using Gezeigt = ScriptedDialogHost::Shown;

    void SetUp() override { w = &HauptF(); }
    // While the scripted host is still installed: closing the window shows nothing, and what the
    // window still had pending goes to this test's host.
    void TearDown() override {
        FreshApplicationTest::TearDown();
        w = nullptr;
    }

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
