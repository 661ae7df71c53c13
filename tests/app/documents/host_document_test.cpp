#include "app/documents/host_document.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

constexpr const char* kPage = R"(<HTML><HEAD><TITLE>Home</TITLE>
<script>if (a < b) document.write("<applet code=Fake>");</script></HEAD>
<BODY bgcolor="#ffffff"><!-- <applet code="Commented.class"></applet> -->
<APPLET code="My.class" name="My" width=653 height='408' align="CENTER" codebase=".">
<PARAM NAME="textcolor" VALUE="0000FF">
<param name=textsize value=20>
<param name="text" value="">
<param name="quote" value="say &quot;hi&quot; &lt;b&gt; &amp; &#65;&#x42;">
Your browser cannot run the panel.
</APPLET><br>
<p align="justify"><b><i>What does this tool show ?</i></b> It simulates.</p>
</BODY></HTML>)";

TEST(HostDocument, FindsThePanelItsParametersAndTheTextAroundIt)
{
    const HostDocument document = ReadHostDocument(kPage);
    EXPECT_EQ(document.title, "Home");
    ASSERT_TRUE(document.hasPanel);
    EXPECT_EQ(document.attribute("code"), "My.class");
    EXPECT_EQ(document.attribute("WIDTH"), "653");
    EXPECT_EQ(document.attribute("height"), "408");
    EXPECT_EQ(document.attribute("align"), "CENTER");
    ASSERT_EQ(document.parameters.size(), 4u);
    EXPECT_EQ(document.parameters[0], (NamedText{"textcolor", "0000FF"}));
    EXPECT_EQ(document.parameter("TEXTSIZE"), "20");
    EXPECT_EQ(document.parameter("text"), "");  // present though empty
    EXPECT_FALSE(document.parameter("background").has_value());
    EXPECT_EQ(document.parameter("quote"), "say \"hi\" <b> & AB");

    EXPECT_EQ(document.markupBefore, "\n");
    EXPECT_NE(document.markupAfter.find("<b><i>What does this tool show ?</i></b>"), std::string::npos);
    EXPECT_EQ(document.markupAfter.find("cannot run"), std::string::npos);
    EXPECT_EQ(document.markupAfter.find("</BODY>"), std::string::npos);
}

TEST(HostDocument, DecodesCharacterReferences)
{
    const struct {
        const char* text;
        const char* decoded;
    } cases[] = {
        {"a &amp; b", "a & b"},  {"&QQ;", "&QQ;"},          {"&#169;", "\xc2\xa9"}, {"&#x20AC;", "\xe2\x82\xac"},
        {"&#0;", "\xef\xbf\xbd"}, {"&#9999999;", "\xef\xbf\xbd"}, {"&#99999999999;", "&#99999999999;"}, {"&;", "&;"},  {"&#;", "&#;"},
        {"& nbsp;", "& nbsp;"},  {"&nbsp", "&nbsp"},        {"&NBSP;", "\xc2\xa0"}, {"&#x;", "&#x;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeEntities(c.text), c.decoded) << c.text;
}

TEST(HostDocument, SurvivesBrokenMarkup)
{
    const char* const cases[] = {
        "",  "<",  "<<<<", "</", "<applet", "<applet code=\"x", "<applet><param name=a value=b",
        "<!--", "<script>", "<title>", "<title>x", "<a href='>", "&#", "<applet></applet><applet>",
        "<p =x = =>", "<param name=x>", "\0<\0>",
    };
    for (const char* html : cases)
        EXPECT_NO_THROW(ReadHostDocument(html)) << html;

    const HostDocument unclosed = ReadHostDocument("<applet width=5><param name=a value=b>");
    EXPECT_TRUE(unclosed.hasPanel);
    EXPECT_EQ(unclosed.parameter("a"), "b");
    EXPECT_FALSE(ReadHostDocument("<body>just text</body>").hasPanel);
}

}  // namespace
}  // namespace korvex
