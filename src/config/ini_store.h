// SPDX-License-Identifier: GPL-3.0-or-later
// IniStore: the INI file BrxW.ini, read and written as the Windows private-profile functions
// (GetPrivateProfileString, WritePrivateProfileString) do, so that files move freely between
// Windows and other systems and hand edits survive our writes.
//
// Owned by AppConfig (one per process); used from the UI thread only. There is no cache: every
// read reads the file and every write rewrites it, because several windows write their own keys.
// Text is bytes in the ANSI code page, never decoded.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace brxw {

// Section and key names match as Windows compares them: without regard to the case of ASCII
// letters and of the letters of Windows-1252.
bool NamesEqual(std::string_view a, std::string_view b);

class IniStore {
public:
    // The buffer size our callers read values with: 79 bytes of value at most.
    static constexpr std::size_t kValueBufferSize = 80;

    explicit IniStore(QString path);

    const QString& Path() const { return m_path; }

    // GetPrivateProfileString: the value of `key` in `section`, or `def` (with its trailing
    // spaces removed) when the file, the section or the key is missing. The result is cut to
    // bufferSize - 1 bytes, and at a NUL byte, as a C buffer would hold it.
    std::string Read(std::string_view section, std::string_view key, std::string_view def = {},
                     std::size_t bufferSize = kValueBufferSize) const;

    // True when `key` is present in `section` with a value, even an empty one.
    bool Has(std::string_view section, std::string_view key) const;

    // WritePrivateProfileString: sets `key` in `section` to `value`, written in its
    // StoredForm so that Read gives it back exactly (up to the buffer size). Returns false,
    // leaving the old file whole, when the file could not be read or replaced, or when the names
    // or the value cannot be stored as one line (an empty name, a line break or a NUL anywhere,
    // a ']' in the section name, a '=' in the key name, a key starting with ';' or '[').
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    // The same for several keys of one section, in order, with the file replaced once: all are
    // written or none.
    using KeyValue = std::pair<std::string_view, std::string_view>;
    bool WriteAll(std::string_view section, const std::vector<KeyValue>& values);
    // Why the last Write failed, naming the file: "Cannot write /path/BrxW.ini: Permission
    // denied." (the system's reason); empty after a Write that succeeded.
    const QString& LastWriteError() const { return m_lastWriteError; }
    // Why the file cannot be read, as "Cannot read /path/BrxW.ini: reason."; empty when it can
    // be read or does not exist (a missing file is the first start).
    QString ReadError() const;

    // What the file holds for `value`: the value as given, or, when reading would strip blanks
    // around it or a pair of matching quotes around it, the value in double quotes (reading
    // removes exactly that pair, here and on Windows).
    static std::string StoredForm(std::string_view value);
    // Whether a value can be written at all: a line break or a NUL cannot stand in one line.
    static bool CanStore(std::string_view value);

    // The parsing and editing on file contents in memory, shared by the methods above and open
    // to tests and fuzzers.
    //
    // The raw value of `key` in `section` of `contents`, blanks around it stripped and one pair
    // of matching quotes removed; a view into `contents`. Not cut to any buffer size.
    static std::optional<std::string_view> FindValue(std::string_view contents,
                                                     std::string_view section,
                                                     std::string_view key);
    // `contents` with `key` in `section` set to `value`; nullopt when the names or the value are
    // refused (see Write). Empty `contents` gives a new file with CR LF line ends.
    static std::optional<std::string> SetValue(std::string_view contents, std::string_view section,
                                               std::string_view key, std::string_view value);

private:
    // The whole file, nullopt when it does not exist; `readable` false when it exists but
    // cannot be read.
    std::optional<std::string> Load(bool& readable, QString* reason = nullptr) const;
    bool Fail(const QString& reason);

    QString m_path;
    QString m_lastWriteError;
};

}  // namespace brxw
