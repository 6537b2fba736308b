// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/connection_log_dlg.h"

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QHeaderView>
#include <QTextDocument>
#include <QTreeView>
#include <QVBoxLayout>

#include "resources/dialog_fit.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"

namespace brxw {

QString LocalTimeText(std::chrono::system_clock::time_point time, const QString& format) {
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms).toString(format);
}

QString PlainTextTip(const QString& text) {
    return Qt::mightBeRichText(text) ? QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped()) : text;
}

ConnectionLogModel::ConnectionLogModel(const ConnectionLog& log, QObject* parent)
    : QAbstractTableModel(parent), m_log(log) {}

void ConnectionLogModel::Refresh() {
    // At most a hundred short rows: reading them all again is simpler than tracking the ring.
    beginResetModel();
    endResetModel();
}

int ConnectionLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_log.Entries().size());
}

int ConnectionLogModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant ConnectionLogModel::data(const QModelIndex& index, int role) const {
    const auto& entries = m_log.Entries();
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= entries.size()) {
        return {};
    }
    const ConnectionLogEntry& entry = entries[static_cast<std::size_t>(index.row())];
    // Every cell's whole text is its tooltip too, should its column be narrower than the text;
    // the profile's also names the host.
    if (role == Qt::ToolTipRole) {
        if (index.column() == kProfileColumn) {
            return PlainTextTip(QStringLiteral("%1 (%2)").arg(AnsiToQString(entry.profile),
                                                              AnsiToQString(entry.host)));
        }
        return PlainTextTip(data(index, Qt::DisplayRole).toString());
    }
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
            case kTimeColumn:
                return LocalTimeText(entry.time, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
            case kProfileColumn:
                return AnsiToQString(entry.profile);
            case kEventColumn:
                return AnsiToQString(ReportLine(entry.report));
            default:
                return {};
        }
    }
    // Logins in green, the ends that start a countdown in red; the operator's own in the text
    // colour.
    if (role == Qt::ForegroundRole && index.column() == kEventColumn) {
        const SchemeColours& colours = CurrentColours();
        if (entry.report.kind == LinkReport::Kind::LoggedIn) {
            return QBrush(ToQColor(colours.logLogin));
        }
        if (entry.report.kind != LinkReport::Kind::OperatorDisconnected) {
            return QBrush(ToQColor(colours.logLoss));
        }
    }
    return {};
}

QVariant ConnectionLogModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case kTimeColumn:
            return tr("Time");
        case kProfileColumn:
            return tr("Profile");
        case kEventColumn:
            return tr("Event");
        default:
            return {};
    }
}

CConnectionLogDlg::CConnectionLogDlg(const ConnectionLog& log, QWidget* parent)
    : QDialog(parent), m_model(new ConnectionLogModel(log, this)), m_view(new QTreeView(this)) {
    setWindowTitle(tr("Connection log"));
    setModal(false);
    setSizeGripEnabled(true);
    m_view->setModel(m_model);
    m_view->setAccessibleName(tr("Connection log entries"));
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setSectionsMovable(false);
    // A long reason widens its column and the list scrolls sideways: nothing is cut off.
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_view->header()->setSectionResizeMode(QHeaderView::Interactive);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_view);
    resize(640, 280);
    FitToScreen(this);
    EntryAdded();
}

void CConnectionLogDlg::EntryAdded() {
    m_model->Refresh();
    // Every column fits its widest text; the event takes at least the rest of the width.
    constexpr int kGap = 14;
    for (int column : {ConnectionLogModel::kTimeColumn, ConnectionLogModel::kProfileColumn,
                       ConnectionLogModel::kEventColumn}) {
        m_view->resizeColumnToContents(column);
        m_view->setColumnWidth(column, m_view->columnWidth(column) + kGap);
    }
    m_view->scrollToBottom();
}

}  // namespace brxw
