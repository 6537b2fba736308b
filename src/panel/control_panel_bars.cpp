// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's menu bar, toolbar and status bar: their items, the prompts shown over
// status pane 0, and the enable/check/visible rules recomputed on every change of state.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <algorithm>

#include "admin/admin_dialogs.h"
#include "panel/control_panel.h"
#include "panel/counters.h"
#include "panel/function_keys.h"
#include "panel/pactor_menu.h"
#include "panel/server_option_items.h"
#include "resources/command_ids.h"
#include "resources/command_prompts.h"
#include "resources/strings.h"
#include "resources/toolbar_icons.h"
#include "resources/translate.h"
#include "text/charset.h"
#include "textwin/traffic_dlg.h"

namespace brxw {

namespace {

// Pane 0 is never narrower than this; it widens for a larger font.
constexpr int kPane0Width = 250;

// The prompt is the part before the first line break; the tooltip the part after it.
QString PromptPart(int command) {
    const QString text = CommandPromptShown(command);
    return text.section(QLatin1Char('\n'), 0, 0);
}

QString TooltipPart(int command) {
    const QString text = CommandPromptShown(command);
    return text.contains(QLatin1Char('\n')) ? text.section(QLatin1Char('\n'), 1).left(79)
                                            : QString();
}

// Buttons that only the server's capability list makes visible.
constexpr int kAdministrationButtons[] = {cmd::kOpenConfigFile,      cmd::kPendingForward,
                                          cmd::kEditUserProperties,  cmd::kDisconnectChannel,
                                          cmd::kImmediateDisconnect, cmd::kEditMessageProperties};
constexpr const char* kCheckedButtonStyle =
    "QToolButton:checked { background-color: palette(highlight); "
    "border: 1px solid palette(shadow); border-radius: 2px; }";

constexpr int kPactorButtons[] = {cmd::kPactorScan, cmd::kPactorReceive, cmd::kPactorSend};

// The keys of the toolbar's commands that no function key runs (function_keys.h): they work
// only in the panel.
struct PanelKey {
    int command;
    const char* key;
};
constexpr PanelKey kPanelKeys[] = {{cmd::kDisconnectChannel, "Del"},
                                   {cmd::kImmediateDisconnect, "Shift+Del"},
                                   {cmd::kEditMessageProperties, "Ctrl+M"},
                                   {cmd::kEditUserProperties, "Ctrl+U"},
                                   {cmd::kOpenConfigFile, "Ctrl+O"}};

// Pane 0: as wide as its text where the status bar has the room. Where it has not, the text
// ends in "..." so that the cut shows; the whole text is the tooltip and the accessible name
// (CControlPanel::SetStatusText).
class StatusPaneLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area,
                              QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                              isEnabled(), shown, foregroundRole());
    }
};

}  // namespace

QAction* CControlPanel::AddCommand(QMenu* menu, const QString& text, int command) {
    // A toolbar button shares the action of its menu item, text and check state included.
    if (QAction* existing = Action(command)) {
        if (menu != nullptr) {
            menu->addAction(existing);
        }
        return existing;
    }
    auto* action = new QAction(text, this);
    action->setStatusTip(PromptPart(command));
    if (menu != nullptr) {
        menu->addAction(action);
    }
    connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
    m_actions[command] = action;
    return action;
}

QAction* CControlPanel::Action(int command) const {
    auto it = m_actions.find(command);
    return it == m_actions.end() ? nullptr : it->second;
}

void CControlPanel::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    AddCommand(file, tr("&Exit\tAlt+F4"), cmd::kExit);

    QMenu* window = menuBar()->addMenu(tr("&Window"));
    AddCommand(window, tr("&Console\tF2"), cmd::kConsoleWindow)->setCheckable(true);
    AddCommand(window, tr("&Monitoring\tF5"), cmd::kMonitoringWindow)->setCheckable(true);
    AddCommand(window, tr("&All channels\tF6"), cmd::kAllChannelsWindow)->setCheckable(true);

    QMenu* connectMenu = menuBar()->addMenu(tr("&Connect"));
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        AddCommand(connectMenu, tr("Remote &%1").arg(n + 1), cmd::kConnectRemote0 + n)
            ->setCheckable(true);
    }
    connectMenu->addSeparator();
    AddCommand(connectMenu, tr("&Disconnect"), cmd::kDisconnect);
    AddCommand(connectMenu, tr("Connection &log"), cmd::kConnectionLog);

    QMenu* config = menuBar()->addMenu(tr("C&onfig"));
    for (int n = 0; n < cmd::kRemoteCount; ++n) {
        AddCommand(config, tr("Remote &%1").arg(n + 1), cmd::kConfigRemote0 + n)
            ->setCheckable(true);
    }
    config->addSeparator();
    AddCommand(config, tr("&Preferences..."), cmd::kPreferences);

    m_optionsMenu = menuBar()->addMenu(tr("&Options"));
    AddCommand(m_optionsMenu, tr("Settings"), cmd::kSettings);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    AddCommand(help, tr("&Copyright"), cmd::kCopyright);
    help->addSeparator();
    AddCommand(help, tr("&About"), cmd::kAbout);
    help->addSeparator();
    AddCommand(help, tr("&User guide"), cmd::kUserGuide);

    // Closing a menu brings back pane 0's own text at once.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        connect(menu, &QMenu::aboutToHide, this,
                [this] { ShowPrompt(QString::fromLatin1(kIdlePrompt)); });
    }
}

void CControlPanel::BuildToolBar() {
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 15));
    m_toolBar->setContentsMargins(6, 2, 1, 1);
    m_toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    // A window that is on shows its button pressed into a filled, framed square, plain to see at
    // a glance (the style's own checked look is a faint frame).
    m_toolBar->setStyleSheet(QString::fromLatin1(kCheckedButtonStyle));
    const int kGap = 0;
    const int layout[] = {cmd::kConsoleWindow,
                          cmd::kMonitoringWindow,
                          cmd::kAllChannelsWindow,
                          cmd::kOneChannelWindow,
                          kGap,
                          cmd::kDisconnectChannel,
                          cmd::kImmediateDisconnect,
                          kGap,
                          cmd::kEditMessageProperties,
                          cmd::kEditUserProperties,
                          cmd::kPendingForward,
                          cmd::kOpenConfigFile,
                          kGap,
                          cmd::kPactorScan,
                          cmd::kPactorReceive,
                          cmd::kPactorSend};
    for (int command : layout) {
        if (command == kGap) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = AddCommand(nullptr, PromptPart(command), command);
        if (command == cmd::kOneChannelWindow) {
            action->setCheckable(true);
        }
        action->setIcon(ToolbarIcon(command));
        // The Window menu shares these actions and shows a check mark, not the button's image.
        action->setIconVisibleInMenu(false);
        action->setToolTip(TooltipPart(command));
        // The button is called what the menu item is, without its key column ("&Console\tF2");
        // its description says which key runs it.
        action->setIconText(
            action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);  // the keyboard reaches the toolbar too
            const QString key = CommandKeyShown(command);
            button->setAccessibleDescription(key.isEmpty()
                                                 ? TooltipPart(command)
                                                 : tr("%1, key %2").arg(TooltipPart(command), key));
        }
        connect(action, &QAction::visibleChanged, this, &CControlPanel::UpdateToolbarSeparators);
    }
    for (int command : kPactorButtons) {
        Action(command)->setVisible(false);
    }
    UpdateToolbarSeparators();
}

QString CControlPanel::CommandKeyText(int command) {
    // A function key as the application-wide filter reads it, else one of the panel's own.
    for (int key = Qt::Key_F1; command != 0 && key <= Qt::Key_F12; ++key) {
        if (FunctionKeyFilter::CommandForKey(key) == command) {
            return QKeySequence(key).toString(QKeySequence::PortableText);
        }
    }
    for (const auto& [panelCommand, key] : kPanelKeys) {
        if (panelCommand == command) {
            return QString::fromLatin1(key);
        }
    }
    return {};  // the Pactor commands are in their menu
}

QString CControlPanel::CommandKeyShown(int command) {
    const QString key = CommandKeyText(command);
    return key.isEmpty() ? key : QKeySequence(key).toString(QKeySequence::NativeText);
}

void CControlPanel::BuildCommandKeys() {
    // The function keys work everywhere (function_keys.h); these only in the panel. Like the
    // buttons, they do something only while their button is shown and enabled.
    for (const auto& [command, key] : kPanelKeys) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(key)), this);
        connect(shortcut, &QShortcut::activated, this, [this, command] {
            const QAction* action = Action(command);
            if (action != nullptr && action->isVisible() && action->isEnabled()) {
                OnCommand(command);
            }
        });
    }
}

void CControlPanel::UpdateToolbarSeparators() {
    QAction* pending = nullptr;  // the first separator after the last group shown so far
    bool buttonShown = false;
    for (QAction* action : m_toolBar->actions()) {
        if (action->isSeparator()) {
            if (buttonShown && pending == nullptr) {
                pending = action;
            } else {
                action->setVisible(false);
            }
        } else if (action->isVisible()) {
            if (pending != nullptr) {
                pending->setVisible(true);
                pending = nullptr;
            }
            buttonShown = true;
        }
    }
    if (pending != nullptr) {
        pending->setVisible(false);
    }
}

void CControlPanel::BuildServerControls() {
    const auto send = [this](std::uint8_t kind, std::string_view text) {
        m_session->SendFrame(kind, text);
    };
    m_pactor = new CPactorMenu(
        *menuBar(),
        {Action(cmd::kPactorScan), Action(cmd::kPactorReceive), Action(cmd::kPactorSend)}, send,
        this);
    connect(m_pactor, &CPactorMenu::menuClosed, this,
            [this] { ShowPrompt(QString::fromLatin1(kIdlePrompt)); });
    m_optionItems = new CServerOptionItems(*m_optionsMenu, send, this);
    // SendFrame keeps a fetched file's path for its upload. The dialogs learn whether a
    // request went out: with the link down they say so and leave their lists as they are.
    const auto request = [this](std::uint8_t kind, std::string_view text) {
        if (!m_session->HasSocket()) {
            return false;
        }
        m_session->SendFrame(kind, text);
        return true;
    };
    m_admin = new admin::CAdminDialogs(*this, request, [this] { return m_ansiChar; });
}

void CControlPanel::BuildStatusBar() {
    m_pane0 = new StatusPaneLabel(Tr("brxw::str", str::kNotConnected), this);
    m_pane0->setMinimumWidth(Pane0Width());
    m_pane0->setTextFormat(Qt::PlainText);  // ssh's words and host names are shown, not obeyed
    m_pane1 = new QLabel(this);
    statusBar()->addWidget(m_pane0);
    statusBar()->addWidget(m_pane1, 1);
    statusBar()->setSizeGripEnabled(false);
}

int CControlPanel::Pane0Width() const {
    // Room for the longest text of its own in its own font: the connection states and a
    // four-digit station count. The commands' prompts lie over the whole bar while a menu is
    // open, and may run over; at the usual font the pane keeps its classic 250 pixels.
    const QStringList texts = {Tr("brxw::str", str::kNotConnected),
                               Tr("brxw::str", str::kInitializing),
                               AnsiToQString(StationCountText(true, 9999))};
    const QFontMetrics metrics(m_pane0->font());
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char(' ') + text));
    }
    return std::max(kPane0Width, widest + 2 * metrics.averageCharWidth());
}

void CControlPanel::HideAdministrationButtons() {
    for (int command : kAdministrationButtons) {
        if (QAction* action = Action(command)) {
            action->setVisible(false);
        }
    }
}

void CControlPanel::ShowToolbarButton(int command) {
    if (QAction* action = Action(command)) {
        action->setVisible(true);
    }
    UpdateCommandStates();
}

void CControlPanel::UpdateCommandStates() {
    const bool loggedIn = m_session->LoggedIn();
    const bool selected = m_stations.Selected().has_value();
    for (auto& [command, action] : m_actions) {
        bool enabled = HasHandler(command);
        switch (command) {
            case cmd::kDisconnect:
                // Also stops an attempt and the countdown.
                enabled = enabled && m_session->Active();
                break;
            case cmd::kConsoleWindow:
            case cmd::kMonitoringWindow:
            case cmd::kAllChannelsWindow:
                enabled = enabled && loggedIn;
                break;
            case cmd::kOneChannelWindow:
                enabled = enabled && loggedIn && (m_oneChannel->isVisible() || selected);
                break;
            case cmd::kDisconnectChannel:
            case cmd::kImmediateDisconnect:
                enabled = enabled && loggedIn && selected;
                break;
            default:
                break;
        }
        action->setEnabled(enabled);
    }
    // The Pactor buttons follow the server's last state report.
    if (m_pactor != nullptr) {
        m_pactor->UpdateButtons();
    }
}

void CControlPanel::ShowPrompt(const QString& prompt) {
    if (prompt.isEmpty() || prompt == QLatin1String(kIdlePrompt)) {
        if (m_promptOverlay != nullptr) {
            m_promptOverlay->hide();
        }
        return;
    }
    if (m_promptOverlay == nullptr) {
        m_promptOverlay = new QLabel(statusBar());
        m_promptOverlay->setFont(statusBar()->font());
        m_promptOverlay->setAutoFillBackground(true);
    }
    m_promptOverlay->setGeometry(m_pane0->geometry());
    m_promptOverlay->setText(QLatin1Char(' ') + prompt.section(QLatin1Char('\n'), 0, 0));
    m_promptOverlay->show();
    m_promptOverlay->raise();
}

QString CControlPanel::PromptText() const {
    return m_promptOverlay != nullptr && m_promptOverlay->isVisible() ? m_promptOverlay->text()
                                                                      : QString();
}

bool CControlPanel::event(QEvent* event) {
    // Menu items and toolbar buttons announce their prompts here; they go over pane 0 only,
    // never replacing the status bar as a whole.
    if (event->type() == QEvent::StatusTip) {
        ShowPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // The text windows ask to be closed.
    if (OnCloseRequest(event->type())) {
        return true;
    }
    return QMainWindow::event(event);
}

}  // namespace brxw
