// SPDX-License-Identifier: GPL-3.0-or-later
#include "admin/remote_files_model.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

#include "text/charset.h"

namespace brxw::admin {

namespace {

// ReadListing keeps no longer name or size; a Date text is "dd/mm    " and a part of at most
// kMaxDatePartBytes, a day of up to five characters.
static_assert(kMaxRemoteNameBytes <= std::numeric_limits<std::uint8_t>::max());
static_assert(kMaxSizeWordBytes <= std::numeric_limits<std::uint8_t>::max());
static_assert(5 + 1 + 2 + 4 + kMaxDatePartBytes <= std::numeric_limits<std::uint8_t>::max());

std::uint8_t Bytes(const std::string& text) {
    return static_cast<std::uint8_t>(
        std::min<std::size_t>(text.size(), std::numeric_limits<std::uint8_t>::max()));
}

}  // namespace

CRemoteFilesModel::CRemoteFilesModel(QStringList headers, QIcon directory, QIcon file,
                                     QObject* parent)
    : QAbstractTableModel(parent),
      m_headers(std::move(headers)),
      m_directory(std::move(directory)),
      m_file(std::move(file)) {}

void CRemoteFilesModel::SetItems(const std::vector<ListingItem>& items) {
    // Built aside and swapped in: a smaller listing gives the bigger one's memory back.
    std::string bytes;
    std::vector<Row> rows;
    std::size_t total = 0;
    for (const ListingItem& item : items) {
        total += item.name.size() + item.size.size() + item.date.size();
    }
    bytes.reserve(total);
    rows.reserve(items.size());
    for (const ListingItem& item : items) {
        Row row;
        // A listing file is read up to a few megabytes, far inside the offset's range.
        row.offset = static_cast<std::uint32_t>(bytes.size());
        row.nameBytes = Bytes(item.name);
        row.sizeBytes = Bytes(item.size);
        row.dateBytes = Bytes(item.date);
        row.type = item.type;
        bytes.append(item.name, 0, row.nameBytes);
        bytes.append(item.size, 0, row.sizeBytes);
        bytes.append(item.date, 0, row.dateBytes);
        rows.push_back(row);
    }
    beginResetModel();
    m_bytes.swap(bytes);
    m_rows.swap(rows);
    endResetModel();
}

void CRemoteFilesModel::SortDirectoriesFirst() {
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        return static_cast<unsigned char>(m_rows[static_cast<std::size_t>(a)].type) >
               static_cast<unsigned char>(m_rows[static_cast<std::size_t>(b)].type);
    });
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRow(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(m_rows[static_cast<std::size_t>(order[i])]);
        newRow[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    }
    m_rows.swap(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.append(this->index(newRow[static_cast<std::size_t>(index.row())], index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::string_view CRemoteFilesModel::Name(int row) const {
    return row >= 0 && row < rowCount() ? Text(m_rows[static_cast<std::size_t>(row)], kNameColumn)
                                        : std::string_view();
}

char CRemoteFilesModel::Type(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].type : '\0';
}

std::string_view CRemoteFilesModel::Text(const Row& row, int column) const {
    const std::string_view bytes(m_bytes);
    switch (column) {
        case kNameColumn:
            return bytes.substr(row.offset, row.nameBytes);
        case kSizeColumn:
            return bytes.substr(row.offset + row.nameBytes, row.sizeBytes);
        default:
            return bytes.substr(row.offset + row.nameBytes + row.sizeBytes, row.dateBytes);
    }
}

int CRemoteFilesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CRemoteFilesModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CRemoteFilesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    const Row& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            // Converted as shown, in the code page of the moment, as every list of the program.
            return AnsiToQString(Text(row, index.column()));
        case Qt::DecorationRole:
            if (index.column() == kNameColumn) {
                return row.type == 'd' ? m_directory : m_file;
            }
            return {};
        default:
            return {};
    }
}

QVariant CRemoteFilesModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_headers.size()) {
        return m_headers.at(section);
    }
    return {};
}

}  // namespace brxw::admin
