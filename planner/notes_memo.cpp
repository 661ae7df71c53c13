#include "planner/notes_memo.h"

#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace korvex {

NotesMemo::NotesMemo(int maxLength, QWidget* parent)
    : QPlainTextEdit(parent)
    , maxLength_(maxLength)
{
    connect(document(), &QTextDocument::contentsChange, this, &NotesMemo::trimInsertion);
}

// Whatever inserted the text (keys, paste, drop, input method), the excess
// is taken off the end of what was just inserted, so the cursor stays put.
void NotesMemo::trimInsertion(int position, int /*charsRemoved*/, int charsAdded)
{
    if (trimming_ || charsAdded <= 0)
        return;
    // The document counts one more character than the text: its last block end.
    const int excess = document()->characterCount() - 1 - maxLength_;
    if (excess <= 0)
        return;
    // A whole-text replacement reports the closing block end as added too.
    const int end = std::min(position + charsAdded, document()->characterCount() - 1);
    const int start = std::max(position, end - excess);
    trimming_ = true;
    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    trimming_ = false;
}

}  // namespace korvex
