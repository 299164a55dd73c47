#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "framework/Errors.h"
#include "framework/TextFiles.h"
#include "tests/support/Dateigrenze.h"

namespace {

namespace fs = std::filesystem;

class FrameworkTextFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(VEMTARIX_TEST_OUTPUT_DIR) /
               ("textfiles_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    FolderItem File(const std::string& name) const { return FolderItem{(dir_ / name).string()}; }
    static std::string Content(const FolderItem& f) {
        std::ifstream in(f.path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void Put(const FolderItem& f, const std::string& text) {
        std::ofstream(f.path, std::ios::binary) << text;
    }
    fs::path dir_;
};

TEST_F(FrameworkTextFiles, WrittenLinesReadBackUnchanged) {
    const FolderItem f = File("PDaten");
    auto out = TextOutputStream::Create(f);
    out->WriteLine("$x^2 - 1 $2x");
    out->WriteLine("Fläche");
    out->Close();
    EXPECT_EQ(Content(f), "$x^2 - 1 $2x\nFläche\n");
    auto in = TextInputStream::Open(f);
    EXPECT_EQ(in->ReadAll(), "$x^2 - 1 $2x\nFläche\n");
    in->Close();
}

TEST_F(FrameworkTextFiles, CreateReplacesTheFileOnlyOnClose) {
    const FolderItem f = File("liste");
    Put(f, "alt\n");
    {
        auto out = TextOutputStream::Create(f);
        out->WriteLine("neu");
        EXPECT_EQ(Content(f), "alt\n");  // nothing of the new content shows before Close
        // Dropped without Close: the old file stays.
    }
    EXPECT_EQ(Content(f), "alt\n");
    auto out = TextOutputStream::Create(f);
    out->WriteLine("neu");
    out->Close();
    EXPECT_EQ(Content(f), "neu\n");
}

TEST_F(FrameworkTextFiles, FailuresRaiseIOExceptionNamingTheFile) {
    const FolderItem folder{dir_.string()};
    EXPECT_THROW(TextOutputStream::Create(folder), IOException);
    EXPECT_THROW(TextInputStream::Open(folder), IOException);
    try {
        TextInputStream::Open(File("gibt-es-nicht"));
        FAIL() << "no error";
    } catch (const IOException& e) {
        EXPECT_NE(std::string(e.what()).find("gibt-es-nicht"), std::string::npos);
    }
}

TEST_F(FrameworkTextFiles, FailedSaveLeavesTheOldFileWhole) {
    // No file can be made beside this one (not even by root), so the save must fail instead
    // of writing the file in place.
    const FolderItem kernel{"/proc/version"};
    const std::string before = Content(kernel);
    EXPECT_THROW(TextOutputStream::Create(kernel), IOException);
    EXPECT_EQ(Content(kernel), before);
}

TEST_F(FrameworkTextFiles, FolderThatVanishesBeforeCloseIsAnError) {
    fs::create_directories(dir_ / "weg");
    const FolderItem f = File("weg/liste");
    auto out = TextOutputStream::Create(f);
    out->WriteLine("neu");
    fs::remove_all(dir_ / "weg");
    EXPECT_THROW(out->Close(), IOException);
    EXPECT_FALSE(fs::exists(f.path));
}

// In a child process: saves with the file size limit `grenze`; exits 0 with the error's text
// on stderr when the save fails, 1 when it claims success.
[[noreturn]] void SpeichernMitGrenze(const FolderItem& f, rlim_t grenze) {
    std::string fehler;
    {
        const Dateigrenze begrenzt(grenze);
        try {
            auto out = TextOutputStream::Create(f);
            out->WriteLine("$x  $x^2  $- 1  + x^3  ");
            out->Close();
        } catch (const IOException& e) {
            fehler = e.what();
        }
    }
    std::fputs(fehler.c_str(), stderr);
    std::_Exit(fehler.empty() ? 1 : 0);
}

// The kernel itself refuses the write, as on a full disk: a child process may write no byte
// beyond the file size limit (and ignores the signal that would otherwise end it).
TEST_F(FrameworkTextFiles, WriteRefusedByTheSystemKeepsTheOldFileByteForByte) {
    const FolderItem f = File("PDaten");
    const std::string alt = "$x  $x^2  \n$7";
    Put(f, alt);
    for (const rlim_t grenze : {rlim_t{0}, rlim_t{5}}) {
        EXPECT_EXIT(SpeichernMitGrenze(f, grenze), ::testing::ExitedWithCode(0),
                    "PDaten.* kann nicht geschrieben werden: die Datei w.*rde zu gro. werden")
            << "limit " << grenze;
        EXPECT_EQ(Content(f), alt);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
            << "a side file was left behind";
    }
}

// A device, a pipe or a folder is refused before anything is written; it stays what it was.
// Reading one is refused too (a pipe without a writer would wait forever).
TEST_F(FrameworkTextFiles, OnlyRegularFilesAreWrittenOrRead) {
    const FolderItem pipe = File("PDaten");
    ASSERT_EQ(::mkfifo(pipe.path.c_str(), 0600), 0);
    for (const FolderItem& ziel : {pipe, FolderItem{"/dev/null"}, FolderItem{dir_.string()}}) {
        for (const bool schreiben : {true, false}) {
            try {
                if (schreiben) {
                    TextOutputStream::Create(ziel)->WriteLine("$x  ");
                } else {
                    TextInputStream::Open(ziel);
                }
                ADD_FAILURE() << ziel.path << " was not refused";
            } catch (const IOException& e) {
                EXPECT_NE(std::string(e.what()).find("\"" + ziel.path + "\""), std::string::npos)
                    << e.what();
            }
        }
    }
    struct stat info {};
    ASSERT_EQ(::stat(pipe.path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// The message says why an open failed, in German, as the system tells it.
std::string Meldung(const FolderItem& f, bool schreiben) {
    try {
        if (schreiben) {
            TextOutputStream::Create(f);
        } else {
            TextInputStream::Open(f);
        }
    } catch (const IOException& e) {
        return e.what();
    }
    return "";
}

// In a child process without the rights of root: writes into and reads from `dir`, whose
// folder and file belong to root or forbid writing and reading; reports both messages.
[[noreturn]] void OhneRechte(const fs::path& dir) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
    const std::string meldungen = Meldung(FolderItem{(dir / "neu").string()}, true) + "\n" +
                                  Meldung(FolderItem{(dir / "geheim").string()}, false);
    std::fputs(meldungen.c_str(), stderr);
    std::_Exit(0);
}

TEST_F(FrameworkTextFiles, AFailedOpenNamesItsCause) {
    for (const bool schreiben : {true, false})
        EXPECT_NE(Meldung(File("fehlt/PDaten"), schreiben).find("nicht vorhanden"),
                  std::string::npos)
            << schreiben;

    Put(File("geheim"), "$x  ");
    fs::permissions(File("geheim").path, fs::perms::owner_write);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
    EXPECT_EXIT(OhneRechte(dir_), ::testing::ExitedWithCode(0),
                "neu\" kann nicht geschrieben werden: keine Berechtigung\n"
                ".*geheim\" kann nicht ge.ffnet werden: keine Berechtigung");
}

TEST_F(FrameworkTextFiles, UnreadableFileIsAnError) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const FolderItem f = File("liste");
    Put(f, "alt\n");
    fs::permissions(f.path, fs::perms::none);
    EXPECT_THROW(TextInputStream::Open(f), IOException);
}

// ---- Bounded reading ----

std::string Fehler(const std::function<void()>& tun) {
    try {
        tun();
    } catch (const IOException& e) {
        return e.what();
    }
    return "";
}

TEST_F(FrameworkTextFiles, ReadAllRefusesAFileBeyondItsLimitBeforeReadingIt) {
    const FolderItem f = File("PDaten");
    Put(f, "$x  $x^2  \n");  // 11 bytes
    auto in = TextInputStream::Open(f);
    EXPECT_EQ(Fehler([&] { in->ReadAll(10); }),
              "Die Datei \"" + f.path +
                  "\" kann nicht gelesen werden: sie ist zu groß (mehr als 10 Bytes)");
    EXPECT_EQ(in->ReadAll(11), "$x  $x^2  \n");  // nothing was read before the refusal

    // A sparse file of 3 GiB is refused at once; nothing of it is read or held.
    const FolderItem riesig = File("riesig");
    std::ofstream(riesig.path, std::ios::binary).close();
    fs::resize_file(riesig.path, std::uintmax_t{3} << 30);
    EXPECT_NE(Fehler([&] { TextInputStream::Open(riesig)->ReadAll(std::size_t{32} << 20); })
                  .find("\"" + riesig.path +
                        "\" kann nicht gelesen werden: sie ist zu groß "
                        "(mehr als 32 MiB)"),
              std::string::npos);
}

// Files of /proc report the size 0: reading goes on to the end, or stops right behind the limit
// (the page map of a process is as long as its whole address space).
TEST_F(FrameworkTextFiles, ReadingStopsAtTheLimitWhereTheSystemReportsAWrongSize) {
    const std::size_t mib = std::size_t{1} << 20;
    EXPECT_NE(TextInputStream::Open(FolderItem{"/proc/self/status"})->ReadAll(mib).find("Name:"),
              std::string::npos);
    EXPECT_EQ(
        Fehler([&] { TextInputStream::Open(FolderItem{"/proc/self/pagemap"})->ReadAll(mib); }),
        "Die Datei \"/proc/self/pagemap\" kann nicht gelesen werden: sie ist zu groß (mehr "
        "als 1 MiB)");
}

// ---- Reasons ----

// What a file that is used after Close says: no name of a function, only what the user can
// understand.
TEST_F(FrameworkTextFiles, UseAfterCloseIsExplainedInWords) {
    const FolderItem f = File("PDaten");
    auto out = TextOutputStream::Create(f);
    out->Close();
    auto in = TextInputStream::Open(f);
    in->Close();
    EXPECT_EQ(
        Fehler([&] { out->WriteLine("$x  "); }),
        "Die Datei \"" + f.path + "\" kann nicht geschrieben werden: sie ist schon geschlossen");
    EXPECT_EQ(Fehler([&] { in->ReadAll(); }),
              "Die Datei \"" + f.path + "\" kann nicht gelesen werden: sie ist nicht geöffnet");
}

// The failure of an open, kept to be read later.
std::exception_ptr Versuch(const FolderItem& f, bool schreiben) {
    try {
        if (schreiben) {
            TextOutputStream::Create(f);
        } else {
            TextInputStream::Open(f);
        }
    } catch (...) {
        return std::current_exception();
    }
    return nullptr;
}

std::string Text(const std::exception_ptr& fehler) {
    try {
        if (fehler) std::rethrow_exception(fehler);
    } catch (const IOException& e) {
        return e.what();
    }
    return "";
}

// In a child process: no descriptor is left to open a file with. The system says so, which
// has nothing to do with the room on the disk. The messages are read once descriptors are free
// again: the sanitizer's checks need one.
[[noreturn]] void OhneFreieDateien(const fs::path& dir) {
    const int frei = ::dup(0);
    ::close(frei);
    rlimit grenze{};
    ::getrlimit(RLIMIT_NOFILE, &grenze);
    const rlim_t vorher = grenze.rlim_cur;
    grenze.rlim_cur = static_cast<rlim_t>(frei);
    if (::setrlimit(RLIMIT_NOFILE, &grenze) != 0) std::_Exit(2);
    const std::exception_ptr schreiben = Versuch(FolderItem{(dir / "neu").string()}, true);
    const std::exception_ptr lesen = Versuch(FolderItem{(dir / "alt").string()}, false);
    grenze.rlim_cur = vorher;
    ::setrlimit(RLIMIT_NOFILE, &grenze);
    const std::string meldungen = Text(schreiben) + "\n" + Text(lesen);
    std::fputs(meldungen.c_str(), stderr);
    std::_Exit(0);
}

// In a child process that keeps root as its real user but works as another one: the rights of
// the one that works count. Writes into a folder of root that only root may write, replaces a
// file nobody may write in a folder anybody may, and reads a file that only root may write.
[[noreturn]] void AlsAndererBenutzer(const fs::path& dir) {
    if (::setresuid(0, 65534, 0) != 0) std::_Exit(2);
    const std::string meldungen = Meldung(FolderItem{(dir / "zu/neu").string()}, true) + "\n" +
                                  Meldung(FolderItem{(dir / "offen/fest").string()}, true) + "\n" +
                                  Meldung(FolderItem{(dir / "offen/geheim").string()}, false);
    std::fputs(meldungen.c_str(), stderr);
    std::_Exit(0);
}

TEST_F(FrameworkTextFiles, AReasonIsTheOneTheFailedCallGave) {
    Put(File("alt"), "$x  ");
    EXPECT_EXIT(OhneFreieDateien(dir_), ::testing::ExitedWithCode(0),
                "neu\" kann nicht geschrieben werden: zu viele offene Dateien\n"
                ".*alt\" kann nicht ge.ffnet werden: zu viele offene Dateien");

    if (::geteuid() != 0) GTEST_SKIP() << "only root can work as another user";
    fs::create_directories(dir_ / "zu");
    fs::permissions(dir_ / "zu", fs::perms::owner_all | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read |
                                     fs::perms::others_exec);
    fs::create_directories(dir_ / "offen");
    fs::permissions(dir_ / "offen", fs::perms::all);
    Put(File("offen/fest"), "$x  ");
    fs::permissions(File("offen/fest").path,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Put(File("offen/geheim"), "$x  ");
    fs::permissions(File("offen/geheim").path, fs::perms::owner_write);
    EXPECT_EXIT(AlsAndererBenutzer(dir_), ::testing::ExitedWithCode(0),
                "zu/neu\" kann nicht geschrieben werden: keine Berechtigung\n"
                ".*offen/fest\" kann nicht geschrieben werden: keine Berechtigung\n"
                ".*offen/geheim\" kann nicht ge.ffnet werden: keine Berechtigung");
    EXPECT_EQ(Content(File("offen/fest")), "$x  ");
}

// ---- What a replacement keeps ----

TEST_F(FrameworkTextFiles, AReplacedFileKeepsItsPermissionsAndItsLink) {
    const FolderItem f = File("PDaten");
    Put(f, "alt\n");
    fs::permissions(f.path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const FolderItem link = File("verweis");
    fs::create_symlink(f.path, link.path);
    auto out = TextOutputStream::Create(link);
    out->WriteLine("neu");
    out->Close();
    EXPECT_TRUE(fs::is_symlink(link.path));
    EXPECT_EQ(Content(f), "neu\n");
    EXPECT_EQ(fs::status(f.path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

}  // namespace
