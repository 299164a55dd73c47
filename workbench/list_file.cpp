#include <cstddef>
#include <new>
#include <optional>
#include <string>
#include <string_view>

#include "framework/Dialogs.h"
#include "framework/Errors.h"
#include "framework/TextFiles.h"
#include "shell/HauptF.h"

namespace {

// A list of a million entries, a thousand times what anyone analyses in one run of the program,
// takes about 16 MB; the limit is twice that, so no list saved from a real run is refused, while
// a file beyond it (a wrong choice in the dialog, a file of the system) is refused unread. What
// a file within the limit can make is bounded too: typical entries, some 2.7 million, load in
// about 2.5 s into about 300 MB; the shortest possible pieces, some 8 million, in about 5.5 s
// into about 900 MB. Where memory runs out on the way, the load fails as a whole.
constexpr std::size_t kGroessteListendatei = std::size_t{32} << 20;

constexpr const char* kNichtGeladen =
    "Die Polynomliste konnte nicht geladen werden. Die Liste bleibt, wie sie war.";

void DateifehlerMelden(const std::string& was, const std::string& warum) {
    MsgBox(was + "\r\n\r\n" + warum);
}

// Byte length of the first character of a UTF-8 text (0 for the empty text).
std::size_t ErstesZeichenEnde(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return n;
}

// The first character, whatever it is, is dropped: in a saved list it is the "$" in front of the
// first entry. Pieces are then cut by position rather than by shortening the text again and
// again, so a long file loads in linear time; "$" is one byte in UTF-8 and never part of another
// character.
void EintraegeEinfuegen(class HauptF& w, const std::string& text) {
    const std::string_view rest = std::string_view(text).substr(ErstesZeichenEnde(text));
    std::size_t anfang = 0;
    for (std::size_t dollar = rest.find('$'); dollar != std::string_view::npos;
         dollar = rest.find('$', anfang)) {
        w.fInPListeEinfuegen(std::string(rest.substr(anfang, dollar - anfang)));
        anfang = dollar + 1;
    }
    std::string_view letzter = rest.substr(anfang);
    while (!letzter.empty() && (letzter.back() == '\n' || letzter.back() == '\r')) {
        letzter.remove_suffix(1);
    }
    if (!letzter.empty()) w.fInPListeEinfuegen(std::string(letzter));
}

}  // namespace

void HauptF::PSpeichern() {
    std::string zeile;
    for (std::size_t i = 1; i < PListe.size(); ++i) zeile += "$" + PListe[i];
    const std::optional<FolderItem> datei = GetSaveFolderItem("text", "PDaten");
    if (!datei) return;
    try {
        // The stream writes aside and replaces the file only on Close, so a failed save leaves
        // the file that was there untouched.
        auto aus = TextOutputStream::Create(*datei);
        aus->WriteLine(zeile);
        aus->Close();
    } catch (const IOException& fehler) {
        DateifehlerMelden(
            "Die Polynomliste konnte nicht gespeichert werden. Eine vorhandene Datei bleibt, wie "
            "sie war.",
            fehler.what());
    }
}

void HauptF::PLaden() {
    const std::optional<FolderItem> datei = GetOpenFolderItem("");
    if (!datei) return;
    const std::size_t vorher = PListe.size();
    try {
        auto ein = TextInputStream::Open(*datei);
        const std::string text = ein->ReadAll(kGroessteListendatei);
        ein->Close();
        EintraegeEinfuegen(*this, text);
    } catch (const IOException& fehler) {
        DateifehlerMelden(kNichtGeladen, fehler.what());
    } catch (const std::bad_alloc&) {
        // The entries added so far go again, so the list is as it was; the file's text is
        // released by now, which leaves room for the message.
        PListe.KuerzenAuf(vorher);
        DateifehlerMelden(kNichtGeladen, "Für die Einträge der Datei \"" + datei->path +
                                             "\" reicht der Arbeitsspeicher nicht.");
    }
}
