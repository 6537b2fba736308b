// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/preferences_dlg.h"

#include <QDialogButtonBox>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "resources/dialog_fit.h"

namespace brxw {

CPreferencesDlg::CPreferencesDlg(QWidget* parent) : QDialog(parent), m_tabs(new QTabWidget(this)) {
    setWindowTitle(tr("Preferences"));
    m_tabs->setAccessibleName(tr("Preference pages"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);
    auto* layout = new QVBoxLayout(this);
    // On a screen too small for the pages (a large font), the pages scroll and OK and Cancel
    // stay in sight.
    layout->addWidget(new CFittingScrollArea(m_tabs, this), 1);
    layout->addWidget(buttons);
    FitToScreen(this);
    // The dialog is sized for the tab it opens on; a tab that needs more room (its wrapped
    // texts taller in a large font) widens and heightens it, as far as the screen allows,
    // rather than being cut.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        if (isVisible()) {
            FitNow(this);
        }
    });
    // Ctrl+Tab and Ctrl+Shift+Tab go to the next and previous page from wherever the focus is:
    // a combo box would otherwise take the tab as a letter to search for.
    const auto turn = [this](int step) {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + m_tabs->count()) %
                                std::max(m_tabs->count(), 1));
        // The page's first control takes the focus, as Tab would give it.
        QWidget* page = m_tabs->currentWidget();
        for (QWidget* w = page; w != nullptr; w = w->nextInFocusChain()) {
            if (w != page && !page->isAncestorOf(w)) {
                break;
            }
            if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(page) && w->isEnabled()) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this), &QShortcut::activated, this,
            [turn] { turn(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this),
            &QShortcut::activated, this, [turn] { turn(-1); });
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
