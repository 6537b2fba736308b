// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/station_list_view.h"

#include <QAbstractListModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "settings/font_mapping.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"

namespace brxw {
namespace {

QColor ToQColor(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Entries of channels 0 to 99 sort by their first two bytes, which name the channel.
std::string_view ChannelKey(const std::string& entry) {
    return std::string_view(entry).substr(0, 2);
}

}  // namespace

std::vector<int> TabbedSegmentX(const QString& row, const QFontMetrics& metrics,
                                const std::vector<int>& stops) {
    std::vector<int> xs;
    int x = 0;
    const QStringList parts = row.split(QLatin1Char('\t'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            const auto next = std::upper_bound(stops.begin(), stops.end(), x);
            x = next != stops.end() ? *next : x + metrics.horizontalAdvance(QLatin1Char(' '));
        }
        xs.push_back(x);
        x += metrics.horizontalAdvance(parts[i]);
    }
    return xs;
}

std::vector<int> HeaderTabStops(const QFontMetrics& metrics) {
    const QString header = QString::fromLatin1(kStationHeader);
    std::vector<int> stops;
    for (qsizetype i = 1; i < header.size(); ++i) {
        if (header[i] != QLatin1Char(' ') && header[i - 1] == QLatin1Char(' ')) {
            stops.push_back(metrics.horizontalAdvance(header.left(i)));
        }
    }
    return stops;
}

// ---- CStationRowDelegate ----

CStationRowDelegate::CStationRowDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_metrics(m_font) {
    SetFont(m_font);
}

void CStationRowDelegate::SetFont(const QFont& font) {
    m_font = font;
    m_metrics = QFontMetrics(m_font);
    m_stops = HeaderTabStops(m_metrics);
}

int CStationRowDelegate::ItemHeight() const {
    return m_metrics.height();
}

std::vector<int> CStationRowDelegate::SegmentX(const QString& row) const {
    std::vector<int> xs = TabbedSegmentX(row, m_metrics, m_stops);
    for (int& x : xs) {
        x += kTextIndent;
    }
    return xs;
}

void CStationRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    if (!index.isValid()) {
        return;
    }
    const QRect rect = option.rect;
    const bool selected = (option.state & QStyle::State_Selected) != 0;
    painter->save();
    const SchemeColours& colours = CurrentColours();
    const QColor base = colours.ownListBackground ? ToQColor(colours.listBackground)
                                                  : option.palette.color(QPalette::Base);
    painter->fillRect(rect, selected ? ToQColor(colours.stationSelectedFill) : base);
    painter->setFont(m_font);
    painter->setPen(index.data(Qt::ForegroundRole).value<QColor>());
    const QString row = index.data(Qt::DisplayRole).toString();
    const QStringList parts = row.split(QLatin1Char('\t'));
    const std::vector<int> xs = SegmentX(row);
    painter->setClipRect(rect);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        painter->drawText(rect.left() + xs[static_cast<std::size_t>(i)],
                          rect.top() + m_metrics.ascent(), parts[i]);
    }
    painter->restore();
}

QSize CStationRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(std::max(option.rect.width(), 1), ItemHeight());
}

// ---- the model: a copy of the entries last shown ----

class CStationListView::Model : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() < 0 ||
            static_cast<std::size_t>(index.row()) >= m_entries.size()) {
            return {};
        }
        const std::string& entry = m_entries[static_cast<std::size_t>(index.row())];
        switch (role) {
            case Qt::DisplayRole:
                return AnsiToQString(StationRowOf(entry));
            case Qt::ForegroundRole:
                return ToQColor(CurrentColours().Station(StationRowColour(StationStatusOf(entry))));
            default:
                return {};
        }
    }

    // Brings the copy in line with the list, one row operation per difference. Both are
    // sorted by channel, so one walk over them finds every row that left, came or changed.
    void Follow(const std::vector<std::string>& entries) {
        std::size_t i = 0;
        std::size_t j = 0;
        while (i < m_entries.size() || j < entries.size()) {
            const int row = static_cast<int>(i);
            if (j == entries.size() ||
                (i < m_entries.size() && ChannelKey(m_entries[i]) < ChannelKey(entries[j]))) {
                beginRemoveRows({}, row, row);
                m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
                endRemoveRows();
                continue;
            }
            if (i == m_entries.size() || ChannelKey(entries[j]) < ChannelKey(m_entries[i])) {
                beginInsertRows({}, row, row);
                m_entries.insert(m_entries.begin() + static_cast<std::ptrdiff_t>(i), entries[j]);
                endInsertRows();
            } else if (m_entries[i] != entries[j]) {
                m_entries[i] = entries[j];
                emit dataChanged(index(row), index(row));
            }
            ++i;
            ++j;
        }
    }

private:
    std::vector<std::string> m_entries;
};

// ---- the list control ----

class CStationListView::ListBox : public QListView {
public:
    ListBox(CStationListView& owner, QWidget* parent) : QListView(parent), m_owner(owner) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const bool outside = !indexAt(event->position().toPoint()).isValid();
        if (!outside) {
            QListView::mousePressEvent(event);
            return;
        }
        // Whatever the control does with a press on no row is not the operator's choice. The
        // list forgets its selection first, so that whoever watches the highlight go finds
        // the list already empty-handed.
        m_owner.OnPressedOutside();
        m_owner.m_syncing = true;
        QListView::mousePressEvent(event);
        clearSelection();
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        m_owner.m_syncing = false;
    }

private:
    CStationListView& m_owner;
};

// ---- CStationListView ----

CStationListView::CStationListView(StationList& list, QWidget* parent)
    : QWidget(parent), m_list(list) {
    m_header = new QLabel(QString::fromLatin1(kStationHeader), this);
    m_header->setTextFormat(Qt::PlainText);
    m_header->setMargin(0);
    m_header->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_model = new Model(this);
    m_delegate = new CStationRowDelegate(this);
    m_listView = new ListBox(*this, this);
    m_listView->setModel(m_model);
    m_listView->setItemDelegate(m_delegate);
    m_listView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->setUniformItemSizes(true);
    m_listView->setSpacing(0);
    m_listView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_header);
    layout->addWidget(m_listView, 1);

    m_selectionConnection =
        connect(m_listView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &CStationListView::OnSelectionChanged);
    connect(m_listView, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) {
            emit StationDoubleClicked();
        }
    });

    SetFont(font());
    Update();
}

CStationListView::~CStationListView() {
    // The children go after this body; selection changes they cause must not reach the list.
    disconnect(m_selectionConnection);
    m_syncing = true;
}

void CStationListView::SetFont(const QFont& font) {
    // The columns are the header's blanks, which line up only in a fixed pitch: with a
    // proportional text font the list takes the fixed face at the same size.
    const QFont listFont = FixedPitchFont(font);
    m_header->setFont(listFont);
    m_listView->setFont(listFont);
    m_delegate->SetFont(listFont);
    AlignHeader();
    // The whole header, and so every column, fits beside the list's frame and scroll bar, at
    // whatever size the font is.
    const QFontMetrics metrics(listFont);
    setMinimumWidth(metrics.horizontalAdvance(QString::fromLatin1(kStationHeader)) +
                    metrics.averageCharWidth() * 2 +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * RowTextLeft());
    setMinimumHeight(metrics.height() * 8);
    m_listView->doItemsLayout();
    m_listView->viewport()->update();
}

void CStationListView::Update() {
    m_syncing = true;
    m_model->Follow(m_list.Entries());
    m_syncing = false;
    SyncSelection();
}

void CStationListView::Apply(const StationUpdate& update) {
    if (update.applied) {
        Update();
    }
}

int CStationListView::RowTextLeft() const {
    return m_listView->frameWidth() + CStationRowDelegate::kTextIndent;
}

int CStationListView::HeaderTextLeft() const {
    return std::max(m_header->indent(), 0);
}

void CStationListView::OnSelectionChanged() {
    if (m_syncing) {
        return;
    }
    const QModelIndexList rows = m_listView->selectionModel()->selectedRows();
    std::optional<std::size_t> row;
    if (!rows.isEmpty() && rows.first().row() >= 0) {
        row = static_cast<std::size_t>(rows.first().row());
    }
    m_list.Select(row);
    emit SelectionChangedByOperator();
}

void CStationListView::OnPressedOutside() {
    m_list.Select(std::nullopt);
}

void CStationListView::SyncSelection() {
    QItemSelectionModel* selection = m_listView->selectionModel();
    const std::optional<std::size_t> wanted = m_list.Selected();
    const QModelIndexList rows = selection->selectedRows();
    const bool same =
        wanted ? (rows.size() == 1 && static_cast<std::size_t>(rows.first().row()) == *wanted)
               : rows.isEmpty();
    if (same) {
        return;
    }
    m_syncing = true;
    if (wanted) {
        const QModelIndex index = m_model->index(static_cast<int>(*wanted));
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    m_syncing = false;
}

void CStationListView::AlignHeader() {
    // The header label and the list share their left edge; the row text starts inside the
    // list's frame, so the header text is indented by the same amount.
    m_header->setIndent(RowTextLeft());
}

}  // namespace brxw
