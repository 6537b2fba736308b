// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/input_edit.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <utility>

#include "text/charset.h"
#include "textwin/text_wnd.h"

namespace brxw {
namespace {

// Text the rules should see character by character: what a key or an input method types.
bool IsTypedText(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar ch) { return ch.isPrint(); });
}

}  // namespace

CInputEdit::CInputEdit(CTextWnd* view, SendFunction sendLine, QWidget* parent)
    : QPlainTextEdit(parent), m_view(view), m_sendLine(std::move(sendLine)) {
    // One command per line: lines scroll sideways rather than wrap, and Tab leaves the input.
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setFrameShape(QFrame::Box);
}

void CInputEdit::SetAnsiMode(bool ansi) {
    m_ansiMode = ansi;
}

InputLine CInputEdit::Line() const {
    InputLine line;
    const QTextDocument* doc = document();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block != doc->begin()) {
            line.text.push_back('\n');
        }
        // One byte per character, so byte offsets are the document's positions.
        line.text += QStringToAnsi(block.text());
    }
    const QTextCursor cursor = textCursor();
    line.selStart = cursor.selectionStart();
    line.selEnd = cursor.selectionEnd();
    return line;
}

std::string CInputEdit::TakeCaretLine() {
    std::string text = CaretLineText(Line());
    clear();
    return text;
}

void CInputEdit::Show(const InputLine& before, const InputLine& after) {
    const std::string& from = before.text;
    const std::string& to = after.text;
    if (from != to) {
        const std::size_t prefix = static_cast<std::size_t>(
            std::mismatch(from.begin(), from.end(), to.begin(), to.end()).first - from.begin());
        const std::size_t room = std::min(from.size(), to.size()) - prefix;
        std::size_t suffix = 0;
        while (suffix < room && from[from.size() - 1 - suffix] == to[to.size() - 1 - suffix]) {
            ++suffix;
        }
        QTextCursor edit(document());
        edit.setPosition(static_cast<int>(prefix));
        edit.setPosition(static_cast<int>(from.size() - suffix), QTextCursor::KeepAnchor);
        edit.insertText(
            AnsiToQString(std::string_view(to).substr(prefix, to.size() - suffix - prefix)));
    } else if (after.selStart == before.selStart && after.selEnd == before.selEnd) {
        return;  // a refused character: the selection stays as the operator made it
    }
    QTextCursor caret(document());
    caret.setPosition(after.selStart);
    caret.setPosition(after.selEnd, QTextCursor::KeepAnchor);
    setTextCursor(caret);
    ensureCursorVisible();
}

void CInputEdit::Type(unsigned char code) {
    const InputLine before = Line();
    InputLine after = before;
    const TypingOutcome outcome = TypeCharacter(after, code);
    if (outcome.copyView && m_view != nullptr) {
        m_view->CopySelection();
    }
    Show(before, after);
    if (m_sendLine) {
        for (const std::string& text : outcome.sent) {
            m_sendLine(m_ansiMode ? text : AnsiToOem(text));
        }
    }
    if (outcome.beep) {
        QApplication::beep();
    }
    if (m_view != nullptr) {
        m_view->ClearSelection();
    }
}

void CInputEdit::TypeText(const QString& text) {
    for (const char byte : QStringToAnsi(text)) {
        Type(static_cast<unsigned char>(byte));
    }
}

void CInputEdit::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    const bool alt = (modifiers & Qt::AltModifier) != 0;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // With any modifier: the edit must never break a line without sending it.
            Type(kEnterCode);
            event->accept();
            return;
        case Qt::Key_Backspace:
            if (!control && !alt) {
                Type(kBackspaceCode);
                event->accept();
                return;
            }
            break;
        case Qt::Key_End:
            // End moves nothing in an empty input: there it takes the view back to the newest line.
            if (m_view != nullptr && modifiers == Qt::NoModifier && document()->isEmpty()) {
                m_view->ScrollToNewest();
                event->accept();
                return;
            }
            break;
        case Qt::Key_C:
            if (control && !alt && !(modifiers & Qt::ShiftModifier)) {
                Type(kCopyCode);
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    // AltGr arrives as Ctrl+Alt on some systems and still types a character.
    if ((!control || alt) && IsTypedText(event->text())) {
        TypeText(event->text());
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CInputEdit::inputMethodEvent(QInputMethodEvent* event) {
    // A composed character (dead keys, an input method) is typed like any other.
    if (event->preeditString().isEmpty() && event->replacementLength() == 0 &&
        IsTypedText(event->commitString())) {
        TypeText(event->commitString());
        event->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void CInputEdit::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    if (m_view != nullptr) {
        m_view->SetSelectionShown(true);
    }
}

void CInputEdit::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    // A context menu over the input takes the focus only while it is open.
    if (m_view != nullptr && event->reason() != Qt::PopupFocusReason) {
        m_view->SetSelectionShown(false);
    }
}

void CInputEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && m_view != nullptr) {
        m_view->ClearSelection();
    }
    QPlainTextEdit::mousePressEvent(event);
}

void CInputEdit::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    // Pasted text is kept to what can be sent: characters of the Windows code page, lines ended by
    // '\n'.
    QString text = source->text();
    text.remove(QLatin1Char('\r'));
    QMimeData sendable;
    sendable.setText(AnsiToQString(QStringToAnsi(text)));
    QPlainTextEdit::insertFromMimeData(&sendable);
}

}  // namespace brxw
