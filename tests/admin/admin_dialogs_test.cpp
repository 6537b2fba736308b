// SPDX-License-Identifier: GPL-3.0-or-later
// The four administration dialogs on their own (offscreen), driven from the keyboard: what
// each sends, what it shows, and the boxes it raises instead of sending a bad request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>
#include <QTreeView>
#include <algorithm>
#include <random>

#include "admin/admin_dialogs.h"
#include "admin/forward_list.h"
#include "admin/message_properties_dlg.h"
#include "admin/pending_forward_dlg.h"
#include "admin/remote_files_dlg.h"
#include "admin/remote_files_model.h"
#include "admin/user_properties_dlg.h"
#include "support/tilde_translator.h"

namespace brxw::admin {
namespace {

// Every request a dialog sends ("7 GET 10") and every warning it shows.
// With `linked` false nothing goes out, as with the link down.
struct Recorder {
    std::vector<std::string> sent;
    std::vector<std::string> warnings;
    bool linked = true;
    SendRequestFn Send() {
        return [this](std::uint8_t kind, std::string_view text) {
            if (linked) {
                sent.push_back(std::to_string(kind) + ' ' + std::string(text));
            }
            return linked;
        };
    }
    WarningFn Warn() {
        return [this](QWidget*, const std::string& caption, const std::string& text) {
            warnings.push_back(caption + ": " + text);
        };
    }
};

// What a row of a list shows in a column: its text, or with a role another of its data.
QVariant Cell(const QAbstractItemView& view, int row, int column, int role = Qt::DisplayRole) {
    return view.model()->index(row, column).data(role);
}

void Key(QWidget* widget, Qt::Key key) {
    QTest::keyClick(widget, key, Qt::NoModifier);
}

// Shows the dialog as the active window, so that the focus really arrives in its list.
void ShowActive(QDialog& dialog, QWidget* focus) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    focus->setFocus();
    ASSERT_TRUE(focus->hasFocus());
}

using test::Translated;

// In another language the operator reads the captions, labels, buttons, flags and boxes in it,
// while the server reads its own bytes as before: the type and status letters, the field
// numbers and the requests named in a box are never translated.
TEST(AdminDialogs, TranslatedTextsAroundUntranslatedRecords) {
    Translated translated;
    Recorder r;
    CMessagePropertiesDlg message({"9"}, true, r.Send());
    message.SetWarning(r.Warn());
    EXPECT_EQ(message.windowTitle(), QStringLiteral("~Message properties"));
    EXPECT_EQ(message.ApplyButton()->text(), QStringLiteral("~&Apply"));
    const QList<QLabel*> labels = message.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](QLabel* label) {
        return label->text() == QStringLiteral("~T&itle") &&
               label->buddy() == message.Edit("Title");
    }));
    QStringList letters;
    for (QAbstractButton* button : message.TypeGroup()->buttons()) {
        letters << button->text();
    }
    EXPECT_EQ(letters.join(QString()), QStringLiteral("ABPT"));
    message.KeyList()->item(0)->setSelected(true);
    message.RecordReply("1 B\n2 $\n5 983797620\n8 Q2XYZ\n15 983797620\n");
    message.Edit("Title")->setText(QStringLiteral("Hello"));
    message.Apply();
    ASSERT_EQ(r.sent.size(), 2u);
    EXPECT_EQ(r.sent[1].rfind("7 PUT 9 ", 0), 0u) << r.sent[1];
    EXPECT_NE(r.sent[1].find("\n1 B\n2 $\n"), std::string::npos) << r.sent[1];
    EXPECT_NE(r.sent[1].find("\n11 Hello\n"), std::string::npos) << r.sent[1];
    message.Edit("Sent")->setText(QStringLiteral("soon"));
    message.Apply();
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0].rfind("~Message properties: ~The ~Sent box does not hold a date", 0),
              0u)
        << r.warnings[0];

    CUserPropertiesDlg users(ReadUserKeys("Q1ABC\n"), true, r.Send());
    users.SetWarning(r.Warn());
    ASSERT_NE(users.FlagBox("Sysop"), nullptr);
    EXPECT_EQ(users.FlagBox("Sysop")->text(), QStringLiteral("~Sysop"));
    users.UserList()->item(0)->setSelected(true);
    users.RecordReply("1 Q1ABC\n14 8\n22 Anna\n");
    EXPECT_TRUE(users.FlagBox("Sysop")->isChecked());
    users.Apply();
    EXPECT_EQ(r.sent.back(), "6 PUT Q1ABC 35\n14 8\n17 -1\n22 Anna\n27 \n29 \n31 \n32 \n");
    r.linked = false;
    users.DeleteUser();
    EXPECT_EQ(r.warnings.back(),
              "~User properties: ~Not connected to the BBS: \"DEL Q1ABC\" was not sent.");
}

// A "LIST" asked just before the link dropped is answered by nobody: the button asks again in
// the next session.
TEST(AdminDialogs, AListAskedBeforeTheLinkDroppedIsAskedAgain) {
    QWidget owner;
    Recorder r;
    CAdminDialogs dialogs(owner, r.Send(), [] { return true; });
    dialogs.RequestList(7);
    dialogs.RequestList(7);
    EXPECT_EQ(r.sent, (std::vector<std::string>{"7 LIST"}));
    dialogs.SessionEnded();
    dialogs.SessionStarted("Home BBS");
    dialogs.RequestList(7);
    EXPECT_EQ(r.sent, (std::vector<std::string>{"7 LIST", "7 LIST"}));
}

TEST(MessagePropertiesDlg, KeyboardOnlyGetReplyAndApply) {
    Recorder r;
    CMessagePropertiesDlg dialog({"10", "100", "9"}, true, r.Send());
    dialog.SetWarning(r.Warn());
    dialog.show();
    QListWidget* keys = dialog.KeyList();
    ASSERT_EQ(keys->count(), 3);
    EXPECT_EQ(keys->item(0)->text(), QStringLiteral("10"));
    keys->setFocus();
    QTest::keyClicks(keys, QStringLiteral("9"));  // the list's keyboard search
    ASSERT_EQ(r.sent, (std::vector<std::string>{"7 GET 9"}));
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    Key(keys, Qt::Key_Return);  // Apply is the default button, still disabled
    EXPECT_EQ(r.sent.size(), 1u);

    dialog.RecordReply("1 B\n2 $\n5 983797620\n8 Q2XYZ\n11 Old\n15 983797620\n");
    EXPECT_TRUE(dialog.ApplyButton()->isEnabled());
    EXPECT_EQ(CheckedLetter(*dialog.TypeGroup()), 'B');
    dialog.RecordReply("10 XY\n");  // only BID changes
    EXPECT_EQ(dialog.Edit("BID")->text(), QStringLiteral("XY"));
    EXPECT_EQ(dialog.Edit("From")->text(), QStringLiteral("Q2XYZ"));
    dialog.RecordReply("1 Z\n");
    EXPECT_EQ(CheckedLetter(*dialog.TypeGroup()), 0);

    dialog.Edit("Title")->setText(QStringLiteral("New title"));
    Key(keys, Qt::Key_Return);
    ASSERT_EQ(r.sent.size(), 2u);
    EXPECT_EQ(r.sent[1].rfind("7 PUT 9 ", 0), 0u) << r.sent[1];
    EXPECT_NE(r.sent[1].find("\n1 ?\n2 $\n"), std::string::npos);
    EXPECT_NE(r.sent[1].find("\n11 New title\n"), std::string::npos);

    // A date that is not one: a box, and nothing sent.
    dialog.Edit("Sent")->setText(QStringLiteral("soon"));
    dialog.Apply();
    EXPECT_EQ(r.sent.size(), 2u);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("Sent"), std::string::npos);

    Key(keys, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(MessagePropertiesDlg, ApplyWaitsForTheSelectedKeysRecord) {
    Recorder r;
    CMessagePropertiesDlg dialog({"4711", "555"}, true, r.Send());
    dialog.SetWarning(r.Warn());
    ShowActive(dialog, dialog.KeyList());
    QListWidget* keys = dialog.KeyList();
    // The first Down chooses the first key.
    Key(keys, Qt::Key_Down);
    ASSERT_EQ(r.sent, (std::vector<std::string>{"7 GET 4711"}));
    dialog.RecordReply("1 B\n2 N\n5 983804711\n8 Q1ABC\n9 Q2XYZ\n15 983804711\n");
    EXPECT_TRUE(dialog.ApplyButton()->isEnabled());

    // 555's record is slow: its key is not written with 4711's fields meanwhile.
    Key(keys, Qt::Key_Down);
    EXPECT_EQ(r.sent.back(), "7 GET 555");
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    Key(keys, Qt::Key_Return);
    dialog.Apply();
    EXPECT_EQ(r.sent.size(), 2u);
    // Back to 4711 and on to 555 again before any reply: the first reply answers 555's
    // first request, not the key selected now.
    Key(keys, Qt::Key_Up);
    Key(keys, Qt::Key_Down);
    dialog.RecordReply("8 Q5AAA\n");
    // 555 is shown and selected, but its second reply would overwrite what is typed now.
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    dialog.RecordReply("8 Q4BBB\n");
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    dialog.RecordReply("8 Q5CCC\n");
    ASSERT_TRUE(dialog.ApplyButton()->isEnabled());
    Key(keys, Qt::Key_Return);
    EXPECT_EQ(r.sent.back().rfind("7 PUT 555 ", 0), 0u) << r.sent.back();
    EXPECT_NE(r.sent.back().find("\n8 Q5CCC\n"), std::string::npos);

    // Tab enters the Type and Status groups on their checked buttons.
    const auto button = [](QButtonGroup* group, char letter) {
        for (QAbstractButton* b : group->buttons()) {
            if (b->text() == QString(QLatin1Char(letter))) {
                return b;
            }
        }
        return static_cast<QAbstractButton*>(nullptr);
    };
    dialog.DataBox()->setFocus();
    Key(dialog.DataBox(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), button(dialog.TypeGroup(), 'B'));
    Key(dialog.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), button(dialog.StatusGroup(), 'N'));

    // With the link down a choice asks for nothing and says so; Apply stays off, as the boxes
    // show 555's record and 4711 is selected.
    r.linked = false;
    keys->setFocus();
    Key(keys, Qt::Key_Up);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_NE(r.warnings[0].find("GET 4711"), std::string::npos) << r.warnings[0];
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    dialog.SessionEnded();
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
}

TEST(UserPropertiesDlg, FindGetApplyAddAndDelete) {
    Recorder r;
    CUserPropertiesDlg dialog(ReadUserKeys("Q2XYZ\nQ1ABC\nQ0QQQ\n1 ALPHA\n2 BRAVO\n"), true,
                              r.Send());
    dialog.SetWarning(r.Warn());
    std::optional<std::string> typed;
    dialog.SetAskCallsign([&](QWidget*) { return typed; });
    dialog.show();
    QListWidget* users = dialog.UserList();
    users->setFocus();
    QTest::keyClicks(users, QStringLiteral("q1"));
    ASSERT_FALSE(r.sent.empty());
    EXPECT_EQ(r.sent.back(), "6 GET Q1ABC");
    EXPECT_FALSE(dialog.DeleteButton()->isEnabled());  // until the reply

    // The search chose Q0QQQ on "q", then Q1ABC: Apply waits for both replies.
    dialog.RecordReply("1 Q0QQQ\n22 Otto\n");
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    ASSERT_EQ(users->selectedItems().size(), 1);  // still the user chosen last
    EXPECT_EQ(users->selectedItems().front()->text(), QStringLiteral("Q1ABC"));
    dialog.RecordReply("1 Q1ABC-3\n14 4352\n22 Anna\n");
    ASSERT_EQ(users->selectedItems().size(), 1);
    EXPECT_EQ(users->selectedItems().front()->text(), QStringLiteral("Q1ABC"));
    EXPECT_TRUE(dialog.FlagBox("Read all")->isChecked());
    EXPECT_FALSE(dialog.FlagBox("Sysop")->isChecked());
    EXPECT_TRUE(dialog.ChoiceList()->selectedItems().isEmpty());
    dialog.FlagBox("Read all")->setChecked(false);
    std::vector<std::string> kept;
    dialog.SetKeepWritten([&](std::uint8_t kind, std::string_view request) {
        kept.push_back(std::to_string(kind) + ' ' + std::string(request));
        return std::string(kept.size() == 1 ? "" : "/state/brxw: full");
    });
    QTest::keyClick(dialog.Edit("Name"), Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "6 PUT Q1ABC 38\n14 4096\n17 -1\n22 Anna\n27 \n29 \n31 \n32 \n");
    EXPECT_EQ(kept, std::vector<std::string>{r.sent.back()});
    EXPECT_TRUE(r.warnings.empty());
    // Q2XYZ's record comes without flags: Q1ABC's hidden 4096 is not written under Q2XYZ.
    users->setCurrentRow(users->count() - 1);
    dialog.RecordReply("1 Q2XYZ\n22 Bert\n");
    dialog.FlagBox("Sysop")->setChecked(true);
    dialog.Apply();
    EXPECT_EQ(r.sent.back(), "6 PUT Q2XYZ 35\n14 8\n17 -1\n22 Bert\n27 \n29 \n31 \n32 \n");
    // A record sent but not kept says where and why.
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings.back(), "User properties: /state/brxw: full");
    r.warnings.clear();

    // A reply for a user the list does not hold selects nobody; nothing can be written.
    dialog.RecordReply("1 Q9NONE\n17 2\n");
    EXPECT_TRUE(users->selectedItems().isEmpty());
    EXPECT_EQ(dialog.ChoiceList()->selectedItems().front()->text(), QStringLiteral("BRAVO"));
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    const std::size_t before = r.sent.size();
    dialog.Apply();
    dialog.DeleteUser();
    EXPECT_EQ(r.sent.size(), before);
    EXPECT_EQ(r.warnings.size(), 1u);

    typed = "Q1ABC";
    dialog.AddUser();
    EXPECT_EQ(r.warnings.back(), "Add user: Callsign Q1ABC already exists");
    EXPECT_EQ(r.sent.size(), before);
    typed = "Q1AB";
    dialog.AddUser();
    EXPECT_EQ(r.sent.back(), "6 NEW Q1AB");
    EXPECT_EQ(users->item(1)->text(), QStringLiteral("Q1AB"));

    dialog.RecordReply("1 Q1AB\n");
    dialog.DeleteUser();
    EXPECT_EQ(r.sent.back(), "6 DEL Q1AB");
    EXPECT_EQ(users->count(), 3);
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
}

// A list of thousands filled at once keeps the order and the exact bytes of every key (also one
// outside ASCII), a reply selects the user it names (the first of those equal but for case),
// and Add user and Del user put an entry between its neighbours and take it out again.
TEST(UserPropertiesDlg, ABigListKeepsOrderKeysAndNeighbours) {
    std::string file;
    std::mt19937 random(25);
    for (int i = 0; i < 3000; ++i) {
        file += "Q" + std::to_string(random() % 10) + static_cast<char>('A' + random() % 26) +
                static_cast<char>('A' + random() % 26) + std::to_string(i % 7) + "\n";
    }
    file += "q5mix\nQ5MIX\nQ7\x80X\n1 ALPHA\n";
    const UserKeys keys = ReadUserKeys(file);
    Recorder r;
    CUserPropertiesDlg dialog(keys, true, r.Send());
    dialog.SetWarning(r.Warn());
    QListWidget* users = dialog.UserList();
    const auto listed = [&] {
        std::vector<std::string> calls;
        for (int i = 0; i < users->count(); ++i) {
            calls.push_back(KeyOf(*users->item(i)));
        }
        return calls;
    };
    ASSERT_EQ(listed(), keys.callsigns);
    const auto euro = std::find(keys.callsigns.begin(), keys.callsigns.end(), "Q7\x80X");
    ASSERT_NE(euro, keys.callsigns.end());
    EXPECT_EQ(users->item(static_cast<int>(euro - keys.callsigns.begin()))->text(),
              QString::fromUtf8("Q7\u20ACX"));
    EXPECT_TRUE(users->selectedItems().isEmpty());

    // Each reply selects the row the list's first match names.
    for (const std::string& call : {std::string("q5Mix"), std::string("Q7\x80X"), keys.callsigns[0],
                                    keys.callsigns[1500], keys.callsigns.back()}) {
        dialog.RecordReply("1 " + call + "\n");
        const auto row = FindCallsign(keys.callsigns, call);
        ASSERT_TRUE(row) << call;
        ASSERT_EQ(users->selectedItems().size(), 1);
        EXPECT_EQ(users->row(users->selectedItems().front()), static_cast<int>(*row)) << call;
    }

    std::optional<std::string> typed = "Q5MIX";
    dialog.SetAskCallsign([&](QWidget*) { return typed; });
    const std::size_t sent = r.sent.size();
    dialog.AddUser();  // there already, in another case
    EXPECT_EQ(r.sent.size(), sent);
    typed = "Q5MIXA";
    dialog.AddUser();
    EXPECT_EQ(r.sent.back(), "6 NEW Q5MIXA");
    std::vector<std::string> added = keys.callsigns;
    const auto place = std::lower_bound(added.begin(), added.end(), "Q5MIXA", ListOrder);
    const int row = static_cast<int>(place - added.begin());
    added.insert(place, "Q5MIXA");
    EXPECT_EQ(listed(), added);
    ASSERT_EQ(users->selectedItems().size(), 1);
    EXPECT_EQ(users->row(users->selectedItems().front()), row);
    dialog.DeleteUser();
    EXPECT_EQ(r.sent.back(), "6 DEL Q5MIXA");
    EXPECT_EQ(listed(), keys.callsigns);
}

TEST(UserPropertiesDlg, AddKeepsTheBoxesAndNothingChangesUnsent) {
    Recorder r;
    CUserPropertiesDlg dialog(ReadUserKeys("Q1ABC\nQ2XYZ\n"), true, r.Send());
    dialog.SetWarning(r.Warn());
    std::optional<std::string> typed = "Q1AB";
    dialog.SetAskCallsign([&](QWidget*) { return typed; });
    QListWidget* users = dialog.UserList();
    ShowActive(dialog, users);
    Key(users, Qt::Key_Down);  // the first Down chooses the first user
    ASSERT_EQ(r.sent, (std::vector<std::string>{"6 GET Q1ABC"}));
    dialog.RecordReply("1 Q1ABC\n14 0\n22 Anna\n");
    ASSERT_TRUE(dialog.ApplyButton()->isEnabled());
    dialog.Edit("Name")->setText(QStringLiteral("Anna B"));

    // Q1AB goes in above the selected Q1ABC: only NEW goes out, the new entry is selected,
    // the boxes keep the edit, and nothing can be written under Q1AB before its record.
    dialog.AddUser();
    EXPECT_EQ(r.sent, (std::vector<std::string>{"6 GET Q1ABC", "6 NEW Q1AB"}));
    ASSERT_EQ(users->selectedItems().size(), 1);
    EXPECT_EQ(users->selectedItems().front()->text(), QStringLiteral("Q1AB"));
    EXPECT_EQ(dialog.Edit("Name")->text(), QStringLiteral("Anna B"));
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());
    // Enter, or a click, on the selected new entry asks for its record; no PUT goes out.
    Key(users, Qt::Key_Return);
    QTest::mouseClick(users->viewport(), Qt::LeftButton, Qt::NoModifier,
                      users->visualItemRect(users->selectedItems().front()).center());
    EXPECT_EQ(r.sent, (std::vector<std::string>{"6 GET Q1ABC", "6 NEW Q1AB", "6 GET Q1AB"}));
    dialog.RecordReply("1 Q1AB\n14 0\n");
    EXPECT_TRUE(dialog.ApplyButton()->isEnabled());

    // With the link down: a box each time, and the list stays as the server has it.
    r.linked = false;
    dialog.DeleteUser();
    typed = "Q3NEW";
    dialog.AddUser();
    dialog.Apply();
    EXPECT_EQ(r.sent.size(), 3u);
    ASSERT_EQ(r.warnings.size(), 3u);
    EXPECT_NE(r.warnings[0].find("DEL Q1AB"), std::string::npos) << r.warnings[0];
    EXPECT_NE(r.warnings[1].find("NEW Q3NEW"), std::string::npos) << r.warnings[1];
    EXPECT_NE(r.warnings[2].find("PUT Q1AB"), std::string::npos) << r.warnings[2];
    ASSERT_EQ(users->count(), 3);
    EXPECT_EQ(users->item(0)->text(), QStringLiteral("Q1AB"));
    EXPECT_EQ(users->item(2)->text(), QStringLiteral("Q2XYZ"));
    EXPECT_TRUE(users->item(0)->isSelected());
}

TEST(InputDlg, UpperCasesAndRefusesOtherCharacters) {
    Recorder r;
    CInputDlg input;
    input.SetWarning(r.Warn());
    input.show();
    EXPECT_FALSE(input.OkButton()->isEnabled());
    QTest::keyClicks(input.Edit(), QStringLiteral("Q1ABC-1"));
    QTest::keyClick(input.Edit(), Qt::Key_Return);
    EXPECT_TRUE(input.isVisible());
    EXPECT_EQ(r.warnings, (std::vector<std::string>{"Input: Invalid callsign\r\nQ1ABC-1"}));
    input.Edit()->clear();
    QTest::keyClicks(input.Edit(), QStringLiteral("q1abc"));
    QTest::keyClick(input.Edit(), Qt::Key_Return);
    EXPECT_EQ(input.result(), QDialog::Accepted);
    EXPECT_EQ(input.Callsign(), "Q1ABC");
    // The callsign area holds 19 characters: more cannot be typed.
    CInputDlg longer;
    QTest::keyClicks(longer.Edit(), QString(25, QLatin1Char('A')));
    EXPECT_EQ(longer.Edit()->text().size(), 19);
}

TEST(PendingForwardDlg, ColoursAndStart) {
    Recorder r;
    CPendingForwardDlg dialog(ReadForwardList("1 Q1BBS 0 2 5K\n\n2 Q2BBS 3 1 20K\n"), r.Send());
    dialog.show();
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 3);
    QTest::keyClick(list, Qt::Key_Return);  // nothing selected: the dialog stays
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(r.sent.empty());

    // The entries as drawn: blue, a black dot, red; the status digit not shown.
    const QImage image = list->viewport()->grab().toImage();
    const auto hasColour = [&](int row, QRgb colour) {
        const QRect rect = list->visualItemRect(list->item(row));
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (image.pixel(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_TRUE(hasColour(0, qRgb(0, 0, 255)));
    EXPECT_FALSE(hasColour(1, qRgb(255, 0, 0)));
    EXPECT_TRUE(hasColour(2, qRgb(255, 0, 0)));
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("Q2BBS\t3/1 - 20K"));

    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(r.sent, (std::vector<std::string>{"4 START 2"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(PendingForwardDlg, FirstDownChoosesTheFirstEntryAndCountsStayInTheirColumn) {
    Recorder r;
    CPendingForwardDlg dialog(
        ReadForwardList("1 Q1BBS 0 2 5K\n2 Q1VERYLONGBBSNAME.EU 0 2 5K\n3 Q3BBS 0 0 0K\n"),
        r.Send());
    ShowActive(dialog, dialog.List());
    QListWidget* list = dialog.List();
    // Every name has room before the counts, and the whole entry is the tooltip and what a
    // screen reader reads.
    const auto* delegate = dynamic_cast<CForwardEntryDelegate*>(list->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    const QFontMetrics metrics(list->font());
    const int tabStop = delegate->TabStop(metrics);
    EXPECT_GT(tabStop, metrics.horizontalAdvance(QStringLiteral("Q1VERYLONGBBSNAME.EU")));
    EXPECT_EQ(list->item(1)->toolTip(), QStringLiteral("Q1VERYLONGBBSNAME.EU 0/2 - 5K"));
    EXPECT_EQ(list->item(1)->data(Qt::AccessibleTextRole), list->item(1)->toolTip());
    // The counts of a short and a long name are drawn alike at the same place: the part of
    // each row from the tab stop on is the same picture.
    const QImage image = list->viewport()->grab().toImage();
    const auto countsPart = [&](int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        return image.copy(rect.adjusted(tabStop, 0, 0, 0));
    };
    EXPECT_GE(list->visualItemRect(list->item(1)).width(),
              tabStop + metrics.horizontalAdvance(QStringLiteral("0/2 - 5K")));
    EXPECT_EQ(countsPart(0), countsPart(1));
    EXPECT_NE(countsPart(0), countsPart(2));  // other counts do show otherwise

    dialog.SetWarning(r.Warn());
    Key(list, Qt::Key_Down);
    r.linked = false;  // unsent: a box, and the dialog stays for another try
    Key(list, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(r.warnings.size(), 1u);
    r.linked = true;
    Key(list, Qt::Key_Return);
    EXPECT_EQ(r.sent, (std::vector<std::string>{"4 START 0"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(RemoteFilesDlg, ListingOpenAndUp) {
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("brx_directory.txt"));
    const auto write = [&](const QByteArray& text) {
        QFile file(listing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    Recorder r;
    CRemoteFilesDlg dialog(r.Send());
    dialog.show();
    dialog.Start();
    EXPECT_EQ(r.sent, (std::vector<std::string>{"1 "}));
    dialog.Open();  // nothing chosen yet
    EXPECT_EQ(r.sent.size(), 1u);

    write("- 4096 init.cfg oct-12-12:30\nd 0 mail jan-05-2001\n");
    dialog.Listing(listing);
    EXPECT_FALSE(QFile::exists(listing));
    QTreeView* tree = dialog.Tree();
    ASSERT_EQ(tree->model()->rowCount(), 2);
    EXPECT_EQ(Cell(*tree, 0, 0), QStringLiteral("mail"));
    EXPECT_EQ(Cell(*tree, 0, 1), QStringLiteral("05/01    2001"));
    EXPECT_EQ(Cell(*tree, 0, 2), QString());
    EXPECT_EQ(Cell(*tree, 1, 0), QStringLiteral("init.cfg"));
    EXPECT_EQ(Cell(*tree, 1, 1), QStringLiteral("12/10    12:30"));
    EXPECT_EQ(Cell(*tree, 1, 2), QStringLiteral("4096"));
    // A folder's icon before its name, a file's another; the other columns have none.
    const auto icon = [&](int row, int column) {
        return Cell(*tree, row, column, Qt::DecorationRole).value<QIcon>();
    };
    EXPECT_FALSE(icon(0, 0).isNull());
    EXPECT_FALSE(icon(1, 0).isNull());
    EXPECT_NE(icon(0, 0).cacheKey(), icon(1, 0).cacheKey());
    EXPECT_TRUE(icon(0, 1).isNull() && icon(0, 2).isNull());
    EXPECT_EQ(tree->model()->headerData(2, Qt::Horizontal), QStringLiteral("Size"));

    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Down);
    EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("mail"));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "1 mail");
    // The name shows the choice as text on the dialog, not as a box to type in.
    EXPECT_FALSE(dialog.NameBox()->hasFrame());
    EXPECT_EQ(dialog.NameBox()->palette().color(QPalette::Base),
              dialog.palette().color(QPalette::Window));
    // An empty directory says so; the directory shown is the one listed.
    write("");
    dialog.Listing(listing);
    EXPECT_EQ(tree->model()->rowCount(), 0);
    EXPECT_EQ(dialog.DirectoryLabel()->text(), QStringLiteral("/mail"));
    dialog.UpButton()->click();
    EXPECT_EQ(r.sent.back(), "1 /");
    // A listing that cannot be read changes nothing.
    dialog.Listing(work.filePath(QStringLiteral("missing.txt")));
    write("- 12 welcome.txt jan-01-2001\n");
    dialog.Listing(listing);
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "2 welcome.txt");
    dialog.FileArrived();  // the dialog ends with the file it asked for
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// A name outside ASCII is shown in the code page and asked for with the bytes the server sent;
// the items of a big folder come in the listing's order, directories first.
TEST(RemoteFilesDlg, NamesAreAskedForAsTheServerSentThem) {
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("brx_directory.txt"));
    QByteArray text;
    for (int i = 0; i < 2000; ++i) {
        text += "- " + QByteArray::number(i) + " f" + QByteArray::number(i) + ".txt jan-01-2001\n";
    }
    text += "d 0 \x80t\xE9 jan-05-2001\n";
    QFile file(listing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    Recorder r;
    CRemoteFilesDlg dialog(r.Send());
    dialog.show();
    dialog.Start();
    dialog.Listing(listing);
    QTreeView* tree = dialog.Tree();
    ASSERT_EQ(tree->model()->rowCount(), 2001);
    EXPECT_EQ(Cell(*tree, 0, 0), QString::fromUtf8("\u20ACt\u00E9"));
    EXPECT_EQ(Cell(*tree, 1, 0), QStringLiteral("f0.txt"));
    EXPECT_EQ(Cell(*tree, 2000, 2), QStringLiteral("1999"));
    tree->setCurrentIndex(tree->model()->index(0, 0));
    dialog.Open();
    EXPECT_EQ(r.sent.back(), "1 \x80t\xE9");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    dialog.Listing(listing);  // the same again, inside it
    tree->setCurrentIndex(tree->model()->index(1234, 1));
    dialog.Open();
    EXPECT_EQ(r.sent.back(), "2 \x80t\xE9/f1233.txt");
}

TEST(RemoteFilesDlg, NothingIsChosenUntilTheOperatorMoves) {
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("brx_directory.txt"));
    const auto deliver = [&](CRemoteFilesDlg& dialog, const QByteArray& text) {
        QFile file(listing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        dialog.Listing(listing);
    };
    Recorder r;
    CRemoteFilesDlg dialog(r.Send());
    dialog.Start();
    deliver(dialog, "d 0 mail jan-05-2001\n- 4096 init.cfg oct-12-12:30\n");
    QTreeView* tree = dialog.Tree();
    ShowActive(dialog, tree);
    Key(tree, Qt::Key_Return);  // the focus arriving chose nothing
    EXPECT_EQ(r.sent, (std::vector<std::string>{"1 "}));
    Key(tree, Qt::Key_Down);  // the first Down chooses the first item
    EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("mail"));
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "1 mail");
    // The name belonged to the root: a second Enter does not ask for mail/mail.
    EXPECT_EQ(dialog.NameBox()->text(), QString());
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.size(), 2u);
    deliver(dialog, "d 0 sub jan-05-2001\n");
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.size(), 2u);
    Key(tree, Qt::Key_Down);
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "1 mail/sub");
    deliver(dialog, "");
    dialog.UpButton()->click();
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent.back(), "1 /mail");
}

// A click on a column's title puts the directories first again, the order within a type kept;
// the item the operator is on stays current and chosen, in whatever row it lands.
TEST(RemoteFilesDlg, ATitleClickSortsDirectoriesFirstAndKeepsTheChoice) {
    CRemoteFilesModel model(
        {QStringLiteral("Name"), QStringLiteral("Date"), QStringLiteral("Size")}, QIcon(), QIcon());
    model.SetItems(
        {{'-', "1", "a", ""}, {'d', "", "b", ""}, {'-', "3", "c", "x"}, {'d', "", "d", ""}});
    const QPersistentModelIndex c(model.index(2, 2));
    model.SortDirectoriesFirst();
    std::string names;
    for (int row = 0; row < model.rowCount(); ++row) {
        names += std::string(model.Name(row)) + model.Type(row);
    }
    EXPECT_EQ(names, "bddda-c-");
    EXPECT_EQ(c.row(), 3);
    EXPECT_EQ(c.column(), 2);
    EXPECT_EQ(c.data(), QStringLiteral("3"));
    EXPECT_EQ(model.index(3, 1).data(), QStringLiteral("x"));

    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("brx_directory.txt"));
    QFile file(listing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("d 0 mail jan-05-2001\n- 4096 init.cfg oct-12-12:30\n- 1 notes.txt oct-12-12:30\n");
    file.close();
    Recorder r;
    CRemoteFilesDlg dialog(r.Send());
    dialog.Start();
    dialog.Listing(listing);
    QTreeView* tree = dialog.Tree();
    ShowActive(dialog, tree);
    Key(tree, Qt::Key_Down);
    Key(tree, Qt::Key_Down);
    ASSERT_EQ(dialog.NameBox()->text(), QStringLiteral("init.cfg"));
    QHeaderView* header = tree->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    EXPECT_EQ(Cell(*tree, 0, 0), QStringLiteral("mail"));
    EXPECT_EQ(tree->currentIndex().row(), 1);
    EXPECT_TRUE(tree->selectionModel()->isRowSelected(1, {}));
    EXPECT_EQ(dialog.NameBox()->text(), QStringLiteral("init.cfg"));
    Key(tree, Qt::Key_Return);
    EXPECT_EQ(r.sent, (std::vector<std::string>{"1 ", "2 init.cfg"}));
}

// Across a lost link the dialog shows and asks for only what the server listed in this
// session: navigation with the link down is refused and changes nothing, a listing asked for
// before the loss is not placed, a new session starts from the root's listing, and a listing
// that never comes is reported.
TEST(RemoteFilesDlg, OnlyWhatThisSessionListedIsShownAndAskedFor) {
    QTemporaryDir work;
    const QString listing = work.filePath(QStringLiteral("brx_directory.txt"));
    Recorder r;
    CRemoteFilesDlg dialog(r.Send());
    dialog.SetWarning(r.Warn());
    dialog.SetListingWait(20);
    const auto deliver = [&](const QByteArray& text) {
        QFile file(listing);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        dialog.Listing(listing);
    };
    QTreeView* tree = dialog.Tree();
    const auto open = [&](int row) {
        tree->setCurrentIndex(tree->model()->index(row, 0));
        dialog.Open();
    };
    dialog.show();
    dialog.Start();
    deliver("d 0 help jan-05-2001\n- 12 readme.txt jan-05-2001\n");
    open(0);
    ASSERT_EQ(r.sent, (std::vector<std::string>{"1 ", "1 help"}));
    EXPECT_TRUE(dialog.NoteLabel()->text().contains(QStringLiteral("/help")));

    dialog.SessionEnded();
    EXPECT_TRUE(dialog.NoteLabel()->text().contains(QStringLiteral("lost")));
    open(0);
    open(1);
    EXPECT_EQ(r.sent.size(), 2u);
    ASSERT_EQ(r.warnings.size(), 2u);
    EXPECT_EQ(r.warnings[0], "Remote files: Not connected to the BBS: \"/help\" was not sent.");
    deliver("- 3 rules.txt jan-05-2001\n");  // help's listing, late: not this session's
    EXPECT_EQ(dialog.DirectoryLabel()->text(), QStringLiteral("/"));
    EXPECT_EQ(Cell(*tree, 1, 0), QStringLiteral("readme.txt"));

    dialog.SessionStarted();
    EXPECT_EQ(r.sent.back(), "1 ");
    EXPECT_EQ(tree->model()->rowCount(), 0);
    deliver("d 0 help jan-05-2001\n- 12 readme.txt jan-05-2001\n");
    EXPECT_TRUE(dialog.NoteLabel()->isHidden());
    // No listing of help comes in time: the dialog says so and asks again when told.
    open(0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.NoteLabel()->text().contains("no listing"); }));
    open(0);
    EXPECT_EQ(r.sent.back(), "1 help");
    EXPECT_EQ(r.sent.size(), 5u);
    // A file asked for, then nothing else until it comes; the link lost first is said.
    const auto again = [&] {
        dialog.SessionEnded();
        dialog.SessionStarted();
        deliver("d 0 help jan-05-2001\n- 12 readme.txt jan-05-2001\n");
        open(1);
        EXPECT_EQ(r.sent.back(), "2 readme.txt");
    };
    again();
    open(0);
    EXPECT_EQ(r.sent.back(), "2 readme.txt");
    dialog.SessionEnded();
    EXPECT_TRUE(dialog.NoteLabel()->text().contains(QStringLiteral("before /readme.txt came")));
    dialog.FileArrived();
    EXPECT_TRUE(dialog.isVisible());
    again();
    dialog.FileArrived();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace brxw::admin
