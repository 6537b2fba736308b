// SPDX-License-Identifier: GPL-3.0-or-later
// CStationListView: the left half of the control panel — the fixed column header above the list
// of connected stations, one row per channel.
//
// Rows are drawn by CStationRowDelegate: red for status "<", blue for ">", black otherwise, on
// light grey when selected. Their tabs expand at stops taken from the header's column positions
// in the view's font, so the fields stand under their column titles at any font size. The view
// takes the panel's text font, or the fixed face at its size when that font is proportional.
//
// The view shows a StationList that the control panel owns and keeps up to date: after each
// change the panel calls Apply (or Update), and only the rows that changed are repainted. The
// operator's selection is written back into that list; a press below the last row clears it
// without counting as a selection change. The list must outlive the view's calls; the view's
// destructor does not touch it. Child of the control panel; user-interface thread only.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStyledItemDelegate>
#include <QWidget>
#include <vector>

#include "panel/station_list.h"

class QLabel;
class QListView;

namespace brxw {

// Where each tab-separated part of a row starts, in pixels from the row's left edge: a tab moves
// to the first stop right of the text drawn so far, or one blank further when no stop is left.
std::vector<int> TabbedSegmentX(const QString& row, const QFontMetrics& metrics,
                                const std::vector<int>& stops);

// The six tab stops (Callsign, Start, Time, Rt, Buf, C/Fwd): the header's column positions in
// the given font, in pixels from the header text's left edge.
std::vector<int> HeaderTabStops(const QFontMetrics& metrics);

// Draws one station row. Owned by the view; user-interface thread only.
class CStationRowDelegate : public QStyledItemDelegate {
public:
    // Blank pixels between the item's left edge and the row text.
    static constexpr int kTextIndent = 2;

    explicit CStationRowDelegate(QObject* parent = nullptr);

    void SetFont(const QFont& font);
    const QFont& Font() const { return m_font; }
    const std::vector<int>& TabStops() const { return m_stops; }
    int ItemHeight() const;
    // Where the parts of a row start, from the item's left edge.
    std::vector<int> SegmentX(const QString& row) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QFont m_font;
    QFontMetrics m_metrics;
    std::vector<int> m_stops;
};

class CStationListView : public QWidget {
    Q_OBJECT

public:
    explicit CStationListView(StationList& list, QWidget* parent = nullptr);
    ~CStationListView() override;

    // The font of the header and the rows (a proportional one is replaced by the fixed face at
    // its size); the tab stops and the view's minimum size follow it.
    void SetFont(const QFont& font);

    // Shows the list as it is now: rows that left or came are removed or inserted, rows whose
    // text changed are repainted, the others are left alone; the selection follows the list's
    // without a SelectionChangedByOperator.
    void Update();
    // The same after one station line; a rejected line changes nothing.
    void Apply(const StationUpdate& update);

    QLabel* Header() const { return m_header; }
    QListView* ListView() const { return m_listView; }
    const CStationRowDelegate& Delegate() const { return *m_delegate; }
    // The x of the row text's left edge inside the list's viewport, and of the header text's
    // left edge inside the header label: the two are kept equal in view coordinates.
    int RowTextLeft() const;
    int HeaderTextLeft() const;

signals:
    // The operator chose another row, or none, by mouse or keyboard; the list holds it already.
    void SelectionChangedByOperator();
    // The operator double-clicked a row.
    void StationDoubleClicked();
    // The operator pressed Enter on the chosen row.
    void StationActivated();
    // The Menu key, Shift+F10 or a right click asks for the station commands at that place.
    void StationMenuWanted(QPoint globalPos);

private:
    class Model;
    class ListBox;

    void OnSelectionChanged();
    void OnPressedOutside();
    void SyncSelection();
    void AlignHeader();

    StationList& m_list;
    QLabel* m_header = nullptr;
    QListView* m_listView = nullptr;
    Model* m_model = nullptr;
    CStationRowDelegate* m_delegate = nullptr;
    QMetaObject::Connection m_selectionConnection;
    // Set while the view changes its own selection to follow the list.
    bool m_syncing = false;
};

}  // namespace brxw
