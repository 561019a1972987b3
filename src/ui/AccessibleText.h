// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>
#include <QVariant>

class QLineEdit;

namespace telvorin {

// A stretch [start, end) of a text; {-1, -1} for none.
struct TextSpan {
    int start = -1;
    int end = -1;
    bool operator==(const TextSpan&) const = default;
};

// The spans a screen reader asks of a one-line text: a character, a word with the spaces
// after it, or the whole text (line, sentence, paragraph). At the end of the text (offset
// == length) "at" is the last word, as a reader asks for the word just typed. Any offset,
// boundary and text gives an answer at once; the toolkit's own helper never returns for
// a word or sentence at the end of a text, freezing the window under a reader.
TextSpan TextSpanAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary);
TextSpan TextSpanBefore(const QString& text, int offset, QAccessible::TextBoundaryType boundary);
TextSpan TextSpanAfter(const QString& text, int offset, QAccessible::TextBoundaryType boundary);

// The reading half of a text interface over one line of text, for a reader: the spans
// above, and one run of attributes over the whole text (the stock line edit reports runs
// of no length, and a reader then drops the last character of what it reads).
class SingleLineTextInterface : public QAccessibleTextInterface {
public:
    virtual QString lineText() const = 0;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    void scrollToSubstring(int, int) override {}

private:
    QString cutNear(int offset, QAccessible::TextBoundaryType boundary, int step, int* startOffset,
                    int* endOffset) const;
};

// Gives a line edit the interface above (editing, selection and cursor as the stock one),
// so a reader reads its text whole: "192", not "19".
void MakeLineEditReadWhole(QLineEdit* edit);

// Gives `object` an interface of class `Ours` from `factory` (installed on the first call
// for `Ours`), which makes one for objects marked with the property `mark`. A stock
// interface made before the mark is dropped, so the next query goes through the factory.
template <class Ours>
void UseOwnInterface(QObject* object, const char* mark, QAccessible::InterfaceFactory factory)
{
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
    object->setProperty(mark, true);
    if (QAccessibleInterface* stock = QAccessible::queryAccessibleInterface(object);
        stock && !dynamic_cast<Ours*>(stock))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(stock));
}

} // namespace telvorin
