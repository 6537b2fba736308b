// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profile_setup.h"

#include "config/app_config.h"
#include "config/ini_store.h"
#include "config/ssh_host.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "resources/translate.h"
#include "text/text_scan.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace brxw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A whole integer: blanks, an optional sign, at least one digit, blanks, and nothing else.
// Numbers beyond the range of long clamp, which the range check then refuses.
std::optional<long> ParseInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const std::size_t digits = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i == digits) {
        return std::nullopt;
    }
    const std::size_t end = i;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return ScanLeadingLong(text.substr(start, end - start));
}

}  // namespace

std::string UnstorableMessage() {
    return TrAnsi("brxw::CSetupDlg",
                  "This text cannot be stored: it holds a line break or a NUL character.");
}

std::string QuotedPasswordTooLongMessage() {
    return TrPrintf("brxw::CSetupDlg",
                    QT_TRANSLATE_NOOP("brxw::CSetupDlg",
                                      "A password that begins or ends with a blank or "
                                      "a quote can have no more than %d characters."),
                    static_cast<int>(kSetupPasswordLimit - 2));
}

std::string TooLongMessage(std::size_t limit) {
    return TrPrintf(
        "brxw::CSetupDlg",
        QT_TRANSLATE_NOOP("brxw::CSetupDlg", "Please enter no more than %zu characters."), limit);
}

std::string HostNameBlankMessage() {
    return TrAnsi("brxw::CSetupDlg", "A host name or address cannot hold a blank.");
}

std::string NotAnIntegerMessage() {
    return TrAnsi("brxw::CSetupDlg", "Please enter an integer.");
}

std::string OutOfRangeMessage(int min, int max) {
    return TrPrintf(
        "brxw::CSetupDlg",
        QT_TRANSLATE_NOOP("brxw::CSetupDlg", "Please enter an integer between %d and %d."), min,
        max);
}

SetupFields FieldsFromProfile(const RemoteConfig& profile) {
    return SetupFields{profile.name,     profile.hostName, std::to_string(profile.port),
                       profile.callsign, profile.password, profile.autoConnect != 0,
                       profile.sshHost};
}

SetupValidation ValidateSetup(const SetupFields& fields) {
    SetupValidation result;
    auto fail = [&result](SetupField field, std::string message) {
        result.failed = field;
        result.message = std::move(message);
        return result;
    };
    struct TextCheck {
        SetupField field;
        const std::string& text;
        std::size_t limit;
    };
    const TextCheck texts[] = {
        {SetupField::Callsign, fields.callsign, kSetupCallsignLimit},
        {SetupField::Name, fields.name, kSetupNameLimit},
        {SetupField::HostName, fields.hostName, kSetupHostNameLimit},
        {SetupField::Password, fields.password, kSetupPasswordLimit},
    };
    for (const TextCheck& check : texts) {
        if (check.text.size() > check.limit) {
            return fail(check.field, TooLongMessage(check.limit));
        }
        if (!IniStore::CanStore(check.text)) {
            return fail(check.field, UnstorableMessage());
        }
        if (check.field == SetupField::HostName &&
            std::any_of(check.text.begin(), check.text.end(), IsBlank)) {
            return fail(check.field, HostNameBlankMessage());
        }
    }
    // Such a password is stored in quotes, and the quotes count against what one read gives
    // back (79 bytes): within that, every reader of the file, ours or Windows', returns it whole.
    if (IniStore::StoredForm(fields.password).size() > kSetupPasswordLimit) {
        return fail(SetupField::Password, QuotedPasswordTooLongMessage());
    }
    const std::optional<long> port = ParseInteger(fields.port);
    if (!port) {
        return fail(SetupField::Port, NotAnIntegerMessage());
    }
    if (*port < kSetupPortMin || *port > kSetupPortMax) {
        return fail(SetupField::Port, OutOfRangeMessage(kSetupPortMin, kSetupPortMax));
    }
    // Becomes arguments of ssh: only the plain form passes, never something read as an option.
    if (!fields.sshHost.empty() &&
        (fields.sshHost.size() > kRemoteSshHostLimit || !ParseSshHost(fields.sshHost))) {
        return fail(SetupField::SshHost, BadSshHostMessage(fields.sshHost));
    }
    result.profile.name = fields.name;
    result.profile.hostName = fields.hostName;
    result.profile.port = static_cast<int>(*port);
    result.profile.callsign = fields.callsign;
    result.profile.password = fields.password;
    result.profile.autoConnect = fields.autoConnect ? 1 : 0;
    result.profile.sshHost = fields.sshHost;
    return result;
}

SetupOutcome ApplySetup(AppConfig& config, int n, const RemoteConfig& edited,
                        int previousAutoConnect) {
    SetupOutcome outcome;
    if (!AppConfig::IsProfileNumber(n)) {
        outcome.profile = AppConfig::DefaultProfile(n);
        return outcome;
    }
    RemoteConfig saved = edited;
    saved.autoConnect = edited.autoConnect != 0 ? 1 : 0;
    outcome.saved = config.SaveProfile(n, saved);
    outcome.profile = config.LoadProfile(n);
    outcome.connectCommand = cmd::kConnectRemote0 + n;
    outcome.configCommand = cmd::kConfigRemote0 + n;
    outcome.itemText = outcome.profile.name;

    if (outcome.profile.autoConnect == 1 && previousAutoConnect == 0) {
        for (int m = 0; m < kRemoteConfigCount; ++m) {
            if (m == n) {
                continue;
            }
            if (config.LoadProfile(m).autoConnect != 0) {
                const bool ok =
                    config.WriteSetting(AppConfig::ProfileSection(m), "AutoConnect", "0");
                outcome.saved = ok && outcome.saved;
            }
            outcome.configChecks.push_back({cmd::kConfigRemote0 + m, false});
        }
    }
    outcome.configChecks.push_back({cmd::kConfigRemote0 + n, outcome.profile.autoConnect == 1});
    return outcome;
}

}  // namespace brxw
