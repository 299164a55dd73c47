#include <gtest/gtest.h>

#include "framework/Dialogs.h"
#include "framework/Probes.h"
#include "tests/support/ScriptedDialogHost.h"

namespace {

using Answer = DialogHost::Answer;

TEST(FrameworkDialogs, NewMessageDialogShowsOkAndHidesTheOthers) {
    MessageDialog d;
    EXPECT_EQ(d.ActionButton.Caption, "OK");
    EXPECT_TRUE(d.ActionButton.Visible);
    EXPECT_FALSE(d.AlternateActionButton.Visible);
    EXPECT_FALSE(d.CancelButton.Visible);
    EXPECT_EQ(d.CancelButton.Caption, "Abbrechen");
}

TEST(FrameworkDialogs, ShowModalReturnsTheButtonPressedAndTheHostSeesTheDialog) {
    ScriptedDialogHost host;
    host.AnswerButton(Answer::Action);
    host.AnswerButton(Answer::Alternate);
    host.AnswerButton(Answer::Cancel);
    MessageDialog d;
    d.Icon = 1;
    d.Message = "Beim Beenden gehen alle nicht gespeicherten Polynome verloren";
    d.ActionButton.Caption = "Beenden";
    d.CancelButton.Visible = true;
    EXPECT_EQ(d.ShowModal(), &d.ActionButton);
    EXPECT_EQ(d.ShowModal(), &d.AlternateActionButton);
    EXPECT_EQ(d.ShowModal(), &d.CancelButton);
    EXPECT_EQ(d.ShowModal(), &d.CancelButton);  // unscripted: closed some other way
    ASSERT_EQ(host.Dialogs().size(), 4u);
    const auto& shown = host.Dialogs()[0];
    EXPECT_EQ(shown.kind, ScriptedDialogHost::Kind::MessageDialog);
    EXPECT_EQ(shown.text, d.Message);
    EXPECT_EQ(shown.icon, 1);
    EXPECT_EQ(shown.action.Caption, "Beenden");
    EXPECT_TRUE(shown.cancel.Visible);
    EXPECT_FALSE(shown.alternate.Visible);
    EXPECT_TRUE(host.Dialogs()[2].scripted);
    EXPECT_FALSE(host.Dialogs()[3].scripted);
}

TEST(FrameworkDialogs, FileDialogsGiveTheChosenFileOrNothing) {
    ScriptedDialogHost host;
    host.AnswerFile("/tmp/PDaten");
    host.AnswerCancel();
    host.AnswerFile("/tmp/andere");
    const auto saved = GetSaveFolderItem("text", "PDaten");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->path, "/tmp/PDaten");
    EXPECT_FALSE(GetOpenFolderItem("").has_value());
    EXPECT_EQ(GetOpenFolderItem("")->path, "/tmp/andere");
    ASSERT_EQ(host.Dialogs().size(), 3u);
    EXPECT_EQ(host.Dialogs()[0].kind, ScriptedDialogHost::Kind::SaveFile);
    EXPECT_EQ(host.Dialogs()[0].filter, "text");
    EXPECT_EQ(host.Dialogs()[0].defaultName, "PDaten");
    EXPECT_EQ(host.Dialogs()[1].kind, ScriptedDialogHost::Kind::OpenFile);
    EXPECT_FALSE(host.Dialogs()[1].file.has_value());
}

// The application's own box, as MsgBox shows it when no test host is installed.
TEST(FrameworkDialogs, MessageBoxDrawsEachLineEndAsOneBreak) {
    const MessageBoxLook look = LookOfMessageBox("a\n\rb\r\nc\rd\ne\r\n\r\nf");
    EXPECT_EQ(look.lineBreaks, 6);
    EXPECT_TRUE(look.buttonInside);
    EXPECT_GT(look.textHeight, 0);
    EXPECT_TRUE(look.everyLineReachable);
}

TEST(FrameworkDialogs, MessageTallerThanTheScreenScrollsAndKeepsItsButtonInSight) {
    std::string text = "Verwendete Polynome:\n\r";
    for (int i = 0; i < 300; ++i) text += std::to_string(i) + "x^2  + x  \n\r";
    const MessageBoxLook look = LookOfMessageBox(text);
    ASSERT_GT(look.screenHeight, 0);
    EXPECT_LE(look.height, look.screenHeight * 2 / 3 + 1);
    EXPECT_TRUE(look.buttonInside);
    EXPECT_GT(look.textHeight, look.screenHeight);
    EXPECT_TRUE(look.everyLineReachable);
    EXPECT_EQ(look.lineBreaks, 301);
}

// A list entry is one run without blanks, which Qt's box cannot break: however long it is,
// the box stays on the screen with its button, and all of the entry can be brought into view.
TEST(FrameworkDialogs, LongEntryWithoutBlanksCanBeReadWhole) {
    for (const std::size_t wiederholungen : {30u, 2000u, 20000u}) {
        std::string eintrag;
        for (std::size_t i = 0; i < wiederholungen; ++i) eintrag += "+123.456x^2";
        const MessageBoxLook look = LookOfMessageBox("Verwendete Polynome:\n\r0\n\r" + eintrag);
        ASSERT_GT(look.screenHeight, 0);
        EXPECT_LE(look.height, look.screenHeight * 2 / 3 + 1) << wiederholungen;
        EXPECT_TRUE(look.buttonInside) << wiederholungen;
        EXPECT_TRUE(look.everyLineReachable) << wiederholungen;
        EXPECT_EQ(look.lineBreaks, 2) << wiederholungen;
    }
}

TEST(FrameworkDialogs, FileDialogsListFilesWithoutExtensionAtFirst) {
    for (const char* filter : {"text", ""}) {
        EXPECT_TRUE(FileDialogListsAtFirst(filter, "PDaten")) << filter;
        EXPECT_TRUE(FileDialogListsAtFirst(filter, "liste.txt")) << filter;
    }
}

TEST(FrameworkDialogs, MsgBoxIsRecordedAndHostsNest) {
    ScriptedDialogHost outer;
    {
        ScriptedDialogHost inner;
        MsgBox("innen");
        EXPECT_EQ(inner.Messages(), std::vector<std::string>{"innen"});
    }
    MsgBox("außen");
    EXPECT_EQ(outer.Messages(), std::vector<std::string>{"außen"});
}

}  // namespace
