// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_store.h"
#include "config/ini_location.h"

#include "config/config_test_support.h"
#include "text/charset.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <csignal>
#include <vector>

namespace brxw {
namespace {

using test::IniData;
using test::ReadBytes;
using test::WriteBytes;

constexpr const char* kDef = "<default>";

struct ReadCase {
    const char* file;
    const char* section;
    const char* key;
    std::string expected;
};

class IniReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsAsWindowsDoes) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniStore(IniData(c.file)).Read(c.section, c.key, kDef), c.expected)
        << c.file << " [" << c.section << "] " << c.key;
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniReadTest,
    testing::Values(
        ReadCase{"read_lf.ini", "Settings", "Font_Name", "Courier new"},
        ReadCase{"read_lf.ini", " settings ", " FONT_NAME ", "Courier new"},
        ReadCase{"read_lf.ini", "Settings", "OnlyInSecond", kDef},  // first section only
        ReadCase{"read_lf.ini", "Settings", "Tabbed", "value with tabs"},
        ReadCase{"read_lf.ini", "Settings", "Vertical", "vt"},
        ReadCase{"read_lf.ini", "Settings", "Quoted", "  kept inside  "},
        ReadCase{"read_lf.ini", "Settings", "Single", "single"},
        ReadCase{"read_lf.ini", "Settings", "Padded", "quoted after blanks"},
        ReadCase{"read_lf.ini", "Settings", "Mixed", "\"mixed'"},
        ReadCase{"read_lf.ini", "Settings", "Unmatched", "\"open"},
        ReadCase{"read_lf.ini", "Settings", "LoneQuote", "\""},
        ReadCase{"read_lf.ini", "Settings", "EmptyQuotes", ""},
        ReadCase{"read_lf.ini", "Settings", "Semicolon", ";not a comment"},
        ReadCase{"read_lf.ini", "Settings", "Commented", kDef},
        ReadCase{"read_lf.ini", "Settings", "Empty", ""},
        ReadCase{"read_lf.ini", "Settings", "NoEquals", kDef},
        ReadCase{"read_lf.ini", "Settings", "case", "First"},
        ReadCase{"read_lf.ini", "Remote 0", "Name", "ABCDEFGHIJKLMNOPQRST"},
        ReadCase{"read_lf.ini", "Remote 0", "Long", std::string(79, 'x')},
        ReadCase{"read_lf.ini", "Remote 0", "Missing", kDef},
        ReadCase{"read_lf.ini", "Remote 9", "Name", kDef},
        ReadCase{"read_lf.ini", "Remote 1", "Port", "-12x"},
        ReadCase{"read_lf.ini", "a[b", "Inner", "bracket"},
        ReadCase{"read_lf.ini", "A", "KEY", "name ends at the first bracket"},
        ReadCase{"read_lf.ini", "a]b", "Key", kDef},
        ReadCase{"read_lf.ini", "GR\xDCSSE", "\xC4RGER", "folded"},
        ReadCase{"read_lf.ini", "Unclosed", "Key", "in unclosed section"},
        ReadCase{"read_crlf.ini", "remote 1", "host name", "bbs.example.org"},
        ReadCase{"bom.ini", "Remote 0", "Name", kDef},  // the mark spoils the first line
        ReadCase{"bom.ini", "Settings", "AnsiChar", "1"},
        ReadCase{"no_such_file.ini", "Settings", "AnsiChar", kDef}));

TEST(IniStoreTest, BufferSizeDefaultAndPresence) {
    const IniStore store(IniData("read_lf.ini"));
    EXPECT_EQ(store.Read("Settings", "Font_Name", "", 5), "Cour");
    EXPECT_EQ(store.Read("Settings", "Font_Name", "", 0), "");
    EXPECT_EQ(store.Read("Settings", "Missing", "dflt  "), "dflt");
    EXPECT_TRUE(store.Has("Settings", "Empty"));
    EXPECT_FALSE(store.Has("Settings", "NoEquals"));
    EXPECT_FALSE(store.Has("Settings", "Missing"));
}

struct EditCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    std::string value;
    std::string after;
};

class IniEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(IniEditTest, ChangesOnlyTheOneLine) {
    const EditCase& c = GetParam();
    EXPECT_EQ(IniStore::SetValue(c.before, c.section, c.key, c.value), c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniEditTest,
    testing::Values(
        EditCase{"new file", "", "S", "K", "v", "[S]\r\nK=v\r\n"},
        EditCase{"key keeps spelling", "[S]\r\n  KEY = old\r\nB=2\r\n", "s", "key", "new",
                 "[S]\r\nKEY=new\r\nB=2\r\n"},
        EditCase{"after last key", "[S]\nA=1\n; c\nB=2\n\n; tail\n[T]\nX=1\n", "S", "C", "3",
                 "[S]\nA=1\n; c\nB=2\nC=3\n\n; tail\n[T]\nX=1\n"},
        EditCase{"keyless section", "[S]\n\n[T]\n", "S", "A", "1", "[S]\nA=1\n\n[T]\n"},
        EditCase{"new section", "[S]\nA=1\n", " New Sec ", " Key ", " \"v\" ",
                 "[S]\nA=1\n[New Sec]\nKey=\" \"v\" \"\n"},
        EditCase{"unended last line", "[S]\nA=1", "S", "B", "2", "[S]\nA=1\nB=2"},
        EditCase{"unended, new section", "[S]\r\nA=1\r", "T", "K", "v",
                 "[S]\r\nA=1\r\n[T]\r\nK=v\r\n"},
        EditCase{"line ends per line", "[S]\nA=1\r\nB=2\n[T]\r\n", "S", "C", "x",
                 "[S]\nA=1\r\nB=2\nC=x\n[T]\r\n"},
        EditCase{"first section, first key", "[S]\nA=1\nA=3\n[s]\nA=2\n", "S", "A", "9",
                 "[S]\nA=9\nA=3\n[s]\nA=2\n"},
        EditCase{"key without value", "[S]\nA\n", "S", "A", "1", "[S]\nA=1\n"},
        // Notepad leaves the last line unended; Windows ends it when it rewrites it.
        EditCase{"rewritten unended last line", "[S]\nA=1", "S", "A", "2", "[S]\nA=2\r\n"},
        EditCase{"rewritten last line with a stray CR", "[S]\nA=1\r", "S", "A", "2",
                 "[S]\nA=2\r\n"},
        // A lone CR before a section line ends the line; the section is found.
        EditCase{"lone CR before a section", "[S]\nA=1\r [T]\nB=1\n", "T", "B", "2",
                 "[S]\nA=1\r [T]\nB=2\n"},
        EditCase{"key before a lone CR", "[S]\nA=1\r[T]\n", "S", "A", "2", "[S]\nA=2\r[T]\n"},
        EditCase{"marked first line", "\xEF\xBB\xBF[S]\r\nA=1\r\n", "S", "A", "2",
                 "\xEF\xBB\xBF[S]\r\nA=1\r\n[S]\r\nA=2\r\n"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Every value that can be one line reads back exactly as it was written, whatever its bytes:
// blanks and quotes around it are kept by writing it in quotes. Line breaks and NUL cannot be
// held at all and are refused.
TEST(IniStoreTest, EveryStorableValueReadsBackExactly) {
    std::string contents = "[S]\r\nK=old\r\n";
    std::size_t checked = 0;
    for (int code = 0; code < 256; ++code) {
        const char b = static_cast<char>(code);
        const std::string values[] = {{b},
                                      {b, b},
                                      std::string(" ") + b,
                                      std::string(1, b) + "\t",
                                      std::string("\"") + b + "\"",
                                      std::string("'") + b + "'",
                                      std::string("\v\"") + b + "' ",
                                      std::string(1, b) + "=;[x]" + b};
        for (const std::string& value : values) {
            const auto edited = IniStore::SetValue(contents, "S", "K", value);
            if (b == '\r' || b == '\n' || b == '\0') {
                EXPECT_FALSE(edited) << code;
                continue;
            }
            ASSERT_TRUE(edited) << code << " [" << value << "]";
            contents = *edited;
            const auto found = IniStore::FindValue(contents, "S", "K");
            ASSERT_TRUE(found) << code;
            EXPECT_EQ(*found, value) << code;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 253u * 8u);

    // Through the file and the 80-byte buffer as a login reads it.
    QTemporaryDir dir;
    IniStore store(dir.filePath("BrxW.ini"));
    const std::string passwords[] = {
        " pass word ",        "\"quoted\"", "'x'", "\t", "\"", " " + std::string(77, 'p'),
        std::string(79, '\'')};
    for (const std::string& value : passwords) {
        ASSERT_TRUE(store.Write("Remote 0", "Password", value));
        EXPECT_EQ(store.Read("Remote 0", "Password"), value);
    }
    EXPECT_EQ(IniStore::StoredForm("plain value"), "plain value");
    EXPECT_EQ(IniStore::StoredForm("\"a'"), "\"a'");
    EXPECT_EQ(IniStore::StoredForm(" a"), "\" a\"");
}

// Section and key names match as Windows matches them: the letters of Windows-1252 without
// regard to case, every other byte only itself.
TEST(IniStoreTest, NamesMatchWithoutCaseForWindows1252Letters) {
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const QString ua = AnsiToQString(std::string(1, static_cast<char>(a)));
            const QString ub = AnsiToQString(std::string(1, static_cast<char>(b)));
            const bool same = a == b || ua.toLower() == ub.toLower();
            ASSERT_EQ(NamesEqual(std::string(1, static_cast<char>(a)),
                                 std::string(1, static_cast<char>(b))),
                      same)
                << a << " " << b;
        }
    }
}

// Names or values that would not read back as the one key written.
TEST(IniStoreTest, RefusesWhatCannotBeOneLine) {
    const std::string nul("a\0b", 3);
    const std::vector<std::array<std::string, 3>> refused = {
        {"S", "K", "a\nb"}, {"S", "K", "a\r"}, {"S", "K", nul},  {"S", "K=x", "v"},
        {"S]", "K", "v"},   {"", "K", "v"},    {"S", "  ", "v"}, {"S", ";K", "v"}};
    QTemporaryDir dir;
    const QString path = dir.filePath("BrxW.ini");
    ASSERT_TRUE(WriteBytes(path, "[S]\nK=old\n"));
    IniStore store(path);
    for (const auto& [section, key, value] : refused) {
        EXPECT_FALSE(store.Write(section, key, value)) << section << "/" << key;
    }
    EXPECT_EQ(ReadBytes(path), "[S]\nK=old\n");
    // Several keys written together are all written or none: one refused leaves the file.
    EXPECT_FALSE(store.WriteAll("S", {{"K", "new"}, {"L", "a\nb"}}));
    EXPECT_EQ(ReadBytes(path), "[S]\nK=old\n");
    ASSERT_TRUE(store.WriteAll("S", {{"K", "new"}, {"L", "2"}}));
    EXPECT_EQ(ReadBytes(path), "[S]\nK=new\nL=2\n");
}

TEST(IniStoreTest, WriteKeepsHandEditedLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("BrxW.ini");
    ASSERT_TRUE(QFile::copy(IniData("edit_crlf.ini"), path));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    IniStore store(path);
    ASSERT_TRUE(store.Write("remote 0", "NAME", "Away"));
    ASSERT_TRUE(store.Write("Remote 0", "Callsign", "QA1ABC"));
    ASSERT_TRUE(store.Write("Remote 1", "Port", "6300"));
    EXPECT_EQ(ReadBytes(path),
              "; BrxW settings, edited by hand\r\n\r\n[Remote 0]\r\nName=Away\r\n; the old port\r\n"
              "Unknown Key = keep me \r\nPort=3286\r\nCallsign=QA1ABC\r\n\r\n"
              "; trailing comment of Remote 0\r\n[Other]\r\nFoo=bar\r\n"
              "[Remote 1]\r\nPort=6300\r\n");
    EXPECT_EQ(store.Read("Remote 0", "Unknown key"), "keep me");
}

TEST(IniStoreTest, NewFileHasCrLfAndIsOwnerOnly) {
    QTemporaryDir dir;
    IniStore created(dir.filePath("new.ini"));
    ASSERT_TRUE(created.Write("Remote 0", "Password", "secret"));
    EXPECT_EQ(ReadBytes(created.Path()), "[Remote 0]\r\nPassword=secret\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(created.Path().toLocal8Bit().constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(IniStoreTest, FailedWriteReportsFailureAndLeavesOldFile) {
    QTemporaryDir dir;
    IniStore isDir(dir.path());
    EXPECT_FALSE(isDir.Write("S", "K", "v"));
    EXPECT_EQ(isDir.Read("S", "K", "d"), "d");
    EXPECT_FALSE(IniStore(dir.filePath("missing/BrxW.ini")).Write("S", "K", "v"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing")));

    // A full disk, as the kernel reports it when a file outgrows its size limit.
    const QString path = dir.filePath("BrxW.ini");
    const std::string old = "[S]\r\nK=old\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = IniStore(path).Write("S", "K", std::string(500, 'y'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"BrxW.ini"});

    if (::geteuid() != 0) {  // root writes into read-only folders and reads anything
        ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0), 0);
        EXPECT_FALSE(IniStore(path).Write("S", "K", "new"));  // would lose the unread lines
        ASSERT_EQ(::chmod(path.toLocal8Bit().constData(), 0600), 0);
        ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0500), 0);
        EXPECT_FALSE(IniStore(path).Write("S", "K", "new"));
        ::chmod(dir.path().toLocal8Bit().constData(), 0700);
        EXPECT_EQ(ReadBytes(path), old);
    }
}

// The first start on Windows: a BrxW.ini left in the VirtualStore (or the Windows directory)
// by an earlier installation is copied to the new place, never moved or changed, and is read
// there exactly as it was; a file already in the new place is never replaced.
TEST(IniStoreTest, EarlierIniIsCopiedNotMovedAndReadExactly) {
    QTemporaryDir dir;
    const QString store = dir.filePath("VirtualStore/Windows/BrxW.ini");
    const QString windows = dir.filePath("Windows/BrxW.ini");
    const QString target = dir.filePath("AppData/Roaming/brxW/BrxW.ini");
    ASSERT_TRUE(QDir().mkpath(dir.filePath("VirtualStore/Windows")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Windows")));
    const std::string bytes =
        "[Remote 0]\r\nName=GB7XYZ\r\nAddress=bbs.example\r\nPort=6300\r\n"
        "[Panel]\r\nTitle=Stra\xdf"
        "e\r\n";
    ASSERT_TRUE(WriteBytes(store, bytes));
    ASSERT_TRUE(WriteBytes(windows, "[Remote 0]\r\nName=OLDER\r\n"));
    const QDateTime stamp = QFileInfo(store).lastModified();

    const QStringList earlier{dir.filePath("missing/BrxW.ini"), store, windows};
    const IniAdoption adoption = AdoptEarlierIni(target, earlier);
    EXPECT_EQ(adoption.source, store);
    EXPECT_TRUE(adoption.failure.isEmpty()) << adoption.failure.toStdString();
    EXPECT_EQ(ReadBytes(target), bytes);
    EXPECT_EQ(ReadBytes(store), bytes);
    EXPECT_EQ(QFileInfo(store).lastModified(), stamp);
    EXPECT_EQ(QFileInfo(target).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions());
    const IniStore ini(target);
    EXPECT_EQ(ini.Read("Remote 0", "Name"), "GB7XYZ");
    EXPECT_EQ(ini.Read("Remote 0", "Port"), "6300");
    EXPECT_EQ(ini.Read("Panel", "Title"),
              "Stra\xdf"
              "e");

    // Later starts keep the file they find, however it was changed since.
    ASSERT_TRUE(WriteBytes(target, "[Remote 0]\r\nName=NEW\r\n"));
    EXPECT_TRUE(AdoptEarlierIni(target, earlier).source.isEmpty());
    EXPECT_EQ(ReadBytes(target), "[Remote 0]\r\nName=NEW\r\n");

    // The Windows directory is the second place; no earlier file at all leaves nothing behind.
    const QString second = dir.filePath("second/BrxW.ini");
    EXPECT_EQ(AdoptEarlierIni(second, {store + "x", windows}).source, windows);
    EXPECT_EQ(ReadBytes(second), "[Remote 0]\r\nName=OLDER\r\n");
    const QString none = dir.filePath("none/BrxW.ini");
    EXPECT_TRUE(AdoptEarlierIni(none, {store + "x"}).source.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(none));
}

}  // namespace
}  // namespace brxw
