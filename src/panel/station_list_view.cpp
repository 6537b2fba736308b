// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel/station_list_view.h"

#include <QAbstractListModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <string>

#include "resources/translate.h"
#include "settings/font_mapping.h"
#include "text/charset.h"
#include "textwin/colour_scheme.h"
#include "textwin/qt_colour.h"

namespace brxw {
namespace {

// Entries of channels 0 to 99 sort by their first two bytes, which name the channel.
std::string_view ChannelKey(const std::string& entry) {
    return std::string_view(entry).substr(0, 2);
}

// ---- what assistive technology reads ----
//
// The rows are painted from tab-separated text under a header that is a label, so the list tells
// assistive technology itself what a sighted operator reads off the screen: a list of rows, each
// spoken with the column titles and with the state its colour shows, and a table of 7 columns
// whose headers are the titles. Rows and cells read the view's model when asked, so they never
// go stale; a row past the end is no longer valid.

// What a row's colour says, in the sysop's language; empty for a plain row.
QString StationStateShown(char status) {
    const std::string_view text = StationStateText(status);
    return text.empty() ? QString() : Tr("brxw::StationList", std::string(text).c_str());
}

// Asked for on every query of a screen reader: split once.
const QStringList& ColumnTitles() {
    static const QStringList titles =
        Tr("brxw::StationList", kStationHeader).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return titles;
}

class StationListAccessible;

class StationHeaderAccessible : public QAccessibleInterface {
public:
    StationHeaderAccessible(StationListAccessible& list, int column)
        : m_list(list), m_column(column) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? ColumnTitles().value(m_column) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    StationListAccessible& m_list;
    int m_column;
};

class StationCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    StationCellAccessible(StationListAccessible& list, int row, int column)
        : m_list(list), m_row(row), m_column(column) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    StationListAccessible& m_list;
    int m_row;
    int m_column;
};

class StationRowAccessible : public QAccessibleInterface {
public:
    StationRowAccessible(StationListAccessible& list, int row) : m_list(list), m_row(row) {}
    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

    int Row() const { return m_row; }

private:
    StationListAccessible& m_list;
    int m_row;
};

class StationListAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit StationListAccessible(QAbstractItemView* view)
        : QAccessibleWidget(view, QAccessible::List) {}
    ~StationListAccessible() override {
        for (const auto& [key, id] : m_ids) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    QAbstractItemView* View() const { return static_cast<QAbstractItemView*>(widget()); }
    QModelIndex Index(int row) const { return View()->model()->index(row, 0); }
    int Rows() const { return View()->model()->rowCount(); }
    // The row's fields, split at its tabs.
    QStringList Fields(int row) const {
        return Index(row).data(Qt::DisplayRole).toString().split(QLatin1Char('\t'));
    }
    QString State(int row) const {
        return Index(row).data(Qt::AccessibleDescriptionRole).toString();
    }
    bool Selected(int row) const {
        return View()->selectionModel()->isRowSelected(row, View()->rootIndex());
    }
    bool Current(int row) const { return View()->currentIndex().row() == row; }
    QRect RowRect(int row) const {
        const QRect r = View()->visualRect(Index(row));
        return QRect(View()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }

    // One interface for each row, cell and header, made when first asked for. Column -1 is the
    // row itself, row -1 a header.
    QAccessibleInterface* Item(int row, int column) const {
        const auto key = std::make_pair(row, column);
        if (const auto it = m_ids.find(key); it != m_ids.end()) {
            return QAccessible::accessibleInterface(it->second);
        }
        auto* self = const_cast<StationListAccessible*>(this);
        QAccessibleInterface* made = nullptr;
        if (row < 0) {
            made = new StationHeaderAccessible(*self, column);
        } else if (column < 0) {
            made = new StationRowAccessible(*self, row);
        } else {
            made = new StationCellAccessible(*self, row, column);
        }
        m_ids[key] = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    // The rows are the children: the view's own events name a row by its index.
    int childCount() const override { return Rows(); }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < Rows() ? Item(index, -1) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && child->role() == QAccessible::ListItem && child->parent() == this) {
            return static_cast<const StationRowAccessible*>(child)->Row();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = View()->indexAt(View()->viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? Item(index.row(), -1) : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        const QModelIndex current = View()->currentIndex();
        return View()->hasFocus() && current.isValid() ? Item(current.row(), -1) : nullptr;
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        return row >= 0 && row < Rows() && column >= 0 && column < columnCount() ? Item(row, column)
                                                                                 : nullptr;
    }
    int selectedCellCount() const override { return selectedRowCount() * columnCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int row : selectedRows()) {
            for (int column = 0; column < columnCount(); ++column) {
                cells << Item(row, column);
            }
        }
        return cells;
    }
    QString columnDescription(int column) const override { return ColumnTitles().value(column); }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return static_cast<int>(ColumnTitles().size()); }
    int rowCount() const override { return Rows(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override {
        QList<int> rows;
        for (const QModelIndex& index : View()->selectionModel()->selectedRows()) {
            rows << index.row();
        }
        return rows;
    }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override { return Selected(row); }
    bool selectRow(int row) override {
        if (row < 0 || row >= Rows()) {
            return false;
        }
        View()->selectionModel()->setCurrentIndex(Index(row), QItemSelectionModel::ClearAndSelect);
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }  // one station stays chosen
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}  // read when asked

private:
    mutable std::map<std::pair<int, int>, QAccessible::Id> m_ids;
};

bool StationHeaderAccessible::isValid() const {
    return m_list.isValid();
}
QAccessibleInterface* StationHeaderAccessible::parent() const {
    return &m_list;
}
QRect StationHeaderAccessible::rect() const {
    return m_list.rect().isEmpty() ? QRect() : QRect(m_list.rect().topLeft(), QSize(1, 1));
}

bool StationCellAccessible::isValid() const {
    return m_list.isValid() && m_row < m_list.Rows();
}
QAccessibleInterface* StationCellAccessible::parent() const {
    return m_list.Item(m_row, -1);
}
QString StationCellAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? m_list.Fields(m_row).value(m_column) : QString();
}
QRect StationCellAccessible::rect() const {
    return isValid() ? m_list.RowRect(m_row) : QRect();
}
QAccessible::State StationCellAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.selectable = true;
    s.selected = isValid() && m_list.Selected(m_row);
    return s;
}
bool StationCellAccessible::isSelected() const {
    return isValid() && m_list.Selected(m_row);
}
QList<QAccessibleInterface*> StationCellAccessible::columnHeaderCells() const {
    return {m_list.Item(-1, m_column)};
}
QAccessibleInterface* StationCellAccessible::table() const {
    return &m_list;
}

bool StationRowAccessible::isValid() const {
    return m_list.isValid() && m_row < m_list.Rows();
}
QAccessibleInterface* StationRowAccessible::childAt(int, int) const {
    return nullptr;
}
QAccessibleInterface* StationRowAccessible::parent() const {
    return &m_list;
}
QAccessibleInterface* StationRowAccessible::child(int index) const {
    return isValid() && index >= 0 && index < childCount() ? m_list.Item(m_row, index) : nullptr;
}
int StationRowAccessible::childCount() const {
    return m_list.columnCount();
}
int StationRowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr || child->role() != QAccessible::Cell || child->parent() != this) {
        return -1;
    }
    return static_cast<const StationCellAccessible*>(child)->columnIndex();
}
QString StationRowAccessible::text(QAccessible::Text t) const {
    if (!isValid()) {
        return {};
    }
    const QString state = m_list.State(m_row);
    if (t == QAccessible::Description) {
        return state;
    }
    if (t != QAccessible::Name) {
        return {};
    }
    // "Ch 03, Callsign Q1ABC, needs attention, Start 12:00, ...": the state that the colour
    // shows follows the callsign it belongs to.
    const QStringList titles = ColumnTitles();
    const QStringList fields = m_list.Fields(m_row);
    QStringList parts;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        parts << (i < titles.size() ? titles[i] + QLatin1Char(' ') : QString()) + fields[i];
        if (i == 1 && !state.isEmpty()) {
            parts << state;
        }
    }
    return parts.join(QStringLiteral(", "));
}
QRect StationRowAccessible::rect() const {
    return isValid() ? m_list.RowRect(m_row) : QRect();
}
QAccessible::State StationRowAccessible::state() const {
    QAccessible::State s;
    s.readOnly = true;
    s.selectable = true;
    s.focusable = true;
    if (isValid()) {
        s.selected = m_list.Selected(m_row);
        s.focused = m_list.View()->hasFocus() && m_list.Current(m_row);
    }
    return s;
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
    const QString header = Tr("brxw::StationList", kStationHeader);
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
            case Qt::AccessibleDescriptionRole:
                return StationStateShown(StationStatusOf(entry));
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

    static QAccessibleInterface* Accessible(const QString& key, QObject* object) {
        if (key == QLatin1String("QListView")) {
            if (auto* box = dynamic_cast<ListBox*>(object)) {
                return new StationListAccessible(box);
            }
        }
        return nullptr;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QModelIndex current = currentIndex();
        const bool onStation = current.isValid() && selectionModel()->isSelected(current);
        switch (event->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                // Enter opens the station's channel, as a double click does.
                if (onStation && event->modifiers() == Qt::NoModifier) {
                    emit m_owner.StationActivated();
                    return;
                }
                break;
            case Qt::Key_F10:
                if (event->modifiers() != Qt::ShiftModifier) {
                    break;
                }
                [[fallthrough]];
            case Qt::Key_Menu:
                // The station commands at the chosen row, or at the list's top left.
                ShowMenu(current.isValid() ? viewport()->mapToGlobal(visualRect(current).center())
                                           : viewport()->mapToGlobal(QPoint(0, 0)));
                event->accept();
                return;
            default:
                break;
        }
        QListView::keyPressEvent(event);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        // A right click on a row chooses it first, as the operator expects.
        const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
        if (event->reason() == QContextMenuEvent::Mouse && index.isValid()) {
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
        ShowMenu(event->globalPos());
    }

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
    void ShowMenu(QPoint globalPos) { emit m_owner.StationMenuWanted(globalPos); }

    CStationListView& m_owner;
};

// ---- CStationListView ----

CStationListView::CStationListView(StationList& list, QWidget* parent)
    : QWidget(parent), m_list(list) {
    m_header = new QLabel(Tr("brxw::StationList", kStationHeader), this);
    m_header->setTextFormat(Qt::PlainText);
    m_header->setMargin(0);
    m_header->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_model = new Model(this);
    m_delegate = new CStationRowDelegate(this);
    // Before the list's first query for its interface, which is cached from then on; the
    // toolkit ignores a factory installed twice.
    QAccessible::installFactory(ListBox::Accessible);
    m_listView = new ListBox(*this, this);
    m_listView->setAccessibleName(tr("Connected stations"));
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
    setMinimumWidth(metrics.horizontalAdvance(Tr("brxw::StationList", kStationHeader)) +
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
