// SPDX-License-Identifier: GPL-3.0-or-later
// AppConfig: the application object's configuration part: the INI file and the current
// configuration index, with the accessors through which every other part reads and writes
// BrxW.ini. The application object owns the one instance; UI thread only.
//
// Per-profile accessors use the section "Remote %d" of the current index. While no profile is
// selected (the index is -1 until the first connect, or any value outside 0..3) they read
// nothing and write nothing, so no stray "[Remote -1]" section is ever created.
#pragma once

#include "config/ini_store.h"
#include "config/remote_config.h"
#include "text/code_page.h"

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace brxw {

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kOemCodePageKey = "OemCodePage";
inline constexpr std::string_view kAnsiCodePageKey = "AnsiCodePage";

// The code pages of one connection profile: the DOS page the server's text is in while the DOS
// charset is chosen, and the Windows page the program keeps and shows text in (which is also
// the server's while the ANSI charset is chosen). 437 and 1252 unless the profile says others.
struct ProfileCodePages {
    CodePage oem = CodePage::k437;
    CodePage ansi = CodePage::k1252;
    friend bool operator==(const ProfileCodePages&, const ProfileCodePages&) = default;
};

class AppConfig {
public:
    explicit AppConfig(QString iniPath);

    IniStore& Store() { return m_store; }
    const IniStore& Store() const { return m_store; }

    int CurrentIndex() const { return m_currentIndex; }
    void SetCurrentIndex(int index) { m_currentIndex = index; }

    // "Remote %d" for n.
    static std::string ProfileSection(int n);
    static bool IsProfileNumber(int n) { return n >= 0 && n < kRemoteConfigCount; }

    // The value's decimal number as atol reads it (0 when it has no leading digits) when at
    // least one character was read; `def` otherwise.
    int ReadProfileInt(std::string_view key, int def) const;
    // Up to 79 characters into `dest`; true only when at least one was read. `dest` is left as
    // it was when false, so a caller may preset its default.
    bool ReadProfileText(std::string_view key, std::string& dest) const;
    // False when nothing was written (no profile selected, or the write failed).
    bool WriteProfileText(std::string_view key, std::string_view text);

    // As ReadProfileText / WriteProfileText, in a named section.
    bool ReadSetting(std::string_view section, std::string_view key, std::string& dest) const;
    bool WriteSetting(std::string_view section, std::string_view key, std::string_view text);
    // Several keys of one section in one replacement of the file (see IniStore::WriteAll).
    bool WriteSettings(std::string_view section, const std::vector<IniStore::KeyValue>& values);

    // Profile n with every default applied for keys absent or empty, each field cut to its
    // limit. The current index is left as it was. A number outside 0..3 gives the defaults
    // without reading the file.
    RemoteConfig LoadProfile(int n) const;
    // Writes Name, Host Name, Callsign, Password, Port and AutoConnect, in that order. True when
    // all six were written; a number outside 0..3 writes nothing and gives false.
    bool SaveProfile(int n, const RemoteConfig& config);

    // "OemCodePage" and "AnsiCodePage" of profile n; an absent key, or a number that is not a
    // page of its kind, gives the default.
    ProfileCodePages LoadCodePages(int n) const;
    // Writes both keys; false when not both were written or n is no profile number.
    bool SaveCodePages(int n, ProfileCodePages pages);

    // The profile with nothing read: what LoadProfile(n) gives without a file.
    static RemoteConfig DefaultProfile(int n);

    // Told of every write that failed, with the store's message (path and reason). `repeated`
    // is true while the same message was already told and no write has succeeded since, so
    // that a read-only file is announced once and then only noted.
    using FailureHandler = std::function<void(const QString& message, bool repeated)>;
    void SetFailureHandler(FailureHandler handler) { m_onFailure = std::move(handler); }
    // Tells the handler when the file exists but cannot be read (everything then reads as the
    // defaults and nothing can be written); true when it can be read or does not exist.
    bool CheckReadable();

private:
    bool Write(std::string_view section, std::string_view key, std::string_view text);
    bool Reported(bool written);
    bool ReadText(std::string_view section, std::string_view key, std::string& dest) const;
    int ReadInt(std::string_view section, std::string_view key, int def) const;

    IniStore m_store;
    int m_currentIndex = -1;
    FailureHandler m_onFailure;
    QString m_lastFailure;
};

}  // namespace brxw
