#include <optional>
#include <string>
#include <string_view>

#include "framework/Dialogs.h"
#include "framework/Errors.h"
#include "framework/TextFiles.h"
#include "shell/HauptF.h"

namespace {

void DateifehlerMelden(const std::string& was, const IOException& fehler) {
    MsgBox(was + "\r\n\r\n" + fehler.what());
}

// Byte length of the first character of a UTF-8 text (0 for the empty text).
std::size_t ErstesZeichenEnde(std::string_view text) {
    if (text.empty()) return 0;
    std::size_t n = 1;
    while (n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) ++n;
    return n;
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
            fehler);
    }
}

void HauptF::PLaden() {
    const std::optional<FolderItem> datei = GetOpenFolderItem("");
    if (!datei) return;
    std::string text;
    try {
        auto ein = TextInputStream::Open(*datei);
        text = ein->ReadAll();
        ein->Close();
    } catch (const IOException& fehler) {
        DateifehlerMelden(
            "Die Polynomliste konnte nicht geladen werden. Die Liste bleibt, wie sie war.", fehler);
        return;
    }
    // The first character, whatever it is, is dropped: in a saved list it is the "$" in front
    // of the first entry. Pieces are then cut by position rather than by shortening the text
    // again and again, so a long file loads in linear time; "$" is one byte in UTF-8 and never
    // part of another character.
    const std::string_view rest = std::string_view(text).substr(ErstesZeichenEnde(text));
    std::size_t anfang = 0;
    for (std::size_t dollar = rest.find('$'); dollar != std::string_view::npos;
         dollar = rest.find('$', anfang)) {
        fInPListeEinfuegen(std::string(rest.substr(anfang, dollar - anfang)));
        anfang = dollar + 1;
    }
    std::string_view letzter = rest.substr(anfang);
    while (!letzter.empty() && (letzter.back() == '\n' || letzter.back() == '\r')) {
        letzter.remove_suffix(1);
    }
    if (!letzter.empty()) fInPListeEinfuegen(std::string(letzter));
}
