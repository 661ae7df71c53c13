#pragma once

#include <QPlainTextEdit>

namespace korvex {

// A multi-line plain-text memo that holds at most maxLength characters, a
// line break counting as one: typing stops at the limit and a paste keeps
// only what fits.
class NotesMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    NotesMemo(int maxLength, QWidget* parent);

    int maxLength() const { return maxLength_; }

private:
    void trimInsertion(int position, int charsRemoved, int charsAdded);

    int maxLength_;
    bool trimming_ = false;
};

}  // namespace korvex
