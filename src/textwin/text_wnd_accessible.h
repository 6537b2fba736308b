// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader sees of a text window (CTextWnd): an accessible interface that reads the
// scrollback as text (a read-only, multi-line text named after the window that holds it), with
// its caret, selection and character geometry, and with the window's scroll bars, scrolled-back
// indicator and find bar as its children. The window itself tells the listener of new and dropped
// lines and of caret moves, through NotifyAccessibility.
//
// User-interface thread only.
#pragma once

#include <functional>

class QAccessibleEvent;

namespace brxw {

// Makes the toolkit answer with the text window's interface for every CTextWnd; once is enough,
// every text window calls it when made.
void InstallTextWndAccessibility();

// Whether an assistive technology listens: the platform's bridge is active, or a stand-in is set.
bool AccessibilityListening();
// Hands event to the stand-in when one is set, otherwise to the platform.
void NotifyAccessibility(QAccessibleEvent& event);
// Sets a stand-in listener (an empty function removes it) and tells every text window, as the
// platform does when an assistive technology comes or goes. Tests and the flood benchmark use it
// where the platform has no accessibility bridge (offscreen).
void SetAccessibilityStandIn(std::function<void(QAccessibleEvent&)> listener);

}  // namespace brxw
