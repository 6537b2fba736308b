// SPDX-License-Identifier: GPL-3.0-or-later
// Alerts in the running program: set up through Config > Preferences, raised by what the
// reference peer sends (a station connecting, a word split over two monitoring frames), shown
// in the status bar, with the bell and the desktop, and summed up after the quiet period. The
// Alerts tab on its own: a stored pattern that cannot be used, and what it refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#ifdef BRXW_HAVE_DBUS
#include <QDBusConnection>
#endif

#include "alerts/alerts_notifier.h"
#include "alerts/alerts_page.h"
#include "config/app_config.h"
#include "config/config_test_support.h"
#include "link/frame.h"
#include "panel/control_panel.h"
#include "panel/preferences_dlg.h"
#include "resources/command_ids.h"
#include "support/panel_on_peer.h"
#include "support/running_peer.h"
#include "support/wait.h"
#include "text/charset.h"
#include "textwin/text_wnd.h"
#include "textwin/traffic_dlg.h"

namespace brxw {
namespace {

using std::chrono::milliseconds;
using test::WaitUntil;

#ifdef BRXW_HAVE_DBUS
// The desktop's notification service, as far as the alerts use it.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList bodies;
    QList<uint> replaced;

public slots:
    uint Notify(const QString& app, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout) {
        EXPECT_EQ(app, "brxW");
        EXPECT_EQ(icon, "brxw");
        EXPECT_EQ(summary, "brxW");
        EXPECT_TRUE(actions.isEmpty());
        EXPECT_EQ(hints.value("desktop-entry").toString(), "brxw");
        EXPECT_EQ(timeout, -1);
        bodies << body;
        replaced << replacesId;
        return 40 + static_cast<uint>(bodies.size());
    }
};

// A session bus of the test's own, when the machine has the daemon.
TEST(AlertsDesktop, NotificationsGoToTheServiceWithoutWaitingAndReplaceTheirKindsLast) {
    QProcess daemon;
    daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    if (!daemon.waitForStarted(5000) || !daemon.waitForReadyRead(5000)) {
        GTEST_SKIP() << "no dbus-daemon here";
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", daemon.readLine().trimmed());
    struct Stop {
        QProcess& daemon;
        ~Stop() {
            daemon.kill();
            daemon.waitForFinished(5000);
        }
    } stop{daemon};

    QStatusBar bar;
    CAlertsNotifier notifier(&bar, [] { return true; });
    // Nobody serves notifications yet: the alert still shows in the status bar.
    notifier.FireTest(false, true);
    EXPECT_EQ(notifier.Pane()->accessibleName(), "Alert: a test of the alerts");
    ASSERT_TRUE(WaitUntil([&] { return !notifier.DesktopError().isEmpty(); }));

    FakeNotifications service;
    QDBusConnection bus = QDBusConnection::sessionBus();
    ASSERT_TRUE(bus.registerObject("/org/freedesktop/Notifications", &service,
                                   QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    notifier.FireTest(false, true);
    ASSERT_TRUE(WaitUntil([&] { return notifier.ShownId(AlertKind::kStation) == 41; }));
    EXPECT_TRUE(notifier.DesktopError().isEmpty());
    notifier.FireTest(false, true);
    ASSERT_TRUE(WaitUntil([&] { return notifier.ShownId(AlertKind::kStation) == 42; }));
    EXPECT_EQ(service.bodies,
              (QStringList{"Alert: a test of the alerts", "Alert: a test of the alerts"}));
    EXPECT_EQ(service.replaced, (QList<uint>{0, 41}));
}
#endif

class AlertsPageTest : public testing::Test {
protected:
    // Validate with the box answered; the box's text, empty when none came.
    QString Refusal(CAlertsPage& page) {
        QString text;
        QTimer::singleShot(0, [&text] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                box->accept();
            }
        });
        const bool ok = page.Validate();
        QApplication::processEvents();
        EXPECT_EQ(ok, text.isEmpty());
        return text;
    }

    QTemporaryDir m_dir;
    AppConfig m_config{m_dir.filePath("BrxW.ini")};
    QStatusBar m_bar;
    CAlertsNotifier m_notifier{&m_bar, [] { return true; }};
};

TEST_F(AlertsPageTest, StoredFaultsShowAndUnusablePatternsAreRefused) {
    ASSERT_TRUE(test::WriteBytes(m_config.Store().Path(),
                                 "[Settings]\r\nAlertTraffic=1\r\nAlertTrafficRegex=1\r\n"
                                 "AlertTrafficPattern=QST [de\r\n"));
    CAlertsPage page(m_config, m_notifier);
    EXPECT_TRUE(page.Traffic().hint->text().startsWith("Not a valid regular expression"));
    EXPECT_TRUE(page.Traffic().on->isChecked());
    EXPECT_EQ(page.Console().hint->text(), "Words separated by commas: any of them.");
    EXPECT_TRUE(Refusal(page).startsWith("Not a valid regular expression"));

    page.Traffic().text->setText("(QST)?");
    EXPECT_TRUE(page.Traffic().hint->text().contains("every line"));
    EXPECT_TRUE(Refusal(page).contains("every line"));
    page.Traffic().text->setText("QST de \\w+");
    EXPECT_EQ(page.Traffic().hint->text(), "A valid regular expression.");

    page.ChosenBox()->setChecked(true);
    EXPECT_EQ(Refusal(page), "Enter the callsigns of the stations to watch for.");
    page.CallsignsEdit()->setText("QA1ABC, QA1ABC-16");
    EXPECT_TRUE(Refusal(page).startsWith("\"QA1ABC-16\" is not a callsign"));
    page.CallsignsEdit()->setText("QA1ABC, DB0XYZ-7");
    page.Console().on->setChecked(true);
    page.Console().text->setText(QString::fromUtf8("Привет"));  // not in Windows-1252
    EXPECT_TRUE(Refusal(page).contains("lacks"));
    page.Console().text->setText("new mail, SYSOP");
    EXPECT_EQ(Refusal(page), "");

    page.Apply();
    const AlertSettings stored = LoadAlertSettings(m_config);
    EXPECT_EQ(stored, page.Edited());
    EXPECT_EQ(stored.traffic.text, "QST de \\w+");
    EXPECT_EQ(m_notifier.Logic().Settings(), stored);
    EXPECT_FALSE(test::ReadBytes(m_config.Store().Path()).find("AlertSound") != std::string::npos)
        << "an unchanged switch is not written";

    // Test fires a sample with the page's switches, before they are applied.
    int bells = 0;
    QStringList desktop;
    m_notifier.ringBell = [&bells] { ++bells; };
    m_notifier.showOnDesktop = [&desktop](const QString& text) { desktop << text; };
    page.SoundBox()->setChecked(true);
    page.TestButton()->click();
    EXPECT_EQ(bells, 1);
    EXPECT_TRUE(desktop.isEmpty());
    EXPECT_EQ(m_notifier.Pane()->accessibleName(), "Alert: a test of the alerts");
    EXPECT_FALSE(m_notifier.Pane()->isHidden());
}

TEST(AlertsOnPeer, ConfiguredInPreferencesRaisedByThePeerAndSummedUp) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath(QStringLiteral("BrxW.ini")));
    test::RunningPeer peer;
    std::unique_ptr<CControlPanel> panel = test::OpenPanelForPeer(config, peer);
    CAlertsNotifier& notifier = panel->AlertsNotifier();
    milliseconds now{1'000'000};
    notifier.Logic().SetClock([&now] { return now; });
    int bells = 0;
    QStringList desktop;
    notifier.ringBell = [&bells] { ++bells; };
    notifier.showOnDesktop = [&desktop](const QString& text) { desktop << text; };
    QLabel* pane = notifier.Pane();
    EXPECT_TRUE(pane->isHidden());  // no alert configured, no pane
    panel->ProgressBegin(1000);     // a reception over pane 1, which an alert will narrow

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CPreferencesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* page = dialog->findChild<CAlertsPage*>();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(dialog->Tabs()->tabText(dialog->Tabs()->indexOf(page)), "Alerts");
        page->ChosenBox()->setChecked(true);
        page->CallsignsEdit()->setText("qa1abc");
        page->Traffic().on->setChecked(true);
        page->Traffic().text->setText("qst");
        page->SoundBox()->setChecked(true);
        page->DesktopBox()->setChecked(true);
        dialog->accept();
    });
    panel->OnCommand(cmd::kPreferences);
    ASSERT_TRUE(notifier.Logic().Settings().chosen);

    panel->OnCommand(cmd::kConnectRemote0);
    ASSERT_TRUE(WaitUntil([&] { return panel->GetSession().LoggedIn(); }));
    panel->OnCommand(cmd::kMonitoringWindow);
    ASSERT_TRUE(WaitUntil([&] { return peer.OptionsByte() & category::kMonitoring; }));
    now += kAlertLoginSettle;

    peer.SendFrame(category::kStationLine, 0, "5 QA1ABC-7 21:00 0:00 0 0 -");
    ASSERT_TRUE(WaitUntil([&] { return !pane->isHidden(); }));
    EXPECT_EQ(pane->accessibleName(), "Alert: QA1ABC-7 connected on channel 5");
    EXPECT_EQ(bells, 1);
    EXPECT_EQ(desktop, QStringList{"Alert: QA1ABC-7 connected on channel 5"});
    panel->ProgressUpdate(10);
    EXPECT_FALSE(panel->Progress()->geometry().intersects(pane->geometry()));
    panel->ProgressEnd();

    // The word arrives in two frames; then a flood of it.
    peer.Server().SendTraffic(category::kMonitoring, 0, 1, "Q4BBS> Q");
    peer.Server().SendTraffic(category::kMonitoring, 0, 1, "ST de Q4BBS\n");
    ASSERT_TRUE(WaitUntil([&] { return bells == 2; }));
    EXPECT_EQ(pane->accessibleName(), "Alert: monitoring: Q4BBS> QST de Q4BBS");
    for (int i = 0; i < 20; ++i) {
        peer.Server().SendTraffic(category::kMonitoring, 0, 1,
                                  "QST " + QByteArray::number(i) + "\n");
    }
    peer.Server().SendTraffic(category::kMonitoring, 0, 1, "end\n");
    const TextRing& ring = panel->Monitoring()->TextView()->Ring();
    ASSERT_TRUE(WaitUntil(
        [&] { return AnsiToQString(ring.Line(ring.WriteLine() - 1).Cells()).startsWith("end"); }));
    EXPECT_TRUE(notifier.SummaryTimer().isActive());
    EXPECT_EQ(bells, 2);
    now += kAlertQuietPeriod;
    notifier.EndQuietPeriods();
    EXPECT_EQ(pane->accessibleName(), "Alert: 20 more, the last: monitoring: QST 19");
    EXPECT_EQ(desktop.size(), 3);
    EXPECT_EQ(bells, 3);
}

}  // namespace
}  // namespace brxw

#include "alerts_page_test.moc"
