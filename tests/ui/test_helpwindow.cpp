#include "ui/mainwindow.h"
#include "ui/helpwindow.h"
#include "ui/helppages.h"

#include <QComboBox>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

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

TEST(HelpPages, PicturesComeLastOnTheFirstTwoPages)
{
    const auto first = pageItems(0);
    ASSERT_EQ(first.back().what, helpItem::picture);
    EXPECT_EQ(first.back().pictureNumber, 1);
    EXPECT_EQ(first.back().x, 200);
    EXPECT_EQ(first.back().y, 32);
    const auto second = pageItems(1);
    ASSERT_EQ(second.back().what, helpItem::picture);
    EXPECT_EQ(second.back().pictureNumber, 2);
    EXPECT_EQ(second.back().x, 252);
    EXPECT_EQ(second.back().y, 20);
    for (int page = 2; page < 7; ++page)
        for (const helpItem& item : pageItems(page))
            EXPECT_EQ(item.what, helpItem::text);
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
}

struct HelpWindowTest : testing::Test {
    MainWindow mainForm;
    HelpWindow* form = mainForm.form7();

    void openAndClose(const std::function<void()>& whileOpen = {})
    {
        QTimer::singleShot(0, form, [this, whileOpen] {
            if (whileOpen)
                whileOpen();
            form->close();
        });
        form->exec();
    }
};

TEST_F(HelpWindowTest, LayoutListAndPictures)
{
    EXPECT_FALSE(form->ComboBox1->isEditable());
    EXPECT_EQ(form->PaintBox1->geometry(), QRect(8, 32, 521, 305));
    ASSERT_EQ(form->ComboBox1->count(), 7);
    EXPECT_EQ(form->ComboBox1->itemText(0), "Pagina Principala");
    EXPECT_EQ(form->ComboBox1->itemText(6), "Exercitii demonstrative --- partea III ---");
    EXPECT_EQ(form->picture(1).size(), QSize(314, 227));
    EXPECT_EQ(form->picture(2).size(), QSize(264, 164));
}

TEST_F(HelpWindowTest, PageIsKeptBetweenOpeningsWhileTheListStartsAtItsFirstItem)
{
    EXPECT_EQ(form->currentPage(), 0);
    openAndClose([this] {
        EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
        form->ComboBox1->setCurrentIndex(3);
        emit form->ComboBox1->activated(3);
        EXPECT_EQ(form->currentPage(), 3);
    });
    openAndClose([this] {
        EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
        EXPECT_EQ(form->currentPage(), 3);
        emit form->ComboBox1->activated(5);
    });
    EXPECT_EQ(form->currentPage(), 5);
}

TEST_F(HelpWindowTest, PageAreaPixels)
{
    const QImage page1 = form->PaintBox1->grab().toImage();
    const int w = page1.width(), h = page1.height();
    ASSERT_EQ(w, 521);
    auto rgb = [](const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
    // Frame from (1, 1) to (w - 3, h - 3) on a white area.
    EXPECT_EQ(rgb(page1, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(rgb(page1, 1, 1), 0u);
    EXPECT_EQ(rgb(page1, w - 3, h - 3), 0u);
    EXPECT_EQ(rgb(page1, w - 3, 100), 0u);
    EXPECT_EQ(rgb(page1, w - 2, h - 2), 0xFFFFFFu);
    EXPECT_EQ(rgb(page1, 2, 2), 0xFFFFFFu);
    // Picture 1 at (200, 32).
    const QImage picture = form->picture(1).convertToFormat(QImage::Format_RGB32);
    for (QPoint p : {QPoint(0, 0), QPoint(313, 226), QPoint(157, 100)})
        EXPECT_EQ(rgb(page1, 200 + p.x(), 32 + p.y()), rgb(picture, p.x(), p.y()));
    // The first line's ink lies below y = 3 and right of x = 3; the empty second line has none.
    auto inkIn = [&](const QImage& image, QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (rgb(image, x, y) != 0xFFFFFFu)
                    return true;
        return false;
    };
    EXPECT_TRUE(inkIn(page1, QRect(3, 3, 100, 16)));
    EXPECT_FALSE(inkIn(page1, QRect(2, 2, 300, 1)));
    EXPECT_FALSE(inkIn(page1, QRect(2, 2, 1, 290)));
    EXPECT_FALSE(inkIn(page1, QRect(3, 22, 190, 12)));

    emit form->ComboBox1->activated(2); // four lines, no picture
    const QImage page3 = form->PaintBox1->grab().toImage();
    EXPECT_TRUE(inkIn(page3, QRect(3, 3 + 16 * 3, 150, 16)));
    EXPECT_FALSE(inkIn(page3, QRect(3, 3 + 16 * 4 + 4, 500, 200)));
}
