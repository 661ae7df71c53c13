#include "app/documents/rtf_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace korvex {
namespace {

// The paragraphs' text joined by "|".
std::u16string shown(std::string_view rtf)
{
    const RtfDocument document = ReadRtf(rtf);
    std::u16string all;
    for (const RtfParagraph& paragraph : document.paragraphs) {
        if (&paragraph != &document.paragraphs.front())
            all += u'|';
        all += paragraph.text();
    }
    return all;
}

struct TextCase {
    const char* name;
    std::string rtf;
    const char16_t* text;
};

class RtfText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfText, ShowsTheReadableText) { EXPECT_EQ(shown(GetParam().rtf), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Rtf, RtfText,
    testing::Values(
        TextCase{"Plain", R"({\rtf1\ansi Hello, world})", u"Hello, world"},
        TextCase{"Paragraphs", R"({\rtf1 one\par two\par\par three})", u"one|two||three"},
        TextCase{"LineEndsInTheFileAreNotText", "{\\rtf1 one\r\ntwo\\par\r\n}", u"onetwo"},
        TextCase{"LineAndTab", R"({\rtf1 a\line b\tab c})", u"a\u2028b\tc"},
        TextCase{"EscapedBraces", R"({\rtf1 \{x\} \\ y})", u"{x} \\ y"},
        TextCase{"Code page 1252", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80\'96\'85})", u"caf\u00e9 \u20ac\u2013\u2026"},
        TextCase{"RawHighBytes", "{\\rtf1 \x93quoted\x94}", u"\u201cquoted\u201d"},
        TextCase{"UnicodeWithFallback", R"({\rtf1 \u8364?5 \uc2\u8364 EU x})", u"\u20ac5 \u20ac x"},
        TextCase{"NegativeUnicode", R"({\rtf1\uc0\u-4064 })", u"\uf020"},
        TextCase{"TablesAreNotShown",
                 R"({\rtf1{\fonttbl{\f0\fswiss Verdana;}}{\colortbl ;\red0\green0\blue128;}Text})", u"Text"},
        TextCase{"SkippedDestinations",
                 R"({\rtf1{\*\generator Writer 1.0;}{\info{\title Secret}}{\stylesheet{\s0 Normal;}})"
                 R"({\pict\pngblip 89504e47}{\*\unknown{\nested x}}Shown})",
                 u"Shown"},
        TextCase{"FieldResultIsShown", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u"link"},
        TextCase{"BinaryDataIsSkipped", "{\\rtf1{\\pict\\bin6 }{\\x\\}b}after}", u"after"},
        TextCase{"SpecialCharacters", R"({\rtf1 a\~b\-c\_d\emdash\lquote q\rquote})", u"a\u00a0bc\u2011d\u2014\u2018q\u2019"},
        TextCase{"UnclosedGroups", R"({\rtf1 {\b bold {\i more)", u"bold more"},
        TextCase{"TextAfterTheDocumentIsIgnored", R"({\rtf1 in}out)", u"in"},
        TextCase{"StrayClosingBrace", R"(}}{\rtf1 text})", u"text"},
        TextCase{"NoHeaderAtAll", "just some text", u"just some text"},
        TextCase{"BackslashAtTheEnd", "{\\rtf1 end\\", u"end"},
        TextCase{"BrokenHexEscape", R"({\rtf1 a\'zzb\'4})", u"azzb4"},
        TextCase{"ControlCharactersAreDropped", std::string("{\\rtf1 a\0b\x01\\uc0\\u10 c}", 22), u"abc"},
        TextCase{"LoneSurrogate", R"({\rtf1\uc0\u-10240 x\u-10240\u-9216 })", u"\ufffdx\U00010000"},
        TextCase{"HugeParameters", R"({\rtf1\fs99999999999999\f-99999999999\cf99999999\uc0\u99999999999 ok})", u"\uffffok"}),
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
    EXPECT_EQ(document.paragraphs[0].spaceBefore, 100);
    EXPECT_EQ(document.paragraphs[0].spaceAfter, 60);
    RtfCharFormat plain;
    plain.fontName = u"Verdana";
    RtfCharFormat body = plain;
    body.halfPoints = 20;
    RtfCharFormat underlined = body;
    underlined.underline = true;
    RtfCharFormat italic = body;
    italic.italic = true;
    RtfCharFormat heading;
    heading.fontName = u"Trebuchet MS";
    heading.bold = true;
    heading.colour = 0x000080u;
    const RtfRun expected[] = {
        {body, u"body "}, {heading, u"Head"}, {body, u" "}, {underlined, u"term"}, {body, u"off x"},
        {underlined, u"y"}, {body, u"z"},     {italic, u"it"}, {plain, u"plain"},
    };
    const auto& runs = document.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), std::size(expected));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text, expected[i].text);
        EXPECT_TRUE(runs[i].format == expected[i].format) << i;
    }
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
    EXPECT_EQ(shown(deep), u"deep end");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace korvex
