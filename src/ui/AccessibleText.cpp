// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AccessibleText.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace telvorin {

namespace {

constexpr const char* ReadsWholeProperty = "telvorinReadsWhole";

bool WholeLine(QAccessible::TextBoundaryType boundary)
{
    return boundary != QAccessible::CharBoundary && boundary != QAccessible::WordBoundary;
}

// The words of a text, each with the spaces after it; spaces before the first word are a
// span of their own. Together they cover the text.
std::vector<TextSpan> Words(const QString& text)
{
    std::vector<TextSpan> words;
    const int length = int(text.size());
    int i = 0;
    while (i < length) {
        const int start = i;
        while (i < length && !text.at(i).isSpace())
            ++i;
        while (i < length && text.at(i).isSpace())
            ++i;
        words.push_back({start, i});
    }
    return words;
}

// Index of the span holding offset; spans.size() at the end of the text.
std::size_t SpanIndex(const std::vector<TextSpan>& spans, int offset)
{
    std::size_t i = 0;
    while (i < spans.size() && spans[i].end <= offset)
        ++i;
    return i;
}

std::vector<TextSpan> Spans(const QString& text, QAccessible::TextBoundaryType boundary)
{
    if (boundary == QAccessible::WordBoundary)
        return Words(text);
    std::vector<TextSpan> chars;
    for (int i = 0; i < int(text.size()); ++i)
        chars.push_back({i, i + 1});
    return chars;
}

bool InText(const QString& text, int offset)
{
    return offset >= 0 && offset <= int(text.size());
}

QString Cut(const QString& text, TextSpan span, int* startOffset, int* endOffset)
{
    *startOffset = span.start;
    *endOffset = span.end;
    return span.start < 0 ? QString() : text.mid(span.start, span.end - span.start);
}

// The span holding `offset` (step 0), or the one before (-1) or after (+1) it.
TextSpan SpanNear(const QString& text, int offset, QAccessible::TextBoundaryType boundary, int step)
{
    if (!InText(text, offset))
        return {};
    if (WholeLine(boundary))
        return step == 0 ? TextSpan{0, int(text.size())} : TextSpan{};
    const std::vector<TextSpan> spans = Spans(text, boundary);
    const auto count = std::ptrdiff_t(spans.size());
    const auto i = std::ptrdiff_t(SpanIndex(spans, offset));
    if (step == 0 && i == count && boundary == QAccessible::WordBoundary && count > 0)
        return spans.back();
    const std::ptrdiff_t j = i + step;
    return j >= 0 && j < count ? spans[std::size_t(j)] : TextSpan{};
}

// A line edit as the stock interface shows it, read through SingleLineTextInterface.
class LineEditInterface : public QAccessibleWidget,
                          public SingleLineTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit LineEditInterface(QLineEdit* edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return lineText();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value)
            edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectableText = true;
        s.editable = !edit()->isReadOnly();
        s.readOnly = edit()->isReadOnly();
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        return s;
    }

    // A password is told as one star a character, never as itself.
    QString lineText() const override
    {
        switch (edit()->echoMode()) {
        case QLineEdit::Normal: return edit()->text();
        case QLineEdit::NoEcho: return {};
        default: return QString(edit()->text().size(), QLatin1Char('*'));
        }
    }
    using SingleLineTextInterface::text;

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelectedText())
            return;
        *start = edit()->selectionStart();
        *end = *start + int(edit()->selectedText().size());
    }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }

    // Where a character is drawn, from the font: a reader uses it only to point at it.
    QRect characterRect(int offset) const override
    {
        const QString text = edit()->displayText();
        if (offset < 0 || offset >= int(text.size()))
            return {};
        const QFontMetrics metrics = edit()->fontMetrics();
        const QRect area = edit()->contentsRect();
        int left = area.left();
        if (edit()->alignment() & Qt::AlignHCenter)
            left += (area.width() - metrics.horizontalAdvance(text)) / 2;
        else if (edit()->alignment() & Qt::AlignRight)
            left += area.width() - metrics.horizontalAdvance(text);
        const QRect local(left + metrics.horizontalAdvance(text.left(offset)),
                          area.top() + (area.height() - metrics.height()) / 2,
                          metrics.horizontalAdvance(text.at(offset)), metrics.height());
        return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i)
            if (characterRect(i).contains(point))
                return i;
        return -1;
    }

    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        const QString now = edit()->text();
        start = std::clamp(start, 0, int(now.size()));
        end = std::clamp(end, start, int(now.size()));
        edit()->setText(now.left(start) + text + now.mid(end));
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* LineEditFactory(const QString&, QObject* object)
{
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (!edit || !edit->property(ReadsWholeProperty).toBool())
        return nullptr;
    return new LineEditInterface(edit);
}

} // namespace

TextSpan TextSpanAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary)
{
    return SpanNear(text, offset, boundary, 0);
}

TextSpan TextSpanBefore(const QString& text, int offset, QAccessible::TextBoundaryType boundary)
{
    return SpanNear(text, offset, boundary, -1);
}

TextSpan TextSpanAfter(const QString& text, int offset, QAccessible::TextBoundaryType boundary)
{
    return SpanNear(text, offset, boundary, 1);
}

QString SingleLineTextInterface::text(int startOffset, int endOffset) const
{
    const QString line = lineText();
    const int length = int(line.size());
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = endOffset < 0 ? length : std::clamp(endOffset, startOffset, length);
    return line.mid(startOffset, endOffset - startOffset);
}

int SingleLineTextInterface::characterCount() const
{
    return int(lineText().size());
}

QString SingleLineTextInterface::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QString SingleLineTextInterface::cutNear(int offset, QAccessible::TextBoundaryType boundary, int step,
                                         int* startOffset, int* endOffset) const
{
    const QString line = lineText();
    if (offset == -2) // the cursor's place
        offset = cursorPosition();
    return Cut(line, SpanNear(line, offset, boundary, step), startOffset, endOffset);
}

QString SingleLineTextInterface::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* startOffset, int* endOffset) const
{
    return cutNear(offset, boundary, 0, startOffset, endOffset);
}

QString SingleLineTextInterface::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                  int* startOffset, int* endOffset) const
{
    return cutNear(offset, boundary, -1, startOffset, endOffset);
}

QString SingleLineTextInterface::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                                 int* startOffset, int* endOffset) const
{
    return cutNear(offset, boundary, 1, startOffset, endOffset);
}

void MakeLineEditReadWhole(QLineEdit* edit)
{
    UseOwnInterface<LineEditInterface>(edit, ReadsWholeProperty, LineEditFactory);
}

} // namespace telvorin
