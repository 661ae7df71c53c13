// Any bytes given to the RTF reader must give a document, never a crash or a
// hang, and the document must be one Qt can lay out.

#include "app/documents/rtf_reader.h"
#include "app/documents/rtf_text_document.h"
#include "fuzz/offscreen_application.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    StartOffscreenApplication<QGuiApplication>("fuzz_rtf");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const korvex::RtfDocument rtf = korvex::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const korvex::RtfParagraph& paragraph : rtf.paragraphs) {
        for (const korvex::RtfRun& run : paragraph.runs) {
            bool expectLow = false;
            for (const char16_t c : run.text) {
                const bool low = c >= 0xDC00 && c <= 0xDFFF;
                // Control characters would break the paragraphs; lone surrogates the string.
                if ((c < 0x20 && c != u'\t') || low != expectLow)
                    __builtin_trap();
                expectLow = c >= 0xD800 && c <= 0xDBFF;
            }
            if (expectLow || run.format.halfPoints < 2 || run.format.halfPoints > 3276)
                __builtin_trap();
        }
    }
    QTextDocument document;
    document.setTextWidth(290);
    korvex::FillTextDocument(rtf, document);
    document.documentLayout()->documentSize();
    return 0;
}
