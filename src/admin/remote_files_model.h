// SPDX-License-Identifier: GPL-3.0-or-later
// CRemoteFilesModel: the rows of the "Remote files" browser, one per item of the directory
// listing shown. A folder of the server may hold thousands of files, so the model keeps each
// item's bytes packed in one buffer (name, size and Date text, 8 bytes of bookkeeping a row) and
// makes the texts and the icon only when the view asks for them. User-interface thread only.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "admin/remote_listing.h"

namespace brxw::admin {

class CRemoteFilesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNameColumn, kDateColumn, kSizeColumn, kColumnCount };

    // headers: the three columns' titles; the icons are those of a directory and of a file.
    CRemoteFilesModel(QStringList headers, QIcon directory, QIcon file, QObject* parent = nullptr);

    // The rows become the items, in their order (a reset: the views forget their rows).
    void SetItems(const std::vector<ListingItem>& items);
    // Directories first again, keeping the order within a type; views keep their current and
    // selected rows on the same items.
    void SortDirectoriesFirst();

    // The item's name as the server sent it (ANSI bytes), and its type character.
    std::string_view Name(int row) const;
    char Type(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // An item: its name, size and Date text lie one after the other in m_bytes from offset.
    struct Row {
        std::uint32_t offset = 0;
        std::uint8_t nameBytes = 0;
        std::uint8_t sizeBytes = 0;
        std::uint8_t dateBytes = 0;
        char type = 0;
    };
    std::string_view Text(const Row& row, int column) const;

    QStringList m_headers;
    QIcon m_directory;
    QIcon m_file;
    std::string m_bytes;
    std::vector<Row> m_rows;
};

}  // namespace brxw::admin
