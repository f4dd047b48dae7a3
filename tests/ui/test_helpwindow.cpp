// The help viewer: its page list, the page kept between openings, and the page area's pixels.
#include "ui/mainwindow.h"
#include "ui/helpwindow.h"

#include <QComboBox>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

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
