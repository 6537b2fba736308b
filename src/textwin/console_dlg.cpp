// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/console_dlg.h"

#include <QResizeEvent>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <utility>

#include "link/traffic_colour.h"
#include "text/charset.h"
#include "textwin/input_edit.h"
#include "textwin/text_wnd.h"

namespace brxw {

CConsoleDlg::CConsoleDlg(QObject* owner, AppConfig* config, SendFunction send, QWidget* parent)
    : CPlacedDlg('c', kConsoleClosedEvent, owner, config, true, parent),
      m_send(std::move(send)),
      m_view(new CTextWnd(this)),
      m_input(new CInputEdit(
          m_view, [this](std::string_view line) { SendLine(line); }, this)) {
    setWindowTitle(tr("Console"));
    m_view->setObjectName(QStringLiteral("consoleText"));
    m_input->setObjectName(QStringLiteral("consoleInput"));
    m_input->setAccessibleName(tr("Console input"));
    resize(kConsolePlacement.width, kConsolePlacement.height);
    // Typing goes to the input line whenever the console becomes active.
    setTabOrder(m_input, m_view);
    // Closing the find bar hands the keyboard back to where commands are typed.
    m_view->SetFocusHome(m_input);
    m_input->setFocus(Qt::OtherFocusReason);
}

void CConsoleDlg::SetTextFont(const QFont& font, bool redraw) {
    m_input->setFont(font);
    m_view->SetTextFont(font, redraw);
    // The input line's height follows its font.
    LayoutChildren();
}

int CConsoleDlg::InputHeight() const {
    const int frame = 2 * m_input->frameWidth();
    const int margin = static_cast<int>(2 * m_input->document()->documentMargin());
    return std::max(kInputHeight,
                    kInputLines * m_input->fontMetrics().lineSpacing() + frame + margin);
}

void CConsoleDlg::SetAnsiMode(bool ansi) {
    m_ansiMode = ansi;
    m_input->SetAnsiMode(ansi);
    m_view->SetAnsiMode(ansi);
}

void CConsoleDlg::AppendText(std::string_view bytes, Colour colour) {
    m_view->AppendText(bytes, colour);
}

void CConsoleDlg::FocusInput() {
    if (isVisible()) {
        activateWindow();
    }
    m_input->setFocus(Qt::OtherFocusReason);
}

void CConsoleDlg::SendLine(std::string_view bytes) {
    if (m_send) {
        m_send(bytes);
    }
    m_view->AppendText(bytes, kEchoColour);
}

void CConsoleDlg::OnDefaultButton() {
    // The whole caret line goes out: the input is emptied, so a part left behind would be lost.
    std::string text = m_input->TakeCaretLine();
    text.push_back('\n');
    SendLine(m_ansiMode ? text : AnsiToOem(text));
}

void CConsoleDlg::LayoutChildren() {
    const int w = std::max(0, width());
    const int inputHeight = InputHeight();
    const int textHeight = std::max(0, height() - inputHeight);
    m_view->setGeometry(0, 0, w, textHeight);
    m_input->setGeometry(0, textHeight, w, inputHeight);
}

void CConsoleDlg::resizeEvent(QResizeEvent* event) {
    LayoutChildren();
    CPlacedDlg::resizeEvent(event);
}

}  // namespace brxw
