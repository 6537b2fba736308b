// SPDX-License-Identifier: GPL-3.0-or-later
// What the administration dialogs share: the request sender they are given, the warning box
// (which tests replace), and dialog units.
//
// Dialog units of the administration dialogs' fonts: a dialog's size is given in the units its
// layout was designed in (a quarter of the average character width across, an eighth of the
// font's height down) and becomes pixels of the font the dialog really has.
#pragma once

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QAbstractItemView;
class QButtonGroup;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace brxw::admin {

// Sends one request frame of the kind (the session's SendFrame); false when nothing went out
// (no link to the server).
using SendRequestFn = std::function<bool(std::uint8_t kind, std::string_view text)>;
// Shows a warning box over the dialog; text in ANSI bytes, "\r\n" breaking lines.
using WarningFn =
    std::function<void(QWidget* dialog, const std::string& caption, const std::string& text)>;
// Keeps a record request that went out in the log of records written; empty when kept,
// otherwise why not (ANSI bytes, for a warning box).
using KeepWrittenFn = std::function<std::string(std::uint8_t kind, std::string_view request)>;
void WarningBox(QWidget* dialog, const std::string& caption, const std::string& text);
// Sends the request; when it could not go out, says so in a box (caption, one of the texts of
// admin_texts.h, shown translated) and returns false.
bool SendOrWarn(const SendRequestFn& send, const WarningFn& warning, QWidget* dialog,
                const char* caption, std::uint8_t kind, std::string_view request);
// Sends a record's PUT as SendOrWarn does and, once it went out, keeps it in the log of records
// written (when there is one), saying in a box why it could not be kept.
void SendAndKeep(const SendRequestFn& send, const WarningFn& warning, const KeepWrittenFn& keep,
                 QWidget* dialog, const char* caption, std::uint8_t kind, std::string_view request);

// The record dialogs' line edits, each with its label in a grid, found again by name (the
// English one, whatever the label reads); texts go in and out as ANSI bytes.
class LabelledEdits {
public:
    QLineEdit* Add(QGridLayout& grid, QWidget* parent, const char* name, const QString& label,
                   int row, int column, int span = 1);
    QLineEdit* Find(const char* name) const;
    void Show(const char* name, const std::string& ansi) const;
    std::string Text(const char* name) const;

private:
    std::vector<std::pair<const char*, QLineEdit*>> m_edits;
};

// A list entry showing `key` (ANSI bytes, kept as they came for the requests); row -1 appends.
QListWidgetItem* AddKeyItem(QListWidget& list, const std::string& key, int row = -1);
// Appends an entry per key, as AddKeyItem does, in one insertion.
void AddKeyItems(QListWidget& list, const std::vector<std::string>& keys);
std::string KeyOf(const QListWidgetItem& item);
// In a list of keys in ListOrder: the first row whose key equals `key` without regard to the
// case of ASCII letters, and the row where `key` would go to keep the order.
std::optional<int> FindKeyRow(const QListWidget& list, std::string_view key);
int KeyInsertRow(const QListWidget& list, std::string_view key);

// The list has no current row until the operator moves in it: the focus arriving makes none
// current (a first Down lands on the first entry, and Enter finds nothing chosen). Called again
// after the list's model is reset, which forgets it.
void NoCurrentRow(QAbstractItemView& view);
// Tab enters the exclusive group on its checked button, or on the first when none is checked.
void TabToChecked(QButtonGroup& group);

QSize DialogUnitsToPixels(const QWidget& dialog, int x, int y);
// Sizes the dialog to x by y dialog units, or to what its layout needs when that is more.
void ResizeInDialogUnits(QWidget& dialog, int x, int y);

// The bytes of a file received from the server, then the file is deleted; empty when it cannot
// be read. at most `limit` bytes are read.
std::string ReadAndDelete(const QString& path, qint64 limit);
// Whether the file exists and can be opened for reading.
bool CanRead(const QString& path);

}  // namespace brxw::admin
