// SPDX-License-Identifier: GPL-3.0-or-later
// CPreferencesDlg: Config > Preferences, the operator's choices beyond the Settings dialog, one
// tab (a CPreferencesPage, settings/preferences_page.h) each: the character sets of the connection
// profiles, logging of the text windows to files, alerts, colours. OK checks every page and
// writes them all; Cancel writes nothing. Each page keeps its values under keys of its own in
// BrxW.ini and applies them at once.
//
// Modal, made by the control panel when the operator asks for it. User-interface thread only.
#pragma once

#include <QDialog>
#include <vector>

#include "settings/preferences_page.h"

class QTabWidget;

namespace brxw {

class CPreferencesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPreferencesDlg(QWidget* parent);

    // The dialog takes ownership. The page's object name names its screenshot.
    void AddPage(CPreferencesPage* page, const QString& title);
    QTabWidget* Tabs() const { return m_tabs; }
    const std::vector<CPreferencesPage*>& Pages() const { return m_pages; }

    // Every page is checked first, the first faulty one is shown and the dialog stays; then
    // every page is written.
    void accept() override;

protected:
    // The shown page's first field (its focus proxy) takes the focus.
    void showEvent(QShowEvent* event) override;

private:
    QTabWidget* m_tabs;
    std::vector<CPreferencesPage*> m_pages;
};

}  // namespace brxw
