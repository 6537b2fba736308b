// SPDX-License-Identifier: GPL-3.0-or-later
// Dialogs that fit the screen they open on. A large font (QT_FONT_DPI=192, a magnified desktop)
// can make a dialog's controls want more room than the screen has; its buttons must still show.
// The dialog keeps its buttons outside a scrolling body, opens at the size its body wants where
// the screen's available area has room for it, and otherwise at that area's size with the body
// scrolling.
//
// User-interface thread only.
#pragma once

#include <QScrollArea>

class QWidget;

namespace brxw {

// A frameless scroll area around a dialog's body that asks for the body's whole size (a plain
// QScrollArea caps its wish at 24 lines) and can shrink to a few lines, scrolling the rest.
// Moving the focus with Tab brings the focused control into view.
class CFittingScrollArea : public QScrollArea {
    Q_OBJECT

public:
    explicit CFittingScrollArea(QWidget* body, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Sizes `window` (a dialog) each time it is shown: its size hint, or the size it has when that
// is larger, bounded by the available area of its screen less room for the window frame, and
// moves it so that the whole frame lies inside that area.
void FitToScreen(QWidget* window);

// The same at once, for a window already shown whose wish changed (another tab shown).
void FitNow(QWidget* window);

}  // namespace brxw
