// The help pages: where each line and picture of the seven pages lands, the texts kept byte for
// byte, and the reader of page descriptions on damaged input.
#include "help/helppages.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::vector<helpItem> pageItems(int page) { return interpretPage(helpPageDescription(page)); }

} // namespace

TEST(HelpPages, LinesStartAtThreeThreeAndFollowEvery16Pixels)
{
    const int lineCounts[7] = {15, 17, 4, 17, 16, 15, 18};
    for (int page = 0; page < 7; ++page) {
        const auto items = pageItems(page);
        int lines = 0;
        for (const helpItem& item : items) {
            if (item.what != helpItem::text)
                continue;
            EXPECT_EQ(item.x, 3) << "page " << page + 1;
            EXPECT_EQ(item.y, 3 + 16 * lines) << "page " << page + 1;
            ++lines;
        }
        EXPECT_EQ(lines, lineCounts[page]) << "page " << page + 1;
    }
}

TEST(HelpPages, LeadingAndTrailingSpacesAreKept)
{
    const auto page1 = pageItems(0);
    EXPECT_EQ(page1[5].line, "In zona de lucru se pot vedea ");
    EXPECT_EQ(page1[6].line, " variabilele aflate curent in ");
    EXPECT_EQ(page1[1].line, "");
    const auto page3 = pageItems(2);
    EXPECT_EQ(page3[2].line, " in versiunea curenta sunt suportate urmatoarele formate : ");
    EXPECT_EQ(page3[3].line, "    PC-DSP versiune DOS");
    const auto page4 = pageItems(3);
    EXPECT_EQ(page4[1].line, " - prin intermediul ferestrei \"Generare functie\"");
    EXPECT_EQ(page4[4].line, "       variabila este considerata in acest caz o functie periodica, cu perioada 1 care in ");
    const auto page7 = pageItems(6);
    EXPECT_EQ(page7[15].line, "Exercitiul 5 :");
    EXPECT_EQ(page7[17].line, " dirichlet(x*2-1)*(sin(x*pi*2)+0.5)+x*dirichlet(x*2.02)+0.01*noise+0.02*exp(i*x*20)");
}

TEST(HelpPages, InterpreterReadsCodesAndStopsBeforeTheLastByte)
{
    using namespace std::string_literals;
    // A line at (y 5, x 7), the next one 16 lower, and a trailing code that is not read.
    auto items = interpretPage("\x01\x05\x07" "ab\x02" "cd\x02"s);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].x, 17);
    EXPECT_EQ(items[0].y, 13);
    EXPECT_EQ(items[0].line, "ab");
    EXPECT_EQ(items[1].x, 17);
    EXPECT_EQ(items[1].y, 29);
    EXPECT_EQ(items[1].line, "cd");
    // The text of a line ends at any byte below 32; stray bytes and cut-off codes are harmless.
    items = interpretPage("xy\x01\x00\x00" "a\x07" "b\x03\x01"s);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].line, "a");
    EXPECT_TRUE(interpretPage("").empty());
    EXPECT_TRUE(interpretPage("\x01"s).empty());
    EXPECT_TRUE(interpretPage("\x01\x00"s).empty());
    items = interpretPage("\x03\x02\x04\x02\x02"s);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].what, helpItem::picture);
    EXPECT_EQ(items[0].x, 4);
    EXPECT_EQ(items[0].y, 8);
    // A page text (a translation, say) with control bytes: they stay inside their line as spaces
    // and never read as codes.
    items = interpretPage(describePage("a\n\x03\x01\x01\x02" "b\tc\r", {2, 5, 6}));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].line, "    b c ");
    EXPECT_EQ(items[1].y, 19);
    EXPECT_EQ(items[2].what, helpItem::picture);
    EXPECT_EQ(std::make_pair(items[2].x, items[2].y), std::make_pair(10, 12));
}
