#include <string>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"
#include "workbench/Werkbank.h"

namespace werkbank {

void PListeMengeNeuAufbauen(class HauptF& w) {
    w.PListeMenge.clear();
    w.PListeMenge.reserve(w.PListe.size());
    w.PListeMenge.insert(w.PListe.begin(), w.PListe.end());
}

}  // namespace werkbank

bool HauptF::IstSchonImRing(const std::string& s) {
    // The list holds no text twice, so the index has as many entries as the list whenever the
    // two are in step; a list changed behind the index's back is caught here.
    if (PListeMenge.size() != PListe.size()) werkbank::PListeMengeNeuAufbauen(*this);
    return PListeMenge.count(s) != 0;
}

void HauptF::fInPListeEinfuegen(const std::string& s) {
    if (IstSchonImRing(s)) return;
    PListe.push_back(s);
    PListeMenge.insert(s);
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
