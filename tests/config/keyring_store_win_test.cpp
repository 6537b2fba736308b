// SPDX-License-Identifier: GPL-3.0-or-later
// The Credential Manager behind the keyring on Windows: a password goes in, reads back byte for
// byte in the Windows code page, is replaced by the next write, and is gone after its removal;
// each answer comes later, from the event loop.
#include "config/keyring_store.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>

#include <optional>

namespace brxw {
namespace {

struct Answer {
    bool ok = false;
    std::string password;
    QString error;
};

template <typename Call>
Answer Wait(Call call) {
    std::optional<Answer> answer;
    QEventLoop loop;
    call([&](bool ok, const std::string& password, const QString& error) {
        answer = Answer{ok, password, error};
        loop.quit();
    });
    EXPECT_FALSE(answer.has_value()) << "answered at once, not from the event loop";
    if (!answer) {
        loop.exec();
    }
    return answer.value_or(Answer{});
}

TEST(KeyringStoreWinTest, WritesReadsReplacesAndRemoves) {
    KeyringStore store;
    ASSERT_TRUE(KeyringStore::UnavailableReason().isEmpty());
    const QString entry =
        QStringLiteral("C:/test/BrxW.ini [Remote 0] %1").arg(QDateTime::currentMSecsSinceEpoch());
    const auto done = [](auto answer) {
        return [answer](bool ok, const QString& error) { answer(ok, std::string(), error); };
    };
    const std::string password = "gr\xfc\xdf 7305";  // "grüß 7305" in code page 1252

    Answer written = Wait([&](auto answer) {
        store.Write(entry, QStringLiteral("brxW: Home BBS (bbs.example.org:3286)"), password,
                    done(answer));
    });
    ASSERT_TRUE(written.ok) << written.error.toStdString();
    Answer read = Wait([&](auto answer) { store.Read(entry, answer); });
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(read.password, password);

    ASSERT_TRUE(Wait([&](auto answer) {
                    store.Write(entry, QStringLiteral("x"), "new", done(answer));
                }).ok);
    EXPECT_EQ(Wait([&](auto answer) { store.Read(entry, answer); }).password, "new");

    EXPECT_TRUE(Wait([&](auto answer) { store.Remove(entry, done(answer)); }).ok);
    read = Wait([&](auto answer) { store.Read(entry, answer); });
    EXPECT_FALSE(read.ok);
    EXPECT_FALSE(read.error.isEmpty());
    // Removing what is not there is what was asked.
    EXPECT_TRUE(Wait([&](auto answer) { store.Remove(entry, done(answer)); }).ok);
}

}  // namespace
}  // namespace brxw
