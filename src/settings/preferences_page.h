// SPDX-License-Identifier: GPL-3.0-or-later
// CPreferencesPage: one tab of Config > Preferences (panel/preferences_dlg.h). Each page keeps
// its values under keys of its own in BrxW.ini and applies them at once; the folder that owns a
// choice owns its page (character set and logging here, alerts in alerts/), and the control
// panel hands the pages to the dialog.
//
// User-interface thread only.
#pragma once

#include <QWidget>

namespace brxw {

class CPreferencesPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Checks the fields; on a fault shows why (a box with the caption "Preferences"), puts the
    // focus on the field and returns false: the dialog stays open and nothing is written.
    virtual bool Validate() { return true; }
    // Writes the page's values to BrxW.ini and applies them at once.
    virtual void Apply() = 0;
};

}  // namespace brxw
