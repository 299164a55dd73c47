#include <string>

#include "framework/Dialogs.h"
#include "framework/Runtime.h"
#include "shell/HauptF.h"

namespace {

struct Rueckfrage {
    const char* aktion;
    const char* botschaft;
    const char* erklaerung;
};

Rueckfrage RueckfrageFuer(std::int32_t n) {
    switch (n) {
        case 1:
            return {"Dennoch Speichern", "Speichern der aktuellen Polynomliste",
                    "Eine früher gespeicherte Liste wird dadurch überschrieben"};
        case 2:
            return {"Laden",
                    "Durch das Laden  wird die aktuelle Liste der Polynome nicht überschrieben",
                    "Beim Laden bleiben alle Polynome in der aktuellen Liste erhalten"};
        case 3:
            return {"Liste löschen", "Alle Polynome der aktuellen Liste werden gelöscht", ""};
        case 6:
            return {"Aktuelle Funktion löschen",
                    "Das aktuelle Polynom dauerhaft aus der Polynomliste entfenen", ""};
        case 7:
            return {"Beenden", "Beim Beenden gehen alle nicht gespeicherten Polynome verloren", ""};
        default:
            return {"", "", ""};
    }
}

constexpr const char* kAktionWaehlen = "Aktion wählen";

}  // namespace

std::int32_t HauptF::ListBotschaft(std::int32_t n) {
    const Rueckfrage r = RueckfrageFuer(n);
    MessageDialog d;
    d.Icon = 1;
    d.ActionButton.Caption = r.aktion;
    d.ActionButton.Visible = true;
    d.CancelButton.Visible = true;
    d.AlternateActionButton.Visible = false;  // no case offers a second choice
    d.Message = r.botschaft;
    d.Explanation = r.erklaerung;
    MessageDialogButton* b = d.ShowModal();
    if (b == &d.ActionButton) return 1;
    if (b == &d.AlternateActionButton) return -1;
    return 0;
}

void HauptF::RinglisteB_TextChanged(ComboBox&) {
    const std::string text = RinglisteB().Text();
    if (text == "    Anzeigen") {
        Ringkontrolle();
        RinglisteB().SetText(kAktionWaehlen);
    } else if (text == "    Speichern") {
        const std::int32_t antwort = ListBotschaft(1);
        RinglisteB().SetText(kAktionWaehlen);
        if (antwort == 1) PSpeichern();
    } else if (text == "    Laden") {
        const std::int32_t antwort = ListBotschaft(2);
        RinglisteB().SetText(kAktionWaehlen);
        if (antwort == 1) PLaden();
    } else if (text == "    Entleeren") {
        if (ListBotschaft(3) == 1) {
            PListe.KuerzenAuf(1);
            PZeiger = 0;
        }
        RinglisteB().SetText(kAktionWaehlen);
    }
    EingF().SetFocus();
}

void HauptF::gfB1_Action(PushButton&) {
    Polynomauswertung();
    const std::string s = PPP->Term2String();
    if (s == "0") {
        MsgBox(
            "Die Nullfunktion ist dauerhafter Bestandteil der Polynomliste und nicht zu "
            "entfernen");
    } else if (ListBotschaft(6) == 1) {
        for (std::size_t i = PListe.size() - 1; i >= 1; --i) {
            if (PListe[i] == s) {
                PListe.Entfernen(i);
                break;
            }
        }
    }
    EingF().SetText("0");
    Polynomauswertung();
}

void HauptF::QuitB_Action(PushButton&) {
    if (::HauptF().ListBotschaft(7) == 1) Quit(0);
}

void HauptF::QuitB111_Action(PushButton&) {
    PSpeichern();
    PLaden();
}
