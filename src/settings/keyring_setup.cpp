// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/keyring_setup.h"

#include "config/app_config.h"
#include "config/password_store.h"
#include "config/remote_config.h"
#include "resources/translate.h"

#include <utility>

namespace brxw {
namespace {

QString WriteFailed() {
    return Tr("brxw::KeyringSetup", "The changes could not be written to %1.");
}

}  // namespace

void ApplyKeyringChoice(AppConfig& config, PasswordStore& store, int n, bool wasKept, bool keep,
                        const std::string& typed, KeyringChoiceDone done) {
    if (!AppConfig::IsProfileNumber(n)) {
        done({});
        return;
    }
    const QString entry = KeyringEntry(config, n);
    const std::string section = AppConfig::ProfileSection(n);
    const QString iniPath = config.Store().Path();

    if (keep && (!wasKept || !typed.empty())) {
        // An empty Password key reads as the default password: that is the one to keep then.
        const std::string password = typed.empty() ? std::string(kDefaultPassword) : typed;
        store.Write(entry, KeyringLabel(config, n), password,
                    [&config, section, wasKept, iniPath, done](bool ok, const QString& error) {
                        if (!ok) {
                            // The typed password is in BrxW.ini already (saved with the profile):
                            // the profile now reads it from there.
                            if (wasKept) {
                                config.WriteSetting(section, kPasswordInKeyringKey, "0");
                            }
                            done(Tr("brxw::KeyringSetup",
                                    "The password stays in %1: the keyring did not take it (%2).")
                                     .arg(iniPath, error));
                            return;
                        }
                        const bool written = config.WriteSettings(
                            section, {{"Password", ""}, {kPasswordInKeyringKey, "1"}});
                        done(written ? QString() : WriteFailed().arg(iniPath));
                    });
        return;
    }
    if (!keep && wasKept) {
        auto forget = [&store, entry, done] {
            store.Remove(entry, [done](bool ok, const QString& error) {
                done(ok ? QString()
                        : Tr("brxw::KeyringSetup",
                             "The password is back in BrxW.ini, but the keyring "
                             "kept its copy (%1).")
                              .arg(error));
            });
        };
        if (!typed.empty()) {
            // The new password was saved with the profile.
            if (!config.WriteSetting(section, kPasswordInKeyringKey, "0")) {
                done(WriteFailed().arg(iniPath));
                return;
            }
            forget();
            return;
        }
        store.Read(entry, [&config, section, iniPath, forget, done](
                              bool ok, const std::string& password, const QString& error) {
            if (!ok) {
                done(Tr("brxw::KeyringSetup",
                        "The password stays in the keyring: it could not be read "
                        "(%1).")
                         .arg(error));
                return;
            }
            if (!config.WriteSettings(section,
                                      {{"Password", password}, {kPasswordInKeyringKey, "0"}})) {
                done(WriteFailed().arg(iniPath));
                return;
            }
            forget();
        });
        return;
    }
    done({});
}

}  // namespace brxw
