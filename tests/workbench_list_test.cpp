#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Probes.h"
#include "tests/support/Dateigrenze.h"
#include "workbench_fixture.h"

namespace fs = std::filesystem;

namespace {

using Texte = std::vector<std::string>;

constexpr int kAnzeigen = 0;
constexpr int kSpeichern = 1;
constexpr int kLaden = 2;
constexpr int kEntleeren = 3;

std::string Inhalt(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Schreibe(const fs::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

}  // namespace

class Polynomliste : public WerkbankTest {
  protected:
    void SetUp() override {
        WerkbankTest::SetUp();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        ordner = fs::temp_directory_path() /
                 ("vemtarix_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override {
        fs::remove_all(ordner);
        WerkbankTest::TearDown();
    }
    void Aktion(int eintrag, Antwort antwort, std::optional<std::string> datei = std::nullopt) {
        // Showing the list asks nothing; saving and loading ask for a file once confirmed.
        if (eintrag != kAnzeigen) host.AnswerButton(antwort);
        if (antwort == Antwort::Action && (eintrag == kSpeichern || eintrag == kLaden)) {
            if (datei) {
                host.AnswerFile(*datei);
            } else {
                host.AnswerCancel();
            }
        }
        w->RinglisteB().Choose(eintrag);
    }
    fs::path ordner;
};

TEST_F(Polynomliste, ListingShowsEveryEntry) {
    Aktion(kEntleeren, Antwort::Action);
    ASSERT_EQ(w->PListe, Texte{"0"});
    EXPECT_EQ(w->RinglisteB().Text(), "Aktion wählen");
    Analysiere("x^2");
    Aktion(kAnzeigen, Antwort::Cancel);
    EXPECT_EQ(Meldungen(), Texte{"Verwendete Polynome:\n\r0\n\rx^2  \n\r"});
    EXPECT_EQ(LookOfMessageBox(Meldungen()[0]).lineBreaks, 3);  // LF CR is one break on screen
    EXPECT_EQ(w->RinglisteB().Text(), "Aktion wählen");
    EXPECT_TRUE(w->EingF().HasFocus());
}

// The listing of a long list, as the application's box shows it: within the screen, every
// entry reachable by scrolling, the button in sight.
TEST_F(Polynomliste, LongListingFitsTheScreen) {
    std::string inhalt;
    for (int i = 1; i <= 74; ++i) inhalt += "$" + std::to_string(i) + "x^2  - x  ";
    const fs::path datei = ordner / "lang";
    Schreibe(datei, inhalt + "\n");
    Aktion(kLaden, Antwort::Action, datei.string());
    ASSERT_EQ(w->PListe.size(), 76u);
    Aktion(kAnzeigen, Antwort::Cancel);
    ASSERT_EQ(Meldungen().size(), 1u);
    const MessageBoxLook look = LookOfMessageBox(Meldungen()[0]);
    EXPECT_LE(look.height, look.screenHeight);
    EXPECT_TRUE(look.buttonInside);
    EXPECT_GT(look.textHeight, look.height);
    EXPECT_TRUE(look.everyLineReachable);
    EXPECT_EQ(look.lineBreaks, 77);
}

TEST_F(Polynomliste, AnzAusListeBrowsesInACircle) {
    Analysiere("x^2");
    Texte gezeigt;
    for (int i = 0; i < 5; ++i) {
        w->RNextB1().Push();
        gezeigt.push_back(w->AnzeigeF().Text());
    }
    EXPECT_EQ(gezeigt, (Texte{"x  ", "x^2  ", "0", "x  ", "x^2  "}));

    Aktion(kEntleeren, Antwort::Action);
    EXPECT_EQ(w->PZeiger, 0);
    w->RNextB1().Push();
    w->RNextB1().Push();
    EXPECT_EQ(w->AnzeigeF().Text(), "0");
}

TEST_F(Polynomliste, KillFRemovesTheCurrentPolynomialAfterConfirmation) {
    Analysiere("x^2");
    Analysiere("x^3");
    w->RNextB1().Push();
    w->RNextB1().Push();  // shows entry 2, "x^2  "
    Analysiere("x^2");

    host.AnswerButton(Antwort::Cancel);
    w->gfB1().Push();
    EXPECT_EQ(w->PListe, (Texte{"0", "x  ", "x^2  ", "x^3  "}));
    EXPECT_EQ(w->EingF().Text(), "0");
    ASSERT_EQ(Rueckfragen().size(), 1u);
    EXPECT_EQ(Rueckfragen()[0].action.Caption, "Aktuelle Funktion löschen");
    EXPECT_EQ(Rueckfragen()[0].text,
              "Das aktuelle Polynom dauerhaft aus der Polynomliste entfenen");
    EXPECT_EQ(Rueckfragen()[0].cancel.Caption, "Abbrechen");
    EXPECT_TRUE(Rueckfragen()[0].cancel.Visible);
    EXPECT_FALSE(Rueckfragen()[0].alternate.Visible);

    Analysiere("x^2");
    host.AnswerButton(Antwort::Action);
    w->gfB1().Push();
    EXPECT_EQ(w->PListe, (Texte{"0", "x  ", "x^3  "}));
    EXPECT_EQ(w->EingF().Text(), "0");
    EXPECT_EQ(w->PZeiger, 2);
    w->RNextB1().Push();  // index 2 is the last now: the browse starts again at 0
    EXPECT_EQ(w->AnzeigeF().Text(), "0");

    // The removed polynomial comes back like any new one.
    Analysiere("x^2");
    EXPECT_EQ(w->PListe.back(), "x^2  ");
}

TEST_F(Polynomliste, KillFRefusesTheZeroPolynomial) {
    Analysiere("0");
    w->gfB1().Push();
    EXPECT_EQ(Meldungen(),
              Texte{"Die Nullfunktion ist dauerhafter Bestandteil der Polynomliste und nicht zu "
                    "entfernen"});
    EXPECT_TRUE(Rueckfragen().empty());
    EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    EXPECT_EQ(w->EingF().Text(), "0");
}

TEST_F(Polynomliste, EntleerenCancelledChangesNothingButTheBox) {
    Aktion(kEntleeren, Antwort::Cancel);
    EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    EXPECT_EQ(w->RinglisteB().Text(), "Aktion wählen");
    ASSERT_EQ(Rueckfragen().size(), 1u);
    EXPECT_EQ(Rueckfragen()[0].text, "Alle Polynome der aktuellen Liste werden gelöscht");
    EXPECT_EQ(Rueckfragen()[0].action.Caption, "Liste löschen");
}

TEST_F(Polynomliste, SavedFileHoldsOneLineOfEntries) {
    Analysiere("x^2");
    const fs::path datei = ordner / "PDaten";
    Aktion(kSpeichern, Antwort::Action, datei.string());
    EXPECT_EQ(Inhalt(datei), "$x  $x^2  \n");
    const auto speichern = Gezeigte(ScriptedDialogHost::Kind::SaveFile);
    ASSERT_EQ(speichern.size(), 1u);
    EXPECT_EQ(speichern[0].filter, "text");
    EXPECT_EQ(speichern[0].defaultName, "PDaten");
    EXPECT_TRUE(FileDialogListsAtFirst(speichern[0].filter, speichern[0].defaultName));
    EXPECT_EQ(Rueckfragen()[0].action.Caption, "Dennoch Speichern");
    EXPECT_EQ(Rueckfragen()[0].explanation,
              "Eine früher gespeicherte Liste wird dadurch überschrieben");
    EXPECT_TRUE(Meldungen().empty());

    // A list of "0" alone saves the line end alone, and loading that adds nothing.
    Aktion(kEntleeren, Antwort::Action);
    Aktion(kSpeichern, Antwort::Action, datei.string());
    EXPECT_EQ(Inhalt(datei), "\n");
    Aktion(kLaden, Antwort::Action, datei.string());
    EXPECT_EQ(w->PListe, Texte{"0"});
}

TEST_F(Polynomliste, LoadingAddsOnlyNewEntriesBehindTheList) {
    const fs::path datei = ordner / "liste.txt";
    Analysiere("x^2");
    Aktion(kSpeichern, Antwort::Action, datei.string());
    Aktion(kEntleeren, Antwort::Action);
    Analysiere("x");
    Analysiere("5");
    ASSERT_EQ(w->PListe, (Texte{"0", "x  ", "5  "}));

    Aktion(kLaden, Antwort::Action, datei.string());
    EXPECT_EQ(w->PListe, (Texte{"0", "x  ", "5  ", "x^2  "}));
    EXPECT_EQ(Gezeigte(ScriptedDialogHost::Kind::OpenFile).at(0).filter, "");
    EXPECT_TRUE(FileDialogListsAtFirst("", "PDaten"));
    EXPECT_EQ(Rueckfragen().back().action.Caption, "Laden");
    EXPECT_EQ(Rueckfragen().back().text,
              "Durch das Laden  wird die aktuelle Liste der Polynome nicht überschrieben");
    Aktion(kLaden, Antwort::Action, datei.string());
    EXPECT_EQ(w->PListe, (Texte{"0", "x  ", "5  ", "x^2  "}));
    EXPECT_EQ(w->RinglisteB().Text(), "Aktion wählen");
}

TEST_F(Polynomliste, LoadingSplitsAnyTextAtItsDollars) {
    struct Fall {
        const char* inhalt;
        Texte neu;
    };
    for (const Fall& f :
         {Fall{"$x^3  \n", {"x^3  "}}, Fall{"$x^3  \r\n", {"x^3  "}}, Fall{"#a$$b", {"a", "", "b"}},
          Fall{"$0$x  $7  ", {"7  "}}, Fall{"", {}}, Fall{"ü$x^4", {"", "x^4"}}}) {
        Aktion(kEntleeren, Antwort::Action);
        Analysiere("x");
        const fs::path datei = ordner / "fremd";
        Schreibe(datei, f.inhalt);
        Aktion(kLaden, Antwort::Action, datei.string());
        Texte erwartet = {"0", "x  "};
        erwartet.insert(erwartet.end(), f.neu.begin(), f.neu.end());
        EXPECT_EQ(w->PListe, erwartet) << f.inhalt;
        EXPECT_TRUE(w->IstSchonImRing("x  "));
    }
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Polynomliste, CancelledDialogsLeaveListAndFiles) {
    const fs::path datei = ordner / "PDaten";
    Schreibe(datei, "$alt\n");
    Aktion(kSpeichern, Antwort::Cancel, datei.string());
    EXPECT_TRUE(Gezeigte(ScriptedDialogHost::Kind::SaveFile).empty());  // none after Cancel
    Aktion(kSpeichern, Antwort::Action, std::nullopt);
    EXPECT_EQ(Inhalt(datei), "$alt\n");
    Aktion(kLaden, Antwort::Action, std::nullopt);
    Aktion(kLaden, Antwort::Cancel, datei.string());
    EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    EXPECT_TRUE(Meldungen().empty());
}

TEST_F(Polynomliste, FileErrorsAreReportedAndChangeNothing) {
    const fs::path fehlt = ordner / "gibt-es-nicht" / "PDaten";
    const fs::path pipe = ordner / "PDaten";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const fs::path& ziel : {fs::path(ordner), fehlt, pipe, fs::path("/dev/null")}) {
        SCOPED_TRACE(ziel.string());
        host.Clear();
        Aktion(kSpeichern, Antwort::Action, ziel.string());
        EXPECT_EQ(Meldungen().size(), 1u);
        if (Meldungen().size() != 1u) continue;
        EXPECT_EQ(Meldungen()[0].rfind("Die Polynomliste konnte nicht gespeichert werden.", 0), 0u);
        EXPECT_NE(Meldungen()[0].find("\"" + ziel.string() + "\""), std::string::npos)
            << Meldungen()[0];
    }
    EXPECT_FALSE(fs::exists(fehlt));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    for (const fs::path& quelle : {fs::path(ordner), ordner / "verschwunden"}) {
        SCOPED_TRACE(quelle.string());
        host.Clear();
        Aktion(kLaden, Antwort::Action, quelle.string());
        EXPECT_EQ(Meldungen().size(), 1u);
        if (Meldungen().size() != 1u) continue;
        EXPECT_EQ(Meldungen()[0].rfind("Die Polynomliste konnte nicht geladen werden.", 0), 0u);
    }
    EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    Analysiere("x^2");  // the program goes on
    EXPECT_EQ(w->PListe.back(), "x^2  ");
}

// In a child process: "Speichern" onto `datei` (which holds `alt`) with the file size limit
// lowered, so that the kernel refuses the write as a full disk would. Exits 0 when the window
// said so, naming the file, kept its list and left the file byte for byte as it was with no
// side file beside it. The messages go to stderr once the limit is lifted again.
[[noreturn]] void SpeichernAufVollerPlatte(class HauptF& w, ScriptedDialogHost& host,
                                           const fs::path& datei, const std::string& alt) {
    const std::vector<std::string> vorher = w.PListe;
    {
        const Dateigrenze grenze(4);
        host.AnswerButton(DialogHost::Answer::Action);
        host.AnswerFile(datei.string());
        w.RinglisteB().Choose(kSpeichern);
    }

    const std::vector<std::string> meldungen = host.Messages();
    for (const std::string& m : meldungen) std::fputs(m.c_str(), stderr);
    const bool gemeldet = meldungen.size() == 1 &&
                          meldungen[0].find("\"" + datei.string() + "\"") != std::string::npos;
    const auto dateien =
        std::distance(fs::directory_iterator(datei.parent_path()), fs::directory_iterator());
    const bool unveraendert = Inhalt(datei) == alt && dateien == 1 && w.PListe == vorher;
    fs::remove_all(datei.parent_path());  // the fixture's TearDown does not run here
    std::_Exit(gemeldet && unveraendert ? 0 : 1);
}

TEST_F(Polynomliste, SavingOntoAFullDiskSaysSoAndKeepsTheOldFile) {
    const fs::path datei = ordner / "PDaten";
    const std::string alt = "$x  $x^2  \n";
    Schreibe(datei, alt);
    Analysiere("x^3 - 2");
    EXPECT_EXIT(SpeichernAufVollerPlatte(*w, host, datei, alt), ::testing::ExitedWithCode(0),
                "Die Polynomliste konnte nicht gespeichert werden. Eine vorhandene Datei bleibt, "
                "wie sie war.*PDaten.*die Datei");
    EXPECT_EQ(Inhalt(datei), alt);
}

TEST_F(Polynomliste, AHundredThousandEntriesLoadInOrder) {
    std::string inhalt;
    for (int i = 1; i <= 100000; ++i) inhalt += "$" + std::to_string(i) + "x  ";
    inhalt += "$x  \n";  // already in the list
    const fs::path datei = ordner / "gross";
    Schreibe(datei, inhalt);
    Aktion(kLaden, Antwort::Action, datei.string());
    ASSERT_EQ(w->PListe.size(), 100002u);
    EXPECT_EQ(w->PListe[2], "1x  ");
    EXPECT_EQ(w->PListe.back(), "100000x  ");
    EXPECT_TRUE(w->IstSchonImRing("4711x  "));
    Aktion(kLaden, Antwort::Action, datei.string());
    EXPECT_EQ(w->PListe.size(), 100002u);
}

TEST_F(Polynomliste, HiddenTestButtonSavesThenLoads) {
    const fs::path datei = ordner / "PDaten";
    host.AnswerFile(datei.string());
    host.AnswerFile(datei.string());
    w->QuitB111_Action(w->QuitB111());
    EXPECT_EQ(Inhalt(datei), "$x  \n");
    EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    EXPECT_FALSE(w->QuitB111().Visible());
}

TEST_F(Polynomliste, BeendenCancelledKeepsTheProgramRunning) {
    host.AnswerButton(Antwort::Cancel);
    w->QuitB().Push();
    ASSERT_EQ(Rueckfragen().size(), 1u);
    EXPECT_EQ(Rueckfragen()[0].action.Caption, "Beenden");
    EXPECT_EQ(Rueckfragen()[0].text,
              "Beim Beenden gehen alle nicht gespeicherten Polynome verloren");
    EXPECT_TRUE(w->IsVisible());
    EXPECT_EQ(&HauptF(), w);
}

namespace {

// A sparse file: it claims its size on the disk but takes none of it.
fs::path LeereDatei(const fs::path& p, std::uintmax_t groesse) {
    std::ofstream(p, std::ios::binary).close();
    fs::resize_file(p, groesse);
    return p;
}

constexpr std::uintmax_t kDreiGiB = std::uintmax_t{3} << 30;

}  // namespace

// A file far larger than any list is refused unread, and one whose size the system reports
// wrong (the page map is as long as the whole address space) only as far as the limit.
TEST_F(Polynomliste, AFileTooLargeForAListIsRefusedAndTheListStays) {
    for (const fs::path& quelle :
         {LeereDatei(ordner / "riesig", kDreiGiB), fs::path("/proc/self/pagemap")}) {
        host.Clear();
        Aktion(kLaden, Antwort::Action, quelle.string());
        ASSERT_EQ(Meldungen().size(), 1u) << quelle;
        EXPECT_EQ(Meldungen()[0].rfind("Die Polynomliste konnte nicht geladen werden. Die Liste "
                                       "bleibt, wie sie war.\r\n\r\nDie Datei \"" +
                                           quelle.string() +
                                           "\" kann nicht gelesen werden: sie "
                                           "ist zu groß",
                                       0),
                  0u)
            << Meldungen()[0];
        EXPECT_EQ(w->PListe, (Texte{"0", "x  "}));
    }
}

// The address space the process takes now, in bytes.
rlim_t Adressraum() {
    std::ifstream status("/proc/self/status");
    std::string wort;
    while (status >> wort && wort != "VmSize:") {
    }
    rlim_t kib = 0;
    status >> kib;
    return kib * 1024;
}

// In a child process: "Laden" of `datei` with the address space limited to `grenze` bytes.
// Exits 0 when the list is as it was; the messages go to stderr once the limit is lifted again.
[[noreturn]] void LadenMitWenigSpeicher(class HauptF& w, ScriptedDialogHost& host,
                                        const fs::path& datei, rlim_t grenze) {
    const std::vector<std::string> vorher = w.PListe;
    host.AnswerButton(DialogHost::Answer::Action);
    host.AnswerFile(datei.string());
    rlimit limit{};
    ::getrlimit(RLIMIT_AS, &limit);
    const rlim_t frei = limit.rlim_cur;
    limit.rlim_cur = grenze;
    ::setrlimit(RLIMIT_AS, &limit);
    w.RinglisteB().Choose(kLaden);
    limit.rlim_cur = frei;
    ::setrlimit(RLIMIT_AS, &limit);
    for (const std::string& m : host.Messages()) std::fputs(m.c_str(), stderr);
    const bool unveraendert = w.PListe == vorher;
    fs::remove_all(datei.parent_path());  // the fixture's TearDown does not run here
    std::_Exit(unveraendert ? 0 : 1);
}

// The sanitizer's shadow memory alone reserves terabytes of address space, so under an
// address-space limit it fails at once; the sanitizer build skips this test.
TEST_F(Polynomliste, MemoryThatRunsOutWhileLoadingIsThatFilesFailure) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#else
    // A 3 GiB file under 1.5 GiB of address space: once it took the program down with
    // "std::bad_alloc" and no word of the file.
    const fs::path riesig = LeereDatei(ordner / "riesig", kDreiGiB);
    EXPECT_EXIT(LadenMitWenigSpeicher(*w, host, riesig, rlim_t{3} << 29),
                ::testing::ExitedWithCode(0),
                "Die Polynomliste konnte nicht geladen werden. Die Liste bleibt, wie sie war."
                "\r\n\r\nDie Datei \"[^\"]*/riesig\" kann nicht gelesen werden: sie ist zu gro");

    // Within the limit, but with little address space left beyond what the process takes:
    // the file's text does not fit, or its entries do not. The list stays as it was either way.
    const fs::path nullen = LeereDatei(ordner / "nullen", std::uintmax_t{24} << 20);
    EXPECT_EXIT(
        LadenMitWenigSpeicher(*w, host, nullen, Adressraum() + (rlim_t{8} << 20)),
        ::testing::ExitedWithCode(0),
        "Die Datei \"[^\"]*/nullen\" kann nicht gelesen werden: nicht genug Arbeitsspeicher");
    std::string inhalt;
    for (int i = 1; inhalt.size() < (std::size_t{24} << 20); ++i) inhalt += "$" + std::to_string(i);
    const fs::path viele = ordner / "viele";
    Schreibe(viele, inhalt);
    EXPECT_EXIT(LadenMitWenigSpeicher(*w, host, viele, Adressraum() + (rlim_t{128} << 20)),
                ::testing::ExitedWithCode(0),
                "Die Polynomliste konnte nicht geladen werden.*F.r die Eintr.ge der Datei "
                "\"[^\"]*/viele\" reicht der Arbeitsspeicher nicht.");
#endif
}
