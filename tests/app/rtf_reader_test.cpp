#include "app/rtf_reader.h"
#include "app/rtf_tokenizer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace korvex {
namespace {

// The paragraphs' text joined by "|", UTF-8 for readable failures.
std::string shown(std::string_view rtf)
{
    std::string all;
    bool first = true;
    for (const RtfParagraph& paragraph : ReadRtf(rtf).paragraphs) {
        if (!first)
            all += '|';
        first = false;
        const std::u16string text = paragraph.text();
        for (std::size_t i = 0; i < text.size(); ++i) {
            char32_t c = text[i];
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
                c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
            if (c < 0x80) {
                all += static_cast<char>(c);
            } else if (c < 0x800) {
                all += static_cast<char>(0xC0 | c >> 6);
                all += static_cast<char>(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                all += static_cast<char>(0xE0 | c >> 12);
                all += static_cast<char>(0x80 | (c >> 6 & 0x3F));
                all += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                all += static_cast<char>(0xF0 | c >> 18);
                all += static_cast<char>(0x80 | (c >> 12 & 0x3F));
                all += static_cast<char>(0x80 | (c >> 6 & 0x3F));
                all += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    }
    return all;
}

struct TextCase {
    const char* name;
    std::string rtf;
    const char* text;
};

class RtfText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfText, ShowsTheReadableText) { EXPECT_EQ(shown(GetParam().rtf), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfText,
    testing::Values(
        TextCase{"Plain", R"({\rtf1\ansi Hello, world})", "Hello, world"},
        TextCase{"Paragraphs", R"({\rtf1 one\par two\par\par three})", "one|two||three"},
        TextCase{"LineEndsInTheFileAreNotText", "{\\rtf1 one\r\ntwo\\par\r\n}", "onetwo"},
        TextCase{"LineAndTab", R"({\rtf1 a\line b\tab c})", "a\u2028b\tc"},
        TextCase{"EscapedBraces", R"({\rtf1 \{x\} \\ y})", "{x} \\ y"},
        TextCase{"Code page 1252", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80\'96\'85})", "caf\u00e9 \u20ac\u2013\u2026"},
        TextCase{"RawHighBytes", "{\\rtf1 \x93quoted\x94}", "\u201cquoted\u201d"},
        TextCase{"UnicodeWithFallback", R"({\rtf1 \u8364?5 \uc2\u8364 EU x})", "\u20ac5 \u20ac x"},
        TextCase{"NegativeUnicode", R"({\rtf1\uc0\u-4064 })", "\uf020"},
        TextCase{"TablesAreNotShown",
                 R"({\rtf1{\fonttbl{\f0\fswiss Verdana;}}{\colortbl ;\red0\green0\blue128;}Text})", "Text"},
        TextCase{"SkippedDestinations",
                 R"({\rtf1{\*\generator Writer 1.0;}{\info{\title Secret}}{\stylesheet{\s0 Normal;}})"
                 R"({\pict\pngblip 89504e47}{\*\unknown{\nested x}}Shown})",
                 "Shown"},
        TextCase{"FieldResultIsShown", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", "link"},
        TextCase{"BinaryDataIsSkipped", "{\\rtf1{\\pict\\bin6 }{\\x\\}b}after}", "after"},
        TextCase{"SpecialCharacters", R"({\rtf1 a\~b\-c\_d\emdash\lquote q\rquote})", "a\u00a0bc\u2011d\u2014\u2018q\u2019"},
        TextCase{"UnclosedGroups", R"({\rtf1 {\b bold {\i more)", "bold more"},
        TextCase{"TextAfterTheDocumentIsIgnored", R"({\rtf1 in}out)", "in"},
        TextCase{"StrayClosingBrace", R"(}}{\rtf1 text})", "text"},
        TextCase{"NoHeaderAtAll", "just some text", "just some text"},
        TextCase{"BackslashAtTheEnd", "{\\rtf1 end\\", "end"},
        TextCase{"BrokenHexEscape", R"({\rtf1 a\'zzb\'4})", "azzb4"},
        TextCase{"ControlCharactersAreDropped", std::string("{\\rtf1 a\0b\x01\\uc0\\u10 c}", 22), "abc"},
        TextCase{"LoneSurrogate", R"({\rtf1\uc0\u-10240 x\u-10240\u-9216 })", "\ufffdx\U00010000"},
        TextCase{"HugeParameters", R"({\rtf1\fs99999999999999\f-99999999999\cf99999999\uc0\u99999999999 ok})", "\uffffok"}),
    [](const testing::TestParamInfo<TextCase>& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

const std::string Header =
    R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss\fcharset0 Verdana;}{\f1 Trebuchet MS;}})"
    R"({\colortbl ;\red0\green0\blue128;\red255\green0\blue0;})";

TEST(RtfFormat, FollowsTheControlWordsAndRestoresItAfterAGroup)
{
    const RtfDocument document = ReadRtf(Header + R"(\pard\sb100\sa60\f0\fs20 body {\f1\fs24\cf1\b Head} )"
                                                  R"({\ul term\ul0 off} x\ul y\ulnone z\i it\plain plain\par})");
    ASSERT_EQ(document.paragraphs.size(), 1u);
    const RtfParagraph& paragraph = document.paragraphs[0];
    EXPECT_EQ(paragraph.spaceBefore, 100);
    EXPECT_EQ(paragraph.spaceAfter, 60);
    const auto& runs = paragraph.runs;
    ASSERT_EQ(runs.size(), 9u);
    const RtfCharFormat body{u"Verdana", 20, false, false, false, std::nullopt};
    EXPECT_EQ(runs[0].text, u"body ");
    EXPECT_EQ(runs[0].format, body);
    EXPECT_EQ(runs[1].text, u"Head");
    EXPECT_EQ(runs[1].format, (RtfCharFormat{u"Trebuchet MS", 24, true, false, false, 0x000080u}));
    EXPECT_EQ(runs[2].text, u" ");
    EXPECT_EQ(runs[2].format, body);
    EXPECT_EQ(runs[3].text, u"term");
    EXPECT_TRUE(runs[3].format.underline);
    EXPECT_EQ(runs[4].text, u"off x");
    EXPECT_EQ(runs[4].format, body);
    EXPECT_EQ(runs[5].text, u"y");
    EXPECT_TRUE(runs[5].format.underline);
    EXPECT_EQ(runs[6].text, u"z");
    EXPECT_FALSE(runs[6].format.underline);
    EXPECT_EQ(runs[7].text, u"it");
    EXPECT_TRUE(runs[7].format.italic);
    EXPECT_EQ(runs[8].text, u"plain");
    EXPECT_EQ(runs[8].format, (RtfCharFormat{u"Verdana", 24, false, false, false, std::nullopt}));
}

TEST(RtfFormat, ParagraphsKeepTheirSpacingUntilPardAndMarksKeepTheirFont)
{
    const RtfDocument document =
        ReadRtf(Header + R"(\sb100\sa100\fs20\par{\f1\fs24 Head\par}Body\par\pard\cf2 after\cf9 bad\par})");
    ASSERT_EQ(document.paragraphs.size(), 4u);
    EXPECT_TRUE(document.paragraphs[0].runs.empty());
    EXPECT_EQ(document.paragraphs[0].markFormat.halfPoints, 20);
    EXPECT_EQ(document.paragraphs[1].markFormat.fontName, u"Trebuchet MS");
    EXPECT_EQ(document.paragraphs[2].spaceBefore, 100);
    EXPECT_EQ(document.paragraphs[3].spaceBefore, 0);
    EXPECT_EQ(document.paragraphs[3].runs[0].format.colour, 0xFF0000u);
    EXPECT_FALSE(document.paragraphs[3].runs[1].format.colour) << "a colour outside the table is automatic";
}

TEST(RtfReader, DeepNestingIsReadQuickly)
{
    std::string deep = "{\\rtf1 " + std::string(200000, '{') + "\\b deep" + std::string(200000, '}') + " end}";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(shown(deep), "deep end");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(RtfTokenizer, ReadsParametersDelimitersAndSymbols)
{
    RtfTokenizer tokens(R"(\fs-20 x\b0\b \'4a\* \fs99999999999 )");
    const RtfToken fs = tokens.next();
    EXPECT_EQ(fs.text, "fs");
    EXPECT_TRUE(fs.hasParameter);
    EXPECT_EQ(fs.parameter, -20);
    EXPECT_EQ(tokens.next().text, "x") << "one blank ends a control word and is not text";
    const RtfToken b0 = tokens.next();
    EXPECT_EQ(b0.parameter, 0);
    EXPECT_TRUE(b0.hasParameter);
    EXPECT_FALSE(tokens.next().hasParameter);
    const RtfToken hex = tokens.next();
    EXPECT_EQ(hex.kind, RtfToken::Kind::HexByte);
    EXPECT_EQ(hex.parameter, 0x4A);
    EXPECT_EQ(tokens.next().symbol, '*');
    EXPECT_EQ(tokens.next().text, " ");
    EXPECT_EQ(tokens.next().parameter, 2147483647);
    EXPECT_EQ(tokens.next().kind, RtfToken::Kind::End);
    EXPECT_EQ(tokens.next().kind, RtfToken::Kind::End);
}

}  // namespace
}  // namespace korvex
