#include <array>
#include <string>

#include "framework/Dialogs.h"
#include "framework/Text.h"
#include "shell/HauptF.h"

namespace {

constexpr std::array<const char*, 11> kInfoTeile = {
    "Vemtarix - Werkzeug zur Untersuchung von Polynomen",
    "- untersucht Polynome maximal neunten Grades auf kritische Stellen. Mit kritischen Stellen "
    "sind dabei die Nullstellen des Polynoms und seiner ersten beiden Ableitungen gemeint. Das "
    "Programm ..",
    "- gibt die kritischen Stellen und die Funktionswerte an diesen Stellen und ggf. an einer "
    "weiteren gewünschten Stelle an,",
    "- skizziert grob den Verlauf des Graphen,",
    "- berechnet den Inhalt der vom Graphen und der x-Achse berandeten Fläche,",
    "- bestimmt zu einem anzugebenden Intervall das Integral der Funktion,",
    "- ermittelt die Faktorzerlegung des Polynoms im Reellen,",
    "- liefert bei Angabe von zwei bis sechs Stützstellen das zugehörige Interpolationspolynom",
    "- gibt den neuen Funktionsterm nach Verschiebung um einen gewünschten Vektor (x;y) an.",
    "Alle während einer Sitzung bearbeiteten Polynome werden in einer Liste gespeichert und "
    "bleiben während der Laufzeit des Programms verfügbar.",
    "Homepage: https://vemtarix.example.org",
};

}  // namespace

void HauptF::QuitB11_Action(PushButton&) {
    const std::string leerzeile = Chr(13) + Chr(10) + Chr(13) + Chr(10);
    std::string text;
    for (std::size_t i = 0; i < kInfoTeile.size(); ++i) {
        if (i > 0) text += leerzeile;
        text += kInfoTeile[i];
    }
    MsgBox(text);
}

void HauptF::Botschaft() {
    MessageDialog d;
    d.Icon = 1;
    d.ActionButton.Caption = "Mach etwas";
    d.AlternateActionButton.Visible = true;
    d.AlternateActionButton.Caption = " Lass es";
    d.CancelButton.Visible = true;
    d.Message = "Angebot eines Unternehmens";
    d.Explanation = "Deine Entscheidung hat natürlich Folgen.";
    MessageDialogButton* b = d.ShowModal();
    if (b == &d.ActionButton) {
        MsgBox("Du hast die Aktion gewünscht.");
    } else if (b == &d.AlternateActionButton) {
        MsgBox("Du hast dich für den Negativfall enschieden");
    } else {
        MsgBox("Feige Nuss! Flucht vor der Entscheidung.");
    }
}
