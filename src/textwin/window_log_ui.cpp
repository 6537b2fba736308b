// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/window_log_ui.h"

#include "textwin/text_wnd.h"

namespace brxw {

void BindWindowLog(WindowLogs& logs, LogWindow window, CTextWnd& view) {
    logs.Bind(window, {[&view](LineObserver* observer) { view.SetLineObserver(observer); },
                       [&view] { return view.Ring().PartialLine(); }});
    view.SetLogSwitch([&logs, window] { return logs.Enabled(window); },
                      [&logs, window](bool on) { logs.SetEnabled(window, on); });
}

}  // namespace brxw
