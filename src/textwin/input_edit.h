// SPDX-License-Identifier: GPL-3.0-or-later
// CInputEdit: the console's input line, where the operator types console commands. Each line is
// sent when it is finished (Enter, or typing past 79 characters), never key by key; lines stay in
// the input so they can be sent again, up to the last 20. The rules themselves are
// TypeCharacter's (input_line_rules.h); this widget feeds it the typed characters and shows the
// result.
//
// The input also serves the console's text view: Ctrl+C copies the view's selection (not the
// input's), every typed character clears it, and it is shown only while the input has the focus.
//
// The edit shows Unicode but holds only characters of the Windows code page, one byte each, so
// columns count bytes and what is seen is what is sent. Lines go out in that page in ANSI mode and
// in the OEM code page otherwise.
//
// Owned by the console window (CConsoleDlg) for the program's run; user-interface thread only.
#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <string_view>

#include "textwin/input_line_rules.h"

namespace brxw {

class CTextWnd;

class CInputEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    // Sends one finished line (with its "\n") and echoes it in the console.
    using SendFunction = std::function<void(std::string_view)>;

    // view is the console's text view (may be null); sendLine may be empty (nothing is sent).
    CInputEdit(CTextWnd* view, SendFunction sendLine, QWidget* parent = nullptr);

    // Chooses the code page lines are sent in. The text already typed stays as it is: it was
    // typed in the Windows code page and is converted only when it is sent.
    void SetAnsiMode(bool ansi);
    bool AnsiMode() const { return m_ansiMode; }

    // The input's text and selection in the rules' terms.
    InputLine Line() const;
    // Empties the input and returns the line the caret was on, for the console's default button.
    std::string TakeCaretLine();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Runs one typed character through the rules, shows the result and sends what they send.
    void Type(unsigned char code);
    void TypeText(const QString& text);
    // Brings the edit from before to after with one replacement of the part that differs.
    void Show(const InputLine& before, const InputLine& after);

    CTextWnd* m_view;
    SendFunction m_sendLine;
    bool m_ansiMode = false;
};

}  // namespace brxw
