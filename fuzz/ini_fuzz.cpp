// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader and editor: BrxW.ini contents of any bytes, read and edited in memory as
// GetPrivateProfileString and WritePrivateProfileString do, and now and then through the file,
// with profiles loaded from it.
//
// Input: a selector byte, then section, key and value (each a length byte and its bytes), then
// the file contents.
// Properties: a write is refused exactly when the names or the value cannot stand in one line;
// an accepted key reads back exactly as written and writing it again changes nothing; every other
// key of the file reads as before; a value's stored form reads back as the value; through the
// file a value comes back cut to 79 bytes at its first NUL, and a profile loaded from any file
// keeps every field within its limit.
#include <QString>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "config/app_config.h"
#include "config/ini_store.h"
#include "fuzz_support.h"

namespace brxw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool HasBreak(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Sections and keys the contents seem to hold, found without the store's parser, plus the
// written pair and a key that is not there.
std::vector<std::pair<std::string, std::string>> Probes(std::string_view contents,
                                                        std::string_view section,
                                                        std::string_view key) {
    std::vector<std::pair<std::string, std::string>> probes = {
        {std::string(section), std::string(key)}, {std::string(section), "NoSuchKey"}};
    std::string current;
    std::size_t pos = 0;
    while (pos < contents.size() && probes.size() < 12) {
        std::size_t end = contents.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) {
            end = contents.size();
        }
        const std::string_view line = Trim(contents.substr(pos, end - pos));
        pos = end + 1;
        if (!line.empty() && line.front() == '[') {
            current = std::string(line.substr(1, line.find(']') - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            probes.emplace_back(current, std::string(line.substr(0, eq)));
        }
    }
    return probes;
}

std::optional<std::string> Find(std::string_view contents, const std::string& section,
                                const std::string& key) {
    const fuzz::ExactText exact(contents);
    const auto found = IniStore::FindValue(exact.View(), section, key);
    return found ? std::optional<std::string>(*found) : std::nullopt;
}

class IniFile {
public:
    IniFile() : m_scratch("ini"), m_file(m_scratch.Path() / "BrxW.ini") {}
    void Put(std::string_view contents) const {
        std::ofstream out(m_file, std::ios::binary | std::ios::trunc);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
    QString Path() const { return QString::fromStdString(m_file.string()); }
    std::size_t Entries() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(m_scratch.Path())) {
            ++n;
        }
        return n;
    }

private:
    fuzz::ScratchDirectory m_scratch;
    std::filesystem::path m_file;
};

void ThroughTheFile(std::string_view contents, const std::string& section, const std::string& key,
                    const std::string& value, bool accepted, int profileNumber) {
    static IniFile file;
    file.Put(contents);
    IniStore store(file.Path());
    const std::string before = store.Read(section, key, "default");
    FUZZ_CHECK(before.size() <= 79 && before.find('\0') == std::string::npos,
               "a read beyond 79 bytes or past a NUL");
    FUZZ_CHECK(store.Write(section, key, value) == accepted, "file write and edit disagree");
    if (accepted) {
        const std::string expected = value.substr(0, 79);
        FUZZ_CHECK(store.Read(section, key, "default") == expected,
                   "the file does not give back " + fuzz::Show(value));
    }
    FUZZ_CHECK(file.Entries() == 1, "a write left a temporary file behind");

    AppConfig config(file.Path());
    {
        const RemoteConfig profile = config.LoadProfile(profileNumber);
        FUZZ_CHECK(
            !profile.name.empty() && profile.name.size() <= kRemoteNameLimit &&
                !profile.hostName.empty() && profile.hostName.size() <= kRemoteHostNameLimit &&
                !profile.callsign.empty() && profile.callsign.size() <= kRemoteCallsignLimit &&
                !profile.password.empty() && profile.password.size() <= 79 &&
                (profile.autoConnect == 0 || profile.autoConnect == 1),
            "a profile field beyond its limit or empty");
    }
    FUZZ_CHECK(config.CurrentIndex() == -1, "loading profiles changed the current index");
}

}  // namespace
}  // namespace brxw

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brxw;
    fuzz::ByteReader in(data, size);
    const std::uint8_t selector = in.Byte();
    const std::string section(in.Piece());
    const std::string key(in.Piece());
    const std::string value(in.Piece());
    const fuzz::ExactText contents(in.Rest());

    const std::string_view s = Trim(section);
    const std::string_view k = Trim(key);
    const bool storable = !s.empty() && !k.empty() && !HasBreak(s) && !HasBreak(k) &&
                          !HasBreak(value) && s.find(']') == std::string_view::npos &&
                          k.find('=') == std::string_view::npos && k.front() != ';' &&
                          k.front() != '[';
    FUZZ_CHECK(IniStore::CanStore(value) == !HasBreak(value), "CanStore");
    if (IniStore::CanStore(value)) {
        const std::string file = "[S]\r\nK=" + IniStore::StoredForm(value) + "\r\n";
        FUZZ_CHECK(Find(file, "S", "K") == value,
                   "stored form does not read back: " + fuzz::Show(IniStore::StoredForm(value)));
    }

    const auto probes = Probes(contents.View(), section, key);
    std::vector<std::optional<std::string>> before;
    for (const auto& [ps, pk] : probes) {
        before.push_back(Find(contents.View(), ps, pk));
    }
    const std::optional<std::string> edited =
        IniStore::SetValue(contents.View(), section, key, value);
    FUZZ_CHECK(edited.has_value() == storable, "write of " +
                                                   fuzz::Show(section + "/" + key + "=" + value) +
                                                   (storable ? " refused" : " accepted"));
    if (edited) {
        FUZZ_CHECK(Find(*edited, section, key) == value,
                   "written value does not read back: " + fuzz::Show(value));
        for (std::size_t i = 0; i < probes.size(); ++i) {
            const auto& [ps, pk] = probes[i];
            const bool written = NamesEqual(Trim(ps), s) && NamesEqual(Trim(pk), k);
            FUZZ_CHECK(written || Find(*edited, ps, pk) == before[i],
                       "a write changed another key: " + fuzz::Show(ps + "/" + pk));
        }
        // Writing it again changes nothing, but for the line end that a rewritten last line
        // gains.
        const std::optional<std::string> again = IniStore::SetValue(*edited, section, key, value);
        FUZZ_CHECK(
            again && (*again == *edited || *again == *edited + "\r\n" || *again == *edited + "\n"),
            "writing the same value again changed the file");
    }
    // The file costs system calls: one input in 64 goes through it.
    if (selector % 64 == 0) {
        ThroughTheFile(contents.View(), section, key, value, storable, selector / 64);
    }
    return 0;
}
