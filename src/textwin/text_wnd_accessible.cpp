// SPDX-License-Identifier: GPL-3.0-or-later
#include "textwin/text_wnd_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "resources/translate.h"
#include "textwin/find_bar.h"
#include "textwin/ring_text.h"
#include "textwin/text_wnd.h"

namespace brxw {

namespace {

std::function<void(QAccessibleEvent&)>& StandIn() {
    static std::function<void(QAccessibleEvent&)> listener;
    return listener;
}

// The role is that of a read-only text field rather than a label: screen readers navigate a text
// field's lines with its caret and read what is inserted into it, the way they read a read-only
// plain-text editor, whereas a label is read as a whole, as a caption.
class CTextWndAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CTextWndAccessible(CTextWnd* wnd)
        : QAccessibleWidget(wnd, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.multiLine = true;
        state.selectableText = true;
        state.focusable = true;
        return state;
    }

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name: {
                // Named after the window that holds it: "Console", "Monitoring"...
                const QString title = widget()->window()->windowTitle();
                return title.isEmpty() ? QAccessibleWidget::text(type) : title;
            }
            case QAccessible::Description:
                return Tr("brxw::CTextWnd", "Received text. F9 reviews it line by line.");
            default:
                return QAccessibleWidget::text(type);
        }
    }

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

    // --- text ---
    QString text(int start, int end) const override {
        const QString& all = Read().Text();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = end < 0 ? static_cast<int>(all.size()) : std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return Read().Length(); }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                         int* end) const override {
        return Around(offset, type, 0, start, end);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                             int* end) const override {
        return Around(offset, type, -1, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start,
                            int* end) const override {
        return Around(offset, type, 1, start, end);
    }

    // --- caret and selection ---
    int cursorPosition() const override { return Wnd()->CaretOffset(); }
    void setCursorPosition(int position) override { Wnd()->SetCaretOffset(position); }
    int selectionCount() const override {
        const auto [start, end] = Wnd()->SelectionOffsets();
        return start != end ? 1 : 0;
    }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = 0;
        if (index == 0 && selectionCount() == 1) {
            std::tie(*start, *end) = Wnd()->SelectionOffsets();
        }
    }
    void addSelection(int start, int end) override { Wnd()->SelectOffsets(start, end); }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            Wnd()->SelectOffsets(start, end);
        }
    }
    void removeSelection(int index) override {
        if (index == 0) {
            Wnd()->ClearSelection();
        }
    }

    // --- geometry ---
    QRect characterRect(int offset) const override {
        const RingText& text = Read();
        if (offset < 0 || offset > text.Length()) {
            return {};
        }
        const QRect cell = Wnd()->CellRect(text.PositionOfOffset(Wnd()->Ring(), offset));
        if (cell.isEmpty()) {
            return {};
        }
        return {Wnd()->viewport()->mapToGlobal(cell.topLeft()), cell.size()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Wnd()->OffsetAtPoint(Wnd()->viewport()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int /*end*/) override { Wnd()->ShowOffset(start); }
    QString attributes(int offset, int* start, int* end) const override {
        const int length = Read().Length();
        const bool valid = offset >= 0 && offset <= length;
        *start = valid ? 0 : -1;
        *end = valid ? length : -1;
        return {};
    }

private:
    CTextWnd* Wnd() const { return static_cast<CTextWnd*>(widget()); }
    const RingText& Read() const { return Wnd()->ReadText(); }

    // Scroll bars (their containers, as the toolkit nests them), then the bars under the text.
    QList<QWidget*> Children() const {
        CTextWnd* wnd = Wnd();
        QList<QWidget*> children;
        for (QScrollBar* bar : {wnd->verticalScrollBar(), wnd->horizontalScrollBar()}) {
            QWidget* holder = bar->parentWidget();
            if (holder != nullptr && holder != wnd) {
                children.append(holder);
            }
        }
        children.append(wnd->ScrolledBackBar());
        children.append(wnd->FindBar());
        return children;
    }

    // The item of type at offset (step 0), the one before it (-1) or the one after (1). Lines are
    // the text's lines with their "\n"; words and sentences are left to the toolkit's rules.
    QString Around(int offset, QAccessible::TextBoundaryType type, int step, int* start,
                   int* end) const {
        const RingText& text = Read();
        const int length = text.Length();
        if (offset < 0 || offset > length) {
            *start = *end = -1;
            return {};
        }
        switch (type) {
            case QAccessible::LineBoundary:
            case QAccessible::ParagraphBoundary: {
                const int line = text.LineOf(offset) + step;
                if (line < 0 || line >= text.LineCount()) {
                    *start = *end = line < 0 ? 0 : length;
                    return {};
                }
                *start = text.LineStart(line);
                *end = text.LineStart(line + 1);
                break;
            }
            case QAccessible::CharBoundary: {
                const int at = offset + step;
                if (at < 0 || at >= length) {
                    *start = *end = at < 0 ? 0 : length;
                    return {};
                }
                *start = at;
                *end = at + 1;
                break;
            }
            case QAccessible::NoBoundary:
                *start = 0;
                *end = length;
                break;
            default:
                if (step < 0) {
                    return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
                }
                if (step > 0) {
                    return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
                }
                return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
        }
        return text.Text().mid(*start, *end - *start);
    }
};

QAccessibleInterface* TextWndFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(CTextWnd::staticMetaObject.className())) {
        return nullptr;
    }
    auto* wnd = qobject_cast<CTextWnd*>(object);
    return wnd != nullptr ? new CTextWndAccessible(wnd) : nullptr;
}

}  // namespace

void InstallTextWndAccessibility() {
    // The toolkit ignores a factory installed twice.
    QAccessible::installFactory(&TextWndFactory);
}

bool AccessibilityListening() {
    return StandIn() != nullptr || QAccessible::isActive();
}

void NotifyAccessibility(QAccessibleEvent& event) {
    if (StandIn()) {
        StandIn()(event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

void SetAccessibilityStandIn(std::function<void(QAccessibleEvent&)> listener) {
    const bool listening = listener != nullptr;
    StandIn() = std::move(listener);
    // Tells the activation observers, the text windows among them, as the platform would.
    QAccessible::setActive(listening || QAccessible::isActive());
}

}  // namespace brxw
