// SPDX-License-Identifier: GPL-3.0-or-later
// CConnectionLogDlg: the Connection log window (Connect > Connection log), a small modeless list
// of the session's last logins and link ends with their date, time, profile and reason, newest
// last. It shows the Session's ConnectionLog and stores nothing of its own.
//
// Created by the control panel on first use and then only hidden and shown; Escape and the
// close box hide it. User-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>

#include "link/connection_log.h"

class QTreeView;

namespace brxw {

// A log entry's time in local time, in a QDateTime format ("hh:mm:ss").
QString LocalTimeText(std::chrono::system_clock::time_point time, const QString& format);
// A tooltip that shows the text as it is: what looks like markup (ssh's words, a host name from
// BrxW.ini) is shown, not obeyed.
QString PlainTextTip(const QString& text);

class ConnectionLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kTimeColumn, kProfileColumn, kEventColumn, kColumnCount };

    explicit ConnectionLogModel(const ConnectionLog& log, QObject* parent = nullptr);
    // The log has changed: rows are read again.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const ConnectionLog& m_log;
};

class CConnectionLogDlg : public QDialog {
    Q_OBJECT
public:
    explicit CConnectionLogDlg(const ConnectionLog& log, QWidget* parent = nullptr);

    // A new entry: the list follows it to the newest line.
    void EntryAdded();
    ConnectionLogModel& Model() { return *m_model; }
    QTreeView* View() const { return m_view; }

private:
    ConnectionLogModel* m_model;
    QTreeView* m_view;
};

}  // namespace brxw
