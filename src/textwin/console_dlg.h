// SPDX-License-Identifier: GPL-3.0-or-later
// CConsoleDlg: the console window, the BBS server's console. Its text view shows console traffic
// and, in purple, every line the operator sends; the input line below it (77 pixels high, or four
// lines of its font when they need more) is where console commands are typed.
//
// Owned by the control panel from the panel's construction to its destruction, and only ever
// hidden and shown again (see CPlacedDlg). Escape and Ctrl+Break do nothing here; the close box
// posts QEvent::User + 1 (kConsoleClosedEvent) to the owner. User-interface thread only.
#pragma once

#include <functional>
#include <string_view>

#include "textwin/traffic_dlg.h"

namespace brxw {

class CInputEdit;

class CConsoleDlg : public CPlacedDlg {
    Q_OBJECT

public:
    // Writes bytes to the server as they are (the session's SendRawText); nothing when there is
    // no connection. Every sent line is echoed in the console all the same.
    using SendFunction = std::function<void(std::string_view)>;

    // The input line's height: never less than kInputHeight, and room for kInputLines lines.
    static constexpr int kInputHeight = 77;
    static constexpr int kInputLines = 4;
    int InputHeight() const;

    CConsoleDlg(QObject* owner, AppConfig* config, SendFunction send, QWidget* parent = nullptr);

    // The font of both the text view and the input line.
    void SetTextFont(const QFont& font, bool redraw);
    // The "AnsiChar" setting: lines are sent, and traffic is read, in the Windows code page when
    // set and in the OEM code page otherwise.
    void SetAnsiMode(bool ansi);
    bool AnsiMode() const { return m_ansiMode; }
    void AppendText(std::string_view bytes, Colour colour);
    void FocusInput();
    // Sends bytes (already in the code page of the setting) and echoes them in purple.
    void SendLine(std::string_view bytes);

    CTextWnd* TextView() const { return m_view; }
    CInputEdit* InputLine() const { return m_input; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Enter outside the input line sends the input's caret line and empties the input.
    void OnDefaultButton() override;

private:
    void LayoutChildren();

    SendFunction m_send;
    bool m_ansiMode = false;
    CTextWnd* m_view;
    CInputEdit* m_input;
};

}  // namespace brxw
