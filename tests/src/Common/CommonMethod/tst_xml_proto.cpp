#include <Common/CommonMethod/Proto/XmlProto.h>

#include <Base/LogCapture.h>

#include <gtest/gtest.h>

using proto::CXmlProto;

namespace {

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

std::string document(const std::string &body)
{
    return kDeclaration + body + "\n";
}

} // namespace

TEST(XmlProto, UnparsableTextLeavesAnEmptyDocument)
{
    Base::details::CLogCapture capture;
    for (const std::string &bad : {std::string(), std::string("<a><b></a>"),
                                   std::string("plain text"), std::string("<a/><b/>")}) {
        CXmlProto xml;
        ASSERT_TRUE(xml.set_str("<old>kept?</old>"));
        EXPECT_FALSE(xml.set_str(bad)) << bad;
        EXPECT_EQ(xml.get_str(), kDeclaration) << bad;
        EXPECT_EQ(xml.get_text("/old", "default"), "default");
        EXPECT_FALSE(xml.is_exist("/*"));
    }
    bool logged = false;
    for (const auto &line : capture.lines())
        logged = logged || line.message.rfind("read xml faild, error ", 0) == 0;
    EXPECT_TRUE(logged);
}

TEST(XmlProto, TextReading)
{
    CXmlProto xml;
    ASSERT_TRUE(xml.set_str(
        "<DESetup>\n  <Segments>\n    <Segment1>one</Segment1>\n    <Segment2></Segment2>\n"
        "    <Segment4> four &amp; more </Segment4>\n  </Segments>\n"
        "  <Mixed k=\"v\">before<b>inner</b>after<![CDATA[<raw>]]></Mixed>\n</DESetup>"));
    char path[64];
    std::snprintf(path, sizeof(path), "/DESetup/Segments/Segment%d", 2);
    EXPECT_EQ(xml.get_text(path, "default"), "default");                         // empty element
    EXPECT_EQ(xml.get_text("/DESetup/Segments/Segment3", "default"), "default"); // missing element
    EXPECT_EQ(xml.get_text("/DESetup/Segments/Segment1", "default"), "one");
    EXPECT_EQ(xml.get_text("/DESetup/Segments/Segment4", ""), " four & more ");
    // Direct text children only, in order; the child element's text is not part of it.
    EXPECT_EQ(xml.get_text("/DESetup/Mixed", ""), "beforeafter<raw>");
    EXPECT_EQ(xml.get_text("/DESetup/Mixed/@k", ""), "v");
    EXPECT_EQ(xml.get_text("/DESetup/Segments/*", 2), " four & more ");
    EXPECT_EQ(xml.get_text("/DESetup/Segments/*", 3), "");
    EXPECT_EQ(xml.get_texts("/DESetup/Segments/*"),
              (std::vector<std::string>{"one", "", " four & more "}));
    EXPECT_EQ(xml.get_count("/DESetup/Segments/*"), 3);

    // Paths that select nothing, or are not even XPath, read as "nothing there".
    for (const std::string &nothing :
         {"/DESetup/Nope", "count(//*)", "///[", "", "/DESetup/Mixed/text()[9]"}) {
        EXPECT_FALSE(xml.is_exist(nothing)) << nothing;
        EXPECT_FALSE(xml.exist(nothing)) << nothing;
        EXPECT_EQ(xml.get_text(nothing, "d"), "d") << nothing;
        EXPECT_EQ(xml.get_count(nothing), 0) << nothing;
        EXPECT_EQ(xml.get_attr(nothing, "k"), "") << nothing;
        EXPECT_EQ(xml.get_xml(nothing), "") << nothing;
    }
    EXPECT_TRUE(xml.is_exist("/DESetup/Segments/Segment2"));
    EXPECT_EQ(xml.get_xml("/DESetup/Segments/Segment1"), "<Segment1>one</Segment1>");
}

TEST(XmlProto, WritersCreateTheirPath)
{
    CXmlProto xml;
    ASSERT_TRUE(xml.set_text("/Config/Server/Address", "a<b & \"c\""));
    ASSERT_TRUE(xml.set_attr("/Config/Server", "port", "8080"));
    ASSERT_TRUE(xml.add_text("/Config/List/Item", "1"));
    ASSERT_TRUE(xml.add_text("/Config/List/Item", "2"));
    EXPECT_EQ(
        xml.get_str(),
        document("<Config><Server port=\"8080\"><Address>a&lt;b &amp; \"c\"</Address></Server>"
                 "<List><Item>1</Item><Item>2</Item></List></Config>"));
    EXPECT_EQ(xml.get_text("/Config/Server/Address", ""), "a<b & \"c\"");

    // Replacing text keeps entity-like text as text.
    ASSERT_TRUE(xml.set_text("/Config/List/Item", "&amp;"));
    EXPECT_EQ(xml.get_texts("/Config/List/Item"), (std::vector<std::string>{"&amp;", "2"}));

    // Only one root, and only plain element paths can be created.
    EXPECT_FALSE(xml.set_text("/Other/X", "x"));
    EXPECT_FALSE(xml.set_text("//Missing[@id='1']", "x"));
    EXPECT_FALSE(xml.add_text("/Config", "x"));
    EXPECT_FALSE(xml.set_attr("/Config", "bad name", "x"));
    EXPECT_FALSE(xml.set_attr("/Config/List/Item", 5, "k", "v"));

    // Re-parsing the output gives the same document.
    const std::string text = xml.get_str();
    CXmlProto again;
    ASSERT_TRUE(again.set_str(text));
    EXPECT_EQ(again.get_str(), text);

    xml.clear();
    EXPECT_EQ(xml.get_str(), kDeclaration);
}

TEST(XmlProto, Attributes)
{
    CXmlProto xml;
    ASSERT_TRUE(xml.set_str("<r><e id=\"1\" name=\"a &amp; b\"/><e id=\"2\"/></r>"));
    EXPECT_EQ(xml.get_attr("/r/e", "name"), "a & b");
    EXPECT_EQ(xml.get_attr("/r/e", 1, "id"), "2");
    EXPECT_EQ(xml.get_attr("/r/e", 1, "name"), "");
    EXPECT_EQ(xml.get_attrs("/r/e"),
              (std::map<std::string, std::string>{{"id", "1"}, {"name", "a & b"}}));
    ASSERT_TRUE(xml.set_attr("/r/e", 1, "name", "<b>"));
    EXPECT_EQ(xml.get_attr("/r/e[@id='2']", "name"), "<b>");
    EXPECT_TRUE(xml.remove_attr("/r/e", "name"));
    EXPECT_FALSE(xml.remove_attr("/r/e", "name"));
    EXPECT_EQ(xml.get_str(), document("<r><e id=\"1\"/><e id=\"2\" name=\"&lt;b&gt;\"/></r>"));
}

TEST(XmlProto, SubTrees)
{
    CXmlProto xml;
    ASSERT_TRUE(xml.set_xml("/r/box", "<a x=\"1\">t</a><b/>tail"));
    EXPECT_EQ(xml.get_xml("/r/box"), "<box><a x=\"1\">t</a><b/>tail</box>");
    ASSERT_TRUE(xml.add_xml("/r/box", "<?xml version=\"1.0\"?><c/>"));
    EXPECT_EQ(xml.get_count("/r/box/*"), 3);
    // A fragment that does not parse changes nothing.
    EXPECT_FALSE(xml.set_xml("/r/box", "<open>"));
    EXPECT_FALSE(xml.add_xml("/r/box", "<open>"));
    EXPECT_EQ(xml.get_xml("/r/box"), "<box><a x=\"1\">t</a><b/>tail<c/></box>");
    ASSERT_TRUE(xml.set_xml("/r/box", "<only/>"));
    EXPECT_EQ(xml.get_xml("/r/box"), "<box><only/></box>");

    // Nested matches and attributes go together without touching freed nodes.
    ASSERT_TRUE(xml.set_str("<r><n k=\"1\"><n><n/></n></n><keep/></r>"));
    EXPECT_EQ(xml.remove("//n | //n/@k"), 4);
    EXPECT_EQ(xml.remove("/r/none"), 0);
    EXPECT_EQ(xml.remove("/"), 0);
    EXPECT_EQ(xml.get_str(), document("<r><keep/></r>"));
    EXPECT_EQ(xml.remove("/r"), 1);
    EXPECT_EQ(xml.get_str(), kDeclaration);
    // An emptied document takes a new root from the next writer.
    ASSERT_TRUE(xml.set_text("/fresh", "x"));
    EXPECT_EQ(xml.get_str(), document("<fresh>x</fresh>"));
}
