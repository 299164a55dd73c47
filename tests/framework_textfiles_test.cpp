#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/Errors.h"
#include "framework/TextFiles.h"

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

TEST_F(FrameworkTextFiles, UnreadableFileIsAnError) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    const FolderItem f = File("liste");
    Put(f, "alt\n");
    fs::permissions(f.path, fs::perms::none);
    EXPECT_THROW(TextInputStream::Open(f), IOException);
}

}  // namespace
