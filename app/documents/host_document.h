#pragma once
// Reads a host document: a small web page that embeds one panel element
// (<applet> or <object>) and passes it named text parameters. The reader is
// a single forward scan, so no markup, however broken, can make it recurse,
// loop or read out of bounds.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvex {

using NamedText = std::pair<std::string, std::string>;

struct HostDocument {
    std::string title;
    bool hasPanel = false;
    std::vector<NamedText> panelAttributes;  // lower-case names, decoded values
    std::vector<NamedText> parameters;       // in document order, names as written
    // The body's markup before and after the panel element, without
    // comments, scripts and styles, for showing the document's text.
    std::string markupBefore;
    std::string markupAfter;

    // Both look names up without regard to case; the first match wins.
    std::optional<std::string> attribute(std::string_view name) const;
    std::optional<std::string> parameter(std::string_view name) const;
};

HostDocument ReadHostDocument(std::string_view html);

// Replaces character references (&quot; &amp; &lt; &gt; &apos; &nbsp;
// &#NN; &#xHH;) by UTF-8 text; anything else is kept as written.
std::string DecodeEntities(std::string_view text);

}  // namespace korvex
