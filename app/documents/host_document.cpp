#include "app/documents/host_document.h"

#include "app/numbers/ascii_text.h"

#include <cstdint>

namespace korvex {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == ':' || c == '.';
}

std::optional<std::string> lookUp(const std::vector<NamedText>& list, std::string_view name)
{
    for (const auto& [key, value] : list)
        if (equalsIgnoringCase(key, name))
            return value;
    return std::nullopt;
}

void appendUtf8(std::string& out, std::uint32_t code)
{
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes the reference at text[i] ("&..."); returns its length, 0 if none.
std::size_t decodeReference(std::string_view text, std::size_t i, std::string& out)
{
    const std::size_t end = text.find(';', i);
    if (end == std::string_view::npos || end - i > 10)
        return 0;
    const std::string_view name = text.substr(i + 1, end - i - 1);
    static const std::pair<std::string_view, std::uint32_t> named[] = {
        {"quot", '"'}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"apos", '\''}, {"nbsp", 0xA0}, {"copy", 0xA9},
    };
    for (const auto& [entity, code] : named)
        if (equalsIgnoringCase(name, entity)) {
            appendUtf8(out, code);
            return end - i + 1;
        }
    if (name.size() < 2 || name[0] != '#')
        return 0;
    const bool hex = asciiLower(name[1]) == 'x';
    std::uint32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty())
        return 0;
    for (const char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (hex && asciiLower(c) >= 'a' && asciiLower(c) <= 'f')
            digit = asciiLower(c) - 'a' + 10;
        if (digit < 0)
            return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
        if (code > 0x10FFFF)
            code = 0x110000;  // stays invalid whatever follows
    }
    appendUtf8(out, code);
    return end - i + 1;
}

struct Tag {
    std::string name;  // lower case; starts with '/' for an end tag
    std::vector<NamedText> attributes;
    std::size_t end = 0;  // just past the '>'
};

void skipSpaces(std::string_view html, std::size_t& i)
{
    while (i < html.size() && isSpace(html[i]))
        ++i;
}

std::string readName(std::string_view html, std::size_t& i)
{
    std::string name;
    while (i < html.size() && isNameChar(html[i]))
        name += asciiLower(html[i++]);
    return name;
}

std::string readAttributeValue(std::string_view html, std::size_t& i)
{
    if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
        const char quote = html[i++];
        const std::size_t close = html.find(quote, i);
        const std::size_t stop = close == std::string_view::npos ? html.size() : close;
        const std::string value = DecodeEntities(html.substr(i, stop - i));
        i = stop == html.size() ? stop : stop + 1;
        return value;
    }
    const std::size_t start = i;
    while (i < html.size() && !isSpace(html[i]) && html[i] != '>')
        ++i;
    return DecodeEntities(html.substr(start, i - start));
}

// Reads the tag whose '<' is at html[i]. Attribute names keep their case
// for parameters' sake only in values; names are folded to lower case.
Tag readTag(std::string_view html, std::size_t i)
{
    Tag tag;
    ++i;
    if (i < html.size() && html[i] == '/') {
        tag.name.assign(1, '/');
        ++i;
    }
    tag.name += readName(html, i);
    while (i < html.size() && html[i] != '>') {
        skipSpaces(html, i);
        std::string name = readName(html, i);
        if (name.empty()) {
            if (i < html.size() && html[i] != '>')
                ++i;  // a stray character such as '/' or '"'
            continue;
        }
        skipSpaces(html, i);
        std::string value;
        if (i < html.size() && html[i] == '=') {
            ++i;
            skipSpaces(html, i);
            value = readAttributeValue(html, i);
        }
        tag.attributes.emplace_back(std::move(name), std::move(value));
    }
    tag.end = i < html.size() ? i + 1 : html.size();
    return tag;
}

bool startsTag(std::string_view html, std::size_t i)
{
    if (i + 1 >= html.size() || html[i] != '<')
        return false;
    const char next = html[i + 1];
    return next == '/' || (asciiLower(next) >= 'a' && asciiLower(next) <= 'z');
}

// Position just past the end tag "</name>", or the end of the text.
std::size_t skipRawElement(std::string_view html, std::size_t from, std::string_view name)
{
    for (std::size_t i = html.find("</", from); i != std::string_view::npos; i = html.find("</", i + 2))
        if (equalsIgnoringCase(html.substr(i + 2, name.size()), name))
            return readTag(html, i).end;
    return html.size();
}

class Reader {
public:
    explicit Reader(std::string_view html)
        : html_(html)
    {
    }

    HostDocument read()
    {
        std::size_t i = 0;
        while (i < html_.size()) {
            if (html_.compare(i, 4, "<!--") == 0) {
                const std::size_t close = html_.find("-->", i + 4);
                i = close == std::string_view::npos ? html_.size() : close + 3;
            } else if (startsTag(html_, i)) {
                i = onTag(i, readTag(html_, i));
            } else {
                const std::size_t next = html_.find('<', i + 1);
                const std::size_t stop = next == std::string_view::npos ? html_.size() : next;
                keep(html_.substr(i, stop - i));
                i = stop;
            }
        }
        if (inPanel_)
            document_.hasPanel = true;  // an unclosed panel element still counts
        return std::move(document_);
    }

private:
    std::size_t onTag(std::size_t start, const Tag& tag)
    {
        const std::string& name = tag.name;
        if (name == "script" || name == "style")
            return skipRawElement(html_, tag.end, name);
        if (name == "title") {
            const std::size_t close = html_.find("</", tag.end);
            const std::size_t stop = close == std::string_view::npos ? html_.size() : close;
            document_.title = DecodeEntities(html_.substr(tag.end, stop - tag.end));
            return skipRawElement(html_, tag.end, name);
        }
        if (name == "head" || name == "/head" || name == "html" || name == "/html" || name == "!doctype"
            || name == "meta" || name == "link")
            return tag.end;
        if (name == "body") {
            document_.markupBefore.clear();  // whatever came before the body is not shown
            return tag.end;
        }
        if (name == "/body")
            return tag.end;
        if (!document_.hasPanel && !inPanel_ && (name == "applet" || name == "object")) {
            inPanel_ = true;
            panelName_ = name;
            document_.panelAttributes = tag.attributes;
            return tag.end;
        }
        if (inPanel_) {
            if (name == "param")
                addParameter(tag);
            else if (name == "/" + panelName_) {
                inPanel_ = false;
                document_.hasPanel = true;
            }
            return tag.end;  // the panel's fallback content is not shown
        }
        keep(html_.substr(start, tag.end - start));
        return tag.end;
    }

    void addParameter(const Tag& tag)
    {
        const auto name = lookUp(tag.attributes, "name");
        if (name)
            document_.parameters.emplace_back(*name, lookUp(tag.attributes, "value").value_or(""));
    }

    void keep(std::string_view markup)
    {
        if (inPanel_)
            return;
        (document_.hasPanel ? document_.markupAfter : document_.markupBefore) += markup;
    }

    std::string_view html_;
    HostDocument document_;
    bool inPanel_ = false;
    std::string panelName_;
};

}  // namespace

std::optional<std::string> HostDocument::attribute(std::string_view name) const
{
    return lookUp(panelAttributes, name);
}

std::optional<std::string> HostDocument::parameter(std::string_view name) const
{
    return lookUp(parameters, name);
}

std::string DecodeEntities(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t taken = text[i] == '&' ? decodeReference(text, i, out) : 0;
        if (taken == 0)
            out += text[i++];
        else
            i += taken;
    }
    return out;
}

HostDocument ReadHostDocument(std::string_view html) { return Reader(html).read(); }

}  // namespace korvex
