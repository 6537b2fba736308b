// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/alerts_notifier.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <algorithm>
#include <utility>

#include "resources/translate.h"

#ifdef BRXW_HAVE_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#endif

namespace brxw {

namespace {

constexpr int kTrayMessageMs = 10'000;

// The last alert, cut to the room the status bar leaves it; a click puts it away.
class CAlertPane : public QLabel {
public:
    explicit CAlertPane(QWidget* parent) : QLabel(parent) {
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(120);
        setObjectName(QStringLiteral("alertPane"));
    }
    void SetAlert(const QString& text) {
        m_full = text;
        setAccessibleName(text);
        Elide();
    }
    const QString& FullText() const { return m_full; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }
    void mousePressEvent(QMouseEvent* event) override {
        hide();
        event->accept();
    }

private:
    void Elide() { setText(fontMetrics().elidedText(m_full, Qt::ElideRight, width())); }

    QString m_full;
};

}  // namespace

CAlertsNotifier::CAlertsNotifier(QStatusBar* bar, std::function<bool()> ansiMode, QObject* parent)
    : QObject(parent), m_alerts([this](const AlertNotice& notice) {
          const AlertSettings& s = m_alerts.Settings();
          Deliver(notice, s.sound, s.desktop);
      }) {
    m_alerts.SetAnsiMode(std::move(ansiMode));
    auto* pane = new CAlertPane(bar);
    pane->hide();
    bar->addPermanentWidget(pane, 1);
    m_pane = pane;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CAlertsNotifier::EndQuietPeriods);
}

void CAlertsNotifier::EndQuietPeriods() {
    m_armedFor.reset();
    m_alerts.Tick();
    ArmTimer();
}

CAlertsNotifier::~CAlertsNotifier() = default;

void CAlertsNotifier::Configure(const AlertSettings& settings) {
    m_alerts.Configure(settings);
}

void CAlertsNotifier::SessionStarted() {
    m_alerts.SessionStarted();
}

void CAlertsNotifier::StationLine(std::string_view payload) {
    m_alerts.StationLine(payload);
    ArmTimer();
}

void CAlertsNotifier::MonitoringText(std::string_view text) {
    m_alerts.MonitoringText(text);
    ArmTimer();
}

void CAlertsNotifier::ConsoleText(std::string_view text) {
    m_alerts.ConsoleText(text);
    ArmTimer();
}

void CAlertsNotifier::ChannelText(int channel, std::string_view text) {
    m_alerts.ChannelText(channel, text);
    ArmTimer();
}

void CAlertsNotifier::FireTest(bool sound, bool desktop) {
    Deliver(AlertNotice{AlertKind::kStation, Tr("brxw::Alerts", "a test of the alerts"), 0}, sound,
            desktop);
}

void CAlertsNotifier::ArmTimer() {
    const auto due = m_alerts.NextDue();
    if (due == m_armedFor) {
        return;  // a flood of matches re-arms nothing
    }
    m_armedFor = due;
    if (!due) {
        m_timer.stop();
        return;
    }
    const auto wait = std::max(*due - m_alerts.Now(), Alerts::Clock{0});
    m_timer.start(static_cast<int>(std::min<Alerts::Clock::rep>(wait.count(), 1 << 30)));
}

void CAlertsNotifier::Deliver(const AlertNotice& notice, bool sound, bool desktop) {
    const QString text = notice.Text();
    auto* pane = static_cast<CAlertPane*>(m_pane);
    pane->SetAlert(text);
    pane->setToolTip(QStringLiteral("%1  %2").arg(
        QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")), text));
    pane->show();
    if (sound) {
        if (ringBell) {
            ringBell();
        } else {
            QApplication::beep();
        }
    }
    if (desktop) {
        if (showOnDesktop) {
            showOnDesktop(text);
        } else {
            NotifyDesktop(notice.kind, text);
        }
    }
}

void CAlertsNotifier::NotifyDesktop(AlertKind kind, const QString& text) {
#ifdef BRXW_HAVE_DBUS
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_desktopError = tr("no desktop session bus");
        ShowInTray(text);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const std::size_t k = static_cast<std::size_t>(kind);
    call << QStringLiteral("brxW") << m_shown[k] << QStringLiteral("brxw") << QStringLiteral("brxW")
         << text << QStringList()
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("brxw")}} << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, k, text](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    m_desktopError = reply.error().message();
                    ShowInTray(text);
                } else {
                    m_desktopError.clear();
                    m_shown[k] = reply.value();
                }
                finished->deleteLater();
            });
#else
    (void)kind;
    ShowInTray(text);
#endif
}

void CAlertsNotifier::ShowInTray(const QString& text) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        if (m_desktopError.isEmpty()) {
            m_desktopError = tr("no notification service and no system tray");
        }
        m_pane->setToolTip(m_pane->toolTip() + QLatin1Char('\n') +
                           tr("(no desktop notification: %1)").arg(m_desktopError));
        return;
    }
    if (m_tray == nullptr) {
        m_tray = new QSystemTrayIcon(QApplication::windowIcon(), this);
        m_tray->setToolTip(QStringLiteral("brxW"));
        m_tray->show();
    }
    m_tray->showMessage(QStringLiteral("brxW"), text, QSystemTrayIcon::Information, kTrayMessageMs);
}

}  // namespace brxw
