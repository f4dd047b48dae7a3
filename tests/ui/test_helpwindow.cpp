// The help viewer: its page list, the page kept between openings, the page area's pixels, and
// the pages in both languages.
#include "controls.h"

#include "ui/helpwindow.h"
#include "ui/language.h"

#include <QComboBox>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

using namespace uitest::controls;

struct HelpWindowTest : testing::Test {
    HelpWindow help{nullptr};

    void openAndClose(const std::function<void()>& whileOpen = {}) { uitest::openAndClose(help, whileOpen); }
    QImage pageShown() const { return PaintBox1(help)->grab().toImage(); }
    // The two pictures as the program's resources hold them.
    static QImage picture(int number)
    {
        return QImage(number == 1 ? QStringLiteral(":/help/HELP_MA.png") : QStringLiteral(":/help/HELP_FUN.png"));
    }
};

TEST_F(HelpWindowTest, LayoutListAndPictures)
{
    EXPECT_FALSE(ComboBox1(help)->isEditable());
    EXPECT_EQ(PaintBox1(help)->geometry(), QRect(8, 32, 521, 305));
    ASSERT_EQ(ComboBox1(help)->count(), 7);
    EXPECT_EQ(ComboBox1(help)->itemText(0), "Pagina Principala");
    EXPECT_EQ(ComboBox1(help)->itemText(6), "Exercitii demonstrative --- partea III ---");
    EXPECT_EQ(picture(1).size(), QSize(314, 227));
    EXPECT_EQ(picture(2).size(), QSize(264, 164));
}

TEST_F(HelpWindowTest, PageIsKeptBetweenOpeningsWhileTheListStartsAtItsFirstItem)
{
    const QImage first = pageShown();
    QImage fourth;
    openAndClose([&] {
        EXPECT_EQ(ComboBox1(help)->currentIndex(), 0);
        EXPECT_EQ(pageShown(), first);
        ComboBox1(help)->setCurrentIndex(3);
        emit ComboBox1(help)->activated(3);
        fourth = pageShown();
        EXPECT_NE(fourth, first);
    });
    openAndClose([&] {
        EXPECT_EQ(ComboBox1(help)->currentIndex(), 0);
        EXPECT_EQ(pageShown(), fourth);
        emit ComboBox1(help)->activated(5);
    });
    const QImage sixth = pageShown();
    EXPECT_NE(sixth, fourth);
    EXPECT_NE(sixth, first);
}

TEST_F(HelpWindowTest, PageAreaPixels)
{
    const QImage page1 = PaintBox1(help)->grab().toImage();
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
    // The first two pages end with their pictures, drawn whole over any text: picture 1 at
    // (200, 32), picture 2 at (252, 20).
    const auto pictureWhole = [&](const QImage& page, int number, QPoint at) {
        const QImage picture = HelpWindowTest::picture(number).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (rgb(page, at.x() + x, at.y() + y) != rgb(picture, x, y))
                    return false;
        return true;
    };
    EXPECT_TRUE(pictureWhole(page1, 1, QPoint(200, 32)));
    emit ComboBox1(help)->activated(1);
    EXPECT_TRUE(pictureWhole(PaintBox1(help)->grab().toImage(), 2, QPoint(252, 20)));
    emit ComboBox1(help)->activated(0);
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

    emit ComboBox1(help)->activated(2); // four lines, no picture
    const QImage page3 = PaintBox1(help)->grab().toImage();
    EXPECT_TRUE(inkIn(page3, QRect(3, 3 + 16 * 3, 150, 16)));
    EXPECT_FALSE(inkIn(page3, QRect(3, 3 + 16 * 4 + 4, 500, 200)));
}

TEST_F(HelpWindowTest, EveryLineFitsItsPageAndLeavesThePictureFreeInBothLanguages)
{
    const QFontMetrics metrics(PaintBox1(help)->font());
    const QRect inside(2, 2, 516, 300); // within the frame
    const QRect pictures[2] = {QRect(QPoint(), picture(1).size()), QRect(QPoint(), picture(2).size())};
    std::vector<helpItem> romanian[7];
    for (int page = 0; page < 7; ++page)
        romanian[page] = HelpWindow::pageItems(page);
    LanguageSwitch languages;
    ASSERT_TRUE(languages.install(interfaceLanguage::english));
    for (const bool english : {false, true}) {
        for (int page = 0; page < 7; ++page) {
            const auto items = english ? HelpWindow::pageItems(page) : romanian[page];
            QRect picture;
            for (const helpItem& item : items) {
                if (item.what == helpItem::picture)
                    picture = pictures[item.pictureNumber - 1].translated(item.x, item.y);
            }
            for (const helpItem& item : items) {
                if (item.what != helpItem::text)
                    continue;
                const QString line = QString::fromStdString(item.line);
                const QRect box(item.x, item.y, metrics.horizontalAdvance(line), metrics.height());
                EXPECT_TRUE(inside.contains(box)) << english << " page " << page + 1 << ": " << item.line;
                const QRect slot(item.x, item.y, box.width(), 16); // the line's share of the page
                EXPECT_FALSE(!line.trimmed().isEmpty() && slot.intersects(picture))
                    << english << " page " << page + 1 << ": " << item.line;
            }
            if (!english)
                continue;
            // Translated, with the picture where it was.
            EXPECT_NE(items.front().line, romanian[page].front().line) << "page " << page + 1;
            const helpItem& last = romanian[page].back();
            EXPECT_TRUE(last.what != helpItem::picture ||
                        (items.back().what == helpItem::picture && items.back().x == last.x && items.back().y == last.y))
                << "page " << page + 1;
        }
    }
}

TEST_F(HelpWindowTest, OpenWindowFollowsTheLanguageAtOnce)
{
    const QImage romanianPage = pageShown();
    openAndClose([&] {
        {
            LanguageSwitch languages;
            ASSERT_TRUE(languages.install(interfaceLanguage::english));
            QCoreApplication::processEvents(); // the windows hear of it from the event loop
            EXPECT_EQ(help.windowTitle(), "Kelmo help");
            EXPECT_EQ(ComboBox1(help)->itemText(0), "Main page");
            EXPECT_EQ(ComboBox1(help)->currentIndex(), 0);
            EXPECT_NE(pageShown(), romanianPage);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(help.windowTitle(), "Ajutor pentru programul Kelmo");
        EXPECT_EQ(ComboBox1(help)->itemText(0), "Pagina Principala");
        EXPECT_EQ(pageShown(), romanianPage);
    });
}
