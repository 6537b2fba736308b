// SPDX-License-Identifier: GPL-3.0-or-later
// CCharsetPage: the "Character set" tab of the Preferences: for each connection profile, the DOS
// code page its server's text is in while "DOS charset" is chosen in Settings, and the Windows
// code page the program keeps and shows text in (the server's own while "ANSI charset" is
// chosen). Stored as "OemCodePage" and "AnsiCodePage" in the profile's section; a profile
// nobody changed keeps no keys and reads 437 and 1252.
#pragma once

#include <array>
#include <functional>

#include "config/app_config.h"
#include "settings/preferences_page.h"

class QComboBox;
class QLabel;

namespace brxw {

class CCharsetPage : public CPreferencesPage {
    Q_OBJECT

public:
    // Opens on profile `current` (the first when it is none). applied is called with a profile
    // and its new pages when Apply changed them.
    CCharsetPage(AppConfig& config, int current, bool ansiCharset,
                 std::function<void(int profile, ProfileCodePages pages)> applied,
                 QWidget* parent = nullptr);

    void Apply() override;

    QComboBox* ProfileBox() const { return m_profile; }
    QComboBox* DosBox() const { return m_dos; }
    QComboBox* WindowsBox() const { return m_windows; }
    // The characters of the upper half of the server's page, as the windows will show them.
    QString SampleText() const;

private:
    void ShowProfile(int profile);
    void OnDosChosen();
    void OnWindowsChosen();
    void UpdateSample();
    ProfileCodePages& Edited() { return m_edited[static_cast<std::size_t>(m_shown)]; }

    AppConfig& m_config;
    bool m_ansiCharset;
    std::function<void(int, ProfileCodePages)> m_applied;
    std::array<ProfileCodePages, kRemoteConfigCount> m_stored{};
    std::array<ProfileCodePages, kRemoteConfigCount> m_edited{};
    int m_shown = 0;
    QComboBox* m_profile;
    QComboBox* m_dos;
    QComboBox* m_windows;
    QLabel* m_serverPage;
    QLabel* m_sample;
};

}  // namespace brxw
