#pragma once
// Shows RTF in Qt's rich-text widgets, which cannot read it themselves.

#include "app/documents/rtf_reader.h"

#include <string_view>

class QTextDocument;

namespace korvex {

// Replaces the content of the document with the formatted text.
void FillTextDocument(const RtfDocument& rtf, QTextDocument& document);

inline void LoadRtf(std::string_view rtf, QTextDocument& document) { FillTextDocument(ReadRtf(rtf), document); }

}  // namespace korvex
