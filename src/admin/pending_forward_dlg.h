// SPDX-License-Identifier: GPL-3.0-or-later
// CPendingForwardDlg: the modal "Pending forward" dialog. It shows the forward list file's
// entries (one per line, coloured by their status) flowing in columns, and sends at most one
// "START %d" or "STOP %d" for the selected entry before it ends. Created and run by
// CAdminDialogs at the end of a kind-4 transfer; lives while it runs. User-interface thread.
#pragma once

#include <QDialog>
#include <QStyledItemDelegate>
#include <string>
#include <vector>

#include "admin/dialog_units.h"

class QListWidget;
class QPushButton;

namespace brxw::admin {

// Draws a forward entry: light grey behind a selected one, the text without its status digit
// in the status colour, tabs expanded to a stop 55 pixels in, or further when the longest
// partner name of the list needs it, so that every name is drawn whole.
class CForwardEntryDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kColumnWidth = 140;
    static constexpr int kItemHeight = 15;
    static constexpr int kTabStop = 55;
    // The widest name and the widest counts of the list, in pixels of the list's font.
    void SetWidths(int names, int counts) {
        m_names = names;
        m_counts = counts;
    }
    // Where the counts start.
    int TabStop(const QFontMetrics& metrics) const;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_names = 0;
    int m_counts = 0;
};

class CPendingForwardDlg : public QDialog {
    Q_OBJECT
public:
    CPendingForwardDlg(const std::vector<std::string>& entries, SendRequestFn send,
                       QWidget* parent = nullptr);

    void SetWarning(WarningFn warning) { m_warning = std::move(warning); }
    QListWidget* List() const { return m_list; }
    QPushButton* StartButton() const { return m_start; }
    QPushButton* StopButton() const { return m_stop; }

    // Start or Stop: the request for the selected entry, then the dialog ends; nothing when no
    // entry is selected.
    void Request(bool start);

private:
    SendRequestFn m_send;
    WarningFn m_warning = WarningBox;
    QListWidget* m_list = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
};

}  // namespace brxw::admin
