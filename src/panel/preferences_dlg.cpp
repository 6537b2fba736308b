// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/preferences_dlg.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace brxw {

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Preferences"));
    m_tabs->setAccessibleName(QStringLiteral("Preference pages"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

void CPreferencesDlg::AddPage(CPreferencesPage* page, const QString& title) {
    m_tabs->addTab(page, title);
    m_pages.push_back(page);
}

void CPreferencesDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* page = m_tabs->currentWidget(); page != nullptr && page->focusProxy() != nullptr) {
        page->setFocus(Qt::OtherFocusReason);
    }
}

void CPreferencesDlg::accept() {
    // A page is shown while it is checked, so that its fault box can point at its field.
    QWidget* shown = m_tabs->currentWidget();
    for (CPreferencesPage* page : m_pages) {
        m_tabs->setCurrentWidget(page);
        if (!page->Validate()) {
            return;
        }
    }
    m_tabs->setCurrentWidget(shown);
    for (CPreferencesPage* page : m_pages) {
        page->Apply();
    }
    QDialog::accept();
}

}  // namespace brxw
