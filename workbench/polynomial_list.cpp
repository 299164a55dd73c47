#include <string>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

bool HauptF::IstSchonImRing(const std::string& s) {
    return PListe.Enthaelt(s);
}

void HauptF::fInPListeEinfuegen(const std::string& s) {
    PListe.Anhaengen(s);
}

void HauptF::Ringkontrolle() {
    // Line feed before carriage return, as the listing has always written it.
    const std::string eol = Chr(10) + Chr(13);
    std::string text = "Verwendete Polynome:" + eol;
    for (const std::string& eintrag : PListe) text += eintrag + eol;
    MsgBox(text);
}

void HauptF::RNextB1_Action(PushButton&) {
    const auto obergrenze = static_cast<std::int32_t>(PListe.size()) - 1;
    if (PZeiger >= 0 && PZeiger < obergrenze) {
        ++PZeiger;
    } else {
        PZeiger = 0;
    }
    AnzeigeF().SetText(PListe[static_cast<std::size_t>(PZeiger)]);
}
