// SPDX-License-Identifier: GPL-3.0-or-later
#include "alerts/alerts.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include <random>
#include <string>
#include <vector>

#include "config/app_config.h"
#include "config/config_test_support.h"

namespace brxw {

void PrintTo(const AlertNotice& notice, std::ostream* os) {
    *os << "{kind " << static_cast<int>(notice.kind) << ", \"" << notice.Text().toStdString()
        << "\"}";
}

namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class AlertsTest : public testing::Test {
protected:
    AlertsTest() {
        m_settings.traffic = {true, false, false, "QST, new bulletin"};
        m_settings.console = {true, true, false, R"(new mail for \w+)"};
        m_settings.stations = true;
        m_settings.chosen = true;
        m_settings.callsigns = "q5mv, Q3CN-2";
        m_alerts.Configure(m_settings);
        m_alerts.SetAnsiMode(true);
    }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const AlertNotice& n : m_got) {
            texts.push_back(n.Text());
        }
        return texts;
    }
    void Pass(milliseconds time) { m_now += time; }

    milliseconds m_now{1'000'000};
    std::vector<AlertNotice> m_got;
    AlertSettings m_settings;
    Alerts m_alerts{[this](const AlertNotice& n) { m_got.push_back(n); }, [this] { return m_now; }};
};

TEST_F(AlertsTest, BurstGivesOneAlertAtOnceAndOneSummaryWhenTheQuietPeriodEnds) {
    std::string burst;
    for (int i = 0; i < 50; ++i) {
        burst += "QST de Q4BBS " + std::to_string(i) + "\r\n";
    }
    m_alerts.MonitoringText(burst);
    m_alerts.ChannelText(4, "q4bbs: qst again\n");
    // Another kind has a period of its own.
    m_alerts.ConsoleText("12:00 New mail for SYSOP\n");
    ASSERT_EQ(m_got.size(), 2u);
    EXPECT_EQ(m_got[0], (AlertNotice{AlertKind::kTraffic, "monitoring: QST de Q4BBS 0", 0}));
    EXPECT_EQ(m_got[1].kind, AlertKind::kConsole);
    EXPECT_EQ(m_alerts.NextDue(), m_now + kAlertQuietPeriod);  // the console has nothing waiting

    Pass(kAlertQuietPeriod - milliseconds(1));
    m_alerts.Tick();
    EXPECT_EQ(m_got.size(), 2u);
    Pass(milliseconds(1));
    m_alerts.Tick();
    m_alerts.Tick();
    ASSERT_EQ(m_got.size(), 3u);
    EXPECT_EQ(m_got[2].Text(), "Alert: 50 more, the last: channel 4: q4bbs: qst again");
    EXPECT_FALSE(m_alerts.NextDue());

    // A period that passed quietly lets the next match through at once.
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.MonitoringText("new bulletin\n");
    ASSERT_EQ(m_got.size(), 4u);
    EXPECT_EQ(m_got[3].Text(), "Alert: monitoring: new bulletin");

    // A match that comes when a period has ended but the tick has not yet asked for its summary
    // brings the summary out first and counts towards the next one: no match is lost.
    m_alerts.MonitoringText("QST two\n");
    Pass(kAlertQuietPeriod);
    m_alerts.MonitoringText("QST three\n");
    ASSERT_EQ(m_got.size(), 5u);
    EXPECT_EQ(m_got[4].Text(), "Alert: 1 more, the last: monitoring: QST two");
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    ASSERT_EQ(m_got.size(), 6u);
    EXPECT_EQ(m_got[5].Text(), "Alert: 1 more, the last: monitoring: QST three");

    // Of two kinds with a summary waiting, the earlier is due first, and on time.
    m_got.clear();
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.ConsoleText("new mail for Q1ABC\nnew mail for Q2XYZ\n");
    const milliseconds consoleDue = m_now + kAlertQuietPeriod;
    Pass(seconds(10));
    m_alerts.MonitoringText("QST one\nQST two\n");
    EXPECT_EQ(m_alerts.NextDue(), consoleDue);
    Pass(kAlertQuietPeriod - seconds(10));
    m_alerts.Tick();
    ASSERT_EQ(m_got.size(), 3u);
    EXPECT_EQ(m_got[2].Text(), "Alert: 1 more, the last: console: new mail for Q2XYZ");
    EXPECT_EQ(m_alerts.NextDue(), consoleDue + seconds(10));
}

TEST_F(AlertsTest, StationsConnectingAndChosenCallsigns) {
    m_alerts.SessionStarted();
    // The list the BBS sends at login is the stations already there.
    m_alerts.StationLine("1 Q8LT-9 12:00 0:10 1 0 -");
    m_alerts.StationLine("2 Q5MV-3 12:00 0:10 1 0 -");
    EXPECT_TRUE(m_got.empty());

    Pass(kAlertLoginSettle);
    m_alerts.StationLine("1 Q8LT-9 12:00 0:11 1 0 -");  // new figures, same station
    m_alerts.StationLine(">7 Q5MV-14 12:01 0:00 0 0 -");
    m_alerts.StationLine("8 Q3CN 12:01 0:00 0 0 -");   // Q3CN-2 is listed, not Q3CN
    m_alerts.StationLine("9 Q2XYZ 12:01 0:00 0 0 -");  // the station kind's quiet period
    m_alerts.StationLine("garbage");
    EXPECT_EQ(Texts(), (std::vector<QString>{"Alert: Q5MV-14 connected on channel 7",
                                             "Alert: Q3CN connected on channel 8"}));
    EXPECT_EQ(m_got[0].kind, AlertKind::kChosen);
    EXPECT_EQ(m_got[1].kind, AlertKind::kStation);

    // A station leaving and coming back, or another station on the channel, is a connect.
    m_got.clear();
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();  // the summary for Q2XYZ
    m_alerts.StationLine("!7");
    m_alerts.StationLine("7 Q3CN-2 12:05 0:00 0 0 -");
    m_alerts.StationLine("8");
    m_alerts.StationLine("8 Q3CN 12:05 0:00 0 0 -");
    EXPECT_EQ(Texts(),
              (std::vector<QString>{"Alert: 1 more, the last: Q2XYZ connected on channel 9",
                                    "Alert: Q3CN-2 connected on channel 7"}));

    // With only the chosen switch, other stations pass silently.
    m_got.clear();
    m_settings.stations = false;
    m_alerts.Configure(m_settings);
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.StationLine("10 Q9AAA 12:06 0:00 0 0 -");
    m_alerts.StationLine("11 Q5MV 12:06 0:00 0 0 -");
    EXPECT_EQ(Texts(), (std::vector<QString>{"Alert: 1 more, the last: Q3CN connected on channel 8",
                                             "Alert: Q5MV connected on channel 11"}));

    // After a reconnect the stations of the last session are forgotten: a listed station back
    // on the channel it had before is a connect.
    m_got.clear();
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.SessionStarted();
    m_alerts.StationLine("10 Q9AAA 12:06 0:04 0 0 -");  // still there
    Pass(kAlertLoginSettle);
    m_alerts.StationLine("11 Q5MV 12:10 0:00 0 0 -");
    EXPECT_EQ(Texts(), (std::vector<QString>{"Alert: Q5MV connected on channel 11"}));
}

TEST_F(AlertsTest, LinesAreAssembledPerSourceAcrossFrames) {
    // "QST" split over two frames of channel 3, with channel 5's traffic between them.
    m_alerts.ChannelText(3, "de Q4BBS: Q");
    m_alerts.ChannelText(5, "nothing here\nQ");
    m_alerts.ChannelText(3, "ST today\n");
    m_alerts.ChannelText(5, "S");  // no line feed yet
    ASSERT_EQ(Texts(), (std::vector<QString>{"Alert: channel 3: de Q4BBS: QST today"}));

    // The DOS character set is converted as the windows convert it (0x81 is u-umlaut there).
    m_got.clear();
    m_alerts.SetAnsiMode(false);
    m_settings.console = {true, false, true,
                          "Gr\xFC\xDF"
                          "e"};  // ANSI, as stored
    m_alerts.Configure(m_settings);
    m_alerts.ConsoleText(
        "Gr\x81\xE1"
        "e\n");
    m_alerts.ConsoleText(
        "gr\x81\xE1"
        "e\n");  // the case is to match
    ASSERT_EQ(m_got.size(), 1u);
    EXPECT_EQ(m_got[0].detail, QStringLiteral("console: Grüße"));

    // A line that never ends is matched at its limit; a long one is quoted shortened.
    m_got.clear();
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.ConsoleText(std::string(kAlertMaxLine - 5, 'x') +
                         "Gr\x81\xE1"
                         "e");
    ASSERT_EQ(m_got.size(), 1u);
    EXPECT_EQ(m_got[0].detail, "console: " + QString(kAlertQuoteLength, 'x') + "...");
    // A line of just the quote's length is quoted whole.
    Pass(kAlertQuietPeriod);
    m_alerts.Tick();
    m_alerts.ConsoleText(std::string(kAlertQuoteLength - 5, 'y') +
                         "Gr\x81\xE1"
                         "e\n");
    ASSERT_EQ(m_got.size(), 2u);
    EXPECT_EQ(m_got[1].detail,
              "console: " + QString(kAlertQuoteLength - 5, 'y') + QStringLiteral("Grüße"));
}

// However the server cuts its text into frames, the same lines raise the same alerts; random
// bytes (line feeds, carriage returns, NULs, overlong lines) go through without harm.
TEST(AlertsSplit, AnySplitOfTheStreamGivesTheSameAlerts) {
    std::mt19937 random(1234);
    std::string stream;
    const std::string pieces[] = {"QST",     "qs", "T\n", "\r\n", "\n", "x", std::string(1, '\0'),
                                  "\xE1\x81"};  // DOS sharp s and u-umlaut
    for (int i = 0; i < 4000; ++i) {
        stream += random() % 50 == 0 ? std::string(700, 'q') : pieces[random() % 8];
    }
    const auto alertsOf = [&stream](const std::function<std::size_t(std::size_t)>& cut) {
        std::vector<AlertNotice> got;
        milliseconds now{0};
        // Every match finds its quiet period over, so none is counted away.
        Alerts alerts([&got](const AlertNotice& n) { got.push_back(n); },
                      [&now] { return now += kAlertQuietPeriod; });
        AlertSettings settings;
        settings.traffic = {true, true, false, "q{2}st|\\x{DF}"};
        alerts.Configure(settings);
        for (std::size_t at = 0; at < stream.size();) {
            const std::size_t n = std::min(cut(at), stream.size() - at);
            alerts.ChannelText(-7, std::string_view(stream).substr(at, n));
            at += n;
        }
        return got;
    };
    const auto whole = alertsOf([](std::size_t) { return std::string::npos; });
    EXPECT_GT(whole.size(), 100u);
    EXPECT_EQ(alertsOf([&random](std::size_t) { return 1 + random() % 40; }), whole);
    EXPECT_EQ(alertsOf([](std::size_t) { return 1; }), whole);
}

TEST_F(AlertsTest, StoredPatternsAreUntrusted) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath("BrxW.ini"));
    const std::string longCalls =
        "Q1AAA Q1AAB Q1AAC Q1AAD Q1AAE Q1AAF Q1AAG Q1AAH Q1AAI Q1AAJ "
        "Q1AAK Q1AAL Q1AAM Q1AAN Q1AAO Q5MV";
    ASSERT_TRUE(test::WriteBytes(config.Store().Path(),
                                 "[Settings]\r\nAlertTraffic=1\r\nAlertTrafficRegex=1\r\n"
                                 "AlertTrafficPattern=(QST\r\nAlertConsole=1\r\n"
                                 "AlertConsoleRegex=1\r\nAlertConsolePattern=x*|y?\r\n"
                                 "AlertChosen=1\r\nAlertCallsigns=" +
                                     longCalls + "\r\n"));
    const AlertSettings stored = LoadAlertSettings(config);
    EXPECT_EQ(stored.callsigns, longCalls);  // longer than the 79 bytes of other values
    m_alerts.Configure(stored);
    EXPECT_TRUE(m_alerts.TrafficError().startsWith("Not a valid regular expression"));
    EXPECT_TRUE(m_alerts.ConsoleError().contains("every line"));
    m_alerts.SessionStarted();
    Pass(kAlertLoginSettle);
    m_alerts.MonitoringText("(QST\nQST\n");
    m_alerts.ConsoleText("anything\n\n");
    m_alerts.StationLine("3 Q5MV-1 12:00 0:00 0 0 -");
    EXPECT_EQ(Texts(), (std::vector<QString>{"Alert: Q5MV-1 connected on channel 3"}));

    EXPECT_EQ(CompilePattern({true, false, false, " , ,"}).error, "There is no word to look for.");
    EXPECT_FALSE(CompilePattern({true, false, false, "a.b*"}).expression->match("ab").hasMatch());
    EXPECT_EQ(FirstBadCallsign("Q1ABC, Q1ABC-7 Q5MV-16"), "Q5MV-16");
    EXPECT_FALSE(FirstBadCallsign("q1abc,q1abc-15;;"));
    // Up to nine letters and digits, Z included, before the SSID.
    EXPECT_FALSE(FirstBadCallsign("QZ9ABCDEZ qz9abcdez-15 Z"));
    EXPECT_EQ(FirstBadCallsign("QZ9ABCDEZ QZ9ABCDEZ0-1"), "QZ9ABCDEZ0-1");
}

TEST_F(AlertsTest, NothingSwitchedOnGivesNothingAndWritesNothing) {
    QTemporaryDir dir;
    AppConfig config(dir.filePath("BrxW.ini"));
    const AlertSettings none = LoadAlertSettings(config);
    EXPECT_EQ(none, AlertSettings{});
    EXPECT_TRUE(SaveAlertSettings(config, none, none));
    EXPECT_FALSE(QFile::exists(config.Store().Path()));

    m_settings.stations = m_settings.chosen = false;
    m_settings.traffic.on = m_settings.console.on = false;
    m_alerts.Configure(m_settings);
    m_alerts.SessionStarted();
    Pass(kAlertLoginSettle);
    m_alerts.StationLine("7 Q5MV 12:00 0:00 0 0 -");
    m_alerts.MonitoringText("QST\n");
    m_alerts.ChannelText(1, "QST\n");
    m_alerts.ConsoleText("new mail for SYSOP\n");
    m_alerts.Tick();
    EXPECT_TRUE(m_got.empty());
    EXPECT_FALSE(m_alerts.NextDue());

    // Only what changed is written, and it reads back as written.
    AlertSettings changed = none;
    changed.console = {true, true, true, std::string(200, 'a') + "b"};
    EXPECT_TRUE(SaveAlertSettings(config, none, changed));
    EXPECT_EQ(LoadAlertSettings(config), changed);
    EXPECT_EQ(test::ReadBytes(config.Store().Path()),
              "[Settings]\r\nAlertConsole=1\r\nAlertConsoleRegex=1\r\nAlertConsoleCase=1\r\n"
              "AlertConsolePattern=" +
                  changed.console.text + "\r\n");
}

}  // namespace
}  // namespace brxw
