// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/app_config.h"

#include "config/password_store.h"
#include "resources/translate.h"
#include "text/charset.h"
#include "text/text_scan.h"

#include <QFileInfo>
#include <utility>

namespace brxw {
namespace {

std::string Cut(std::string text, std::size_t limit) {
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

}  // namespace

AppConfig::AppConfig(QString iniPath) : m_store(std::move(iniPath)) {}

std::string AppConfig::ProfileSection(int n) {
    return "Remote " + std::to_string(n);
}

bool AppConfig::ReadText(std::string_view section, std::string_view key, std::string& dest) const {
    std::string value = m_store.Read(section, key);
    if (value.empty()) {
        return false;
    }
    dest = std::move(value);
    return true;
}

int AppConfig::ReadInt(std::string_view section, std::string_view key, int def) const {
    const std::string value = m_store.Read(section, key);
    return value.empty() ? def : ScanLeadingInt(value);
}

int AppConfig::ReadProfileInt(std::string_view key, int def) const {
    if (!IsProfileNumber(m_currentIndex)) {
        return def;
    }
    return ReadInt(ProfileSection(m_currentIndex), key, def);
}

bool AppConfig::ReadProfileText(std::string_view key, std::string& dest) const {
    return IsProfileNumber(m_currentIndex) && ReadText(ProfileSection(m_currentIndex), key, dest);
}

bool AppConfig::Write(std::string_view section, std::string_view key, std::string_view text) {
    return Reported(m_store.Write(section, key, text));
}

bool AppConfig::WriteSettings(std::string_view section,
                              const std::vector<IniStore::KeyValue>& values) {
    return Reported(m_store.WriteAll(section, values));
}

bool AppConfig::Reported(bool written) {
    if (written) {
        m_lastFailure.clear();
        return true;
    }
    const QString& message = m_store.LastWriteError();
    const bool repeated = message == m_lastFailure;
    m_lastFailure = message;
    if (m_onFailure) {
        m_onFailure(message, repeated);
    }
    return false;
}

bool AppConfig::CheckReadable() {
    const QString error = m_store.ReadError();
    if (error.isEmpty()) {
        return true;
    }
    if (m_onFailure) {
        m_onFailure(Tr("brxw::AppConfig",
                       "%1 Every profile shows its defaults, none connects "
                       "by itself, and no setting can be saved.")
                        .arg(error),
                    false);
    }
    return false;
}

bool AppConfig::WriteProfileText(std::string_view key, std::string_view text) {
    return IsProfileNumber(m_currentIndex) && Write(ProfileSection(m_currentIndex), key, text);
}

bool AppConfig::ReadSetting(std::string_view section, std::string_view key,
                            std::string& dest) const {
    return ReadText(section, key, dest);
}

bool AppConfig::WriteSetting(std::string_view section, std::string_view key,
                             std::string_view text) {
    return Write(section, key, text);
}

RemoteConfig AppConfig::DefaultProfile(int n) {
    RemoteConfig config;
    config.name = ProfileSection(n);
    config.hostName = kDefaultHostName;
    config.port = kDefaultRemotePort;
    config.autoConnect = 0;
    config.callsign = kDefaultCallsign;
    config.password = kDefaultPassword;
    return config;
}

// Reads section n directly: the same as selecting it as the current index for the call and
// restoring the index afterwards, without the index ever changing.
RemoteConfig AppConfig::LoadProfile(int n) const {
    RemoteConfig config = DefaultProfile(n);
    if (!IsProfileNumber(n)) {
        return config;
    }
    const std::string section = ProfileSection(n);
    ReadText(section, "Name", config.name);
    ReadText(section, "Host Name", config.hostName);
    ReadText(section, "Callsign", config.callsign);
    ReadText(section, "Password", config.password);
    ReadText(section, kSshHostKey, config.sshHost);
    config.name = Cut(std::move(config.name), kRemoteNameLimit);
    config.hostName = Cut(std::move(config.hostName), kRemoteHostNameLimit);
    config.callsign = Cut(std::move(config.callsign), kRemoteCallsignLimit);
    config.password = Cut(std::move(config.password), kRemotePasswordLimit);

    const int port = ReadInt(section, "Port", kDefaultRemotePort);
    // Kept as written, even when TCP cannot have it: the connection then refuses it with a
    // message the operator can act on, rather than quietly reaching another port.
    config.port = port;
    config.autoConnect = ReadInt(section, "AutoConnect", 0) != 0 ? 1 : 0;
    // The keyring holds the password then: the default one must not stand in for it.
    config.passwordInKeyring = ReadInt(section, kPasswordInKeyringKey, 0) != 0;
    if (config.passwordInKeyring) {
        config.password.clear();
    }
    return config;
}

bool AppConfig::SaveProfile(int n, const RemoteConfig& config) {
    if (!IsProfileNumber(n)) {
        return false;
    }
    const std::string section = ProfileSection(n);
    const std::string port = std::to_string(config.port);
    const std::string autoConnect = std::to_string(config.autoConnect);
    std::vector<IniStore::KeyValue> values{{"Name", config.name},
                                           {"Host Name", config.hostName},
                                           {"Callsign", config.callsign},
                                           {"Password", config.password},
                                           {"Port", port},
                                           {"AutoConnect", autoConnect}};
    // Written only once a tunnel was ever set, so that a profile without one keeps the keys
    // it always had.
    if (!config.sshHost.empty() || m_store.Has(section, kSshHostKey)) {
        values.emplace_back(kSshHostKey, config.sshHost);
    }
    // One replacement of the file (each waits for the disk) ...
    if (m_store.WriteAll(section, values)) {
        return Reported(true);
    }
    // ... and when that is refused, every key attempted on its own, so that one value that
    // cannot be stored does not lose the others.
    bool ok = true;
    for (const auto& [key, value] : values) {
        ok = Write(section, key, value) && ok;
    }
    return ok;
}

QString KeyringEntry(const AppConfig& config, int n) {
    return QFileInfo(config.Store().Path()).absoluteFilePath() + QStringLiteral(" [") +
           QString::fromStdString(AppConfig::ProfileSection(n)) + QStringLiteral("]");
}

QString KeyringLabel(const AppConfig& config, int n) {
    const RemoteConfig profile = config.LoadProfile(n);
    return QStringLiteral("brxW: %1 (%2:%3)")
        .arg(AnsiToQString(profile.name), AnsiToQString(profile.hostName))
        .arg(profile.port);
}

ProfileCodePages AppConfig::LoadCodePages(int n) const {
    ProfileCodePages pages;
    if (!IsProfileNumber(n)) {
        return pages;
    }
    const std::string section = ProfileSection(n);
    const auto oem = CodePageFromNumber(ReadInt(section, kOemCodePageKey, 0));
    if (oem && IsDosCodePage(*oem)) {
        pages.oem = *oem;
    }
    const auto ansi = CodePageFromNumber(ReadInt(section, kAnsiCodePageKey, 0));
    if (ansi && !IsDosCodePage(*ansi)) {
        pages.ansi = *ansi;
    }
    return pages;
}

bool AppConfig::SaveCodePages(int n, ProfileCodePages pages) {
    if (!IsProfileNumber(n)) {
        return false;
    }
    const std::string section = ProfileSection(n);
    const bool oem = Write(section, kOemCodePageKey, std::to_string(CodePageNumber(pages.oem)));
    return Write(section, kAnsiCodePageKey, std::to_string(CodePageNumber(pages.ansi))) && oem;
}

}  // namespace brxw
