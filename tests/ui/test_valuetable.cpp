#include "controls.h"

#include "core/workspace.h"
#include "ui/valuetable.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

using namespace uitest::controls;

namespace {

// The table on a workspace of the test's own, with one variable made current as the list
// command finds it.
struct ValueTableTest : testing::Test {
    tworkspace workspace;
    ValueTableDialog table{workspace, nullptr};
    QTableWidget* grid = StringGrid1(table);

    // Counts what the workspace is told about changed samples (the thumbnail redraws it asks for).
    struct changeCounter : workspaceListener {
        int changes = 0;
        void variableCreated(const tdspvarPtr&, int) override {}
        void variableRemoved(const tdspvarPtr&, int) override {}
        void samplesChanged(const tdspvarPtr&) override { ++changes; }
        void detailsChanged(const tdspvarPtr&) override {}
        void emptinessChanged(bool) override {}
    } counter;
    void SetUp() override { workspace.setListener(&counter); }
    void TearDown() override { workspace.setListener(nullptr); }
    int redraws() const { return counter.changes; }

    tdspvarPtr makeVariable(const char* name, int count, bool complex)
    {
        signalSamples samples;
        samples.resize(count, complex);
        for (int i = 0; i < count; ++i) {
            samples.re[static_cast<std::size_t>(i)] = (i + 1) / 3.0L; // needs more than 15 digits
            if (complex)
                samples.im[static_cast<std::size_t>(i)] = -(i + 1) / 7.0L;
        }
        tdspvarPtr v = workspace.add(name, std::move(samples));
        table.setVariable(v);
        return v;
    }

    QString cell(int row, int position) const
    {
        const QTableWidgetItem* item = grid->item(row, grid->horizontalHeader()->logicalIndex(position));
        return item ? item->text() : QString();
    }
    QString headerText(int position) const
    {
        return grid->horizontalHeaderItem(grid->horizontalHeader()->logicalIndex(position))->text();
    }
    void setCell(int row, int position, const QString& text)
    {
        grid->item(row, grid->horizontalHeader()->logicalIndex(position))->setText(text);
    }
    bool editable(int row, int position) const
    {
        return grid->item(row, grid->horizontalHeader()->logicalIndex(position))->flags() & Qt::ItemIsEditable;
    }
    // Shows the table modally and runs `whileOpen` inside it before closing it.
    void openAndClose(const std::function<void()>& whileOpen = {}) { uitest::openAndClose(table, whileOpen); }
};;

bool sameBits(const std::vector<extended>& a, const std::vector<extended>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(extended)) == 0
        ; // padding bytes of the 80-bit values are copied along with the vector
}

} // namespace

TEST_F(ValueTableTest, ShowsAtMost128SamplesWithHeaders)
{
    makeVariable("LongOne", 300, true);
    openAndClose([this] {
        EXPECT_EQ(grid->rowCount() + 1, 129); // the header row and samples 0 ... 127
        EXPECT_EQ(table.minimumWidth(), table.maximumWidth()); // only the height can change
        EXPECT_LT(table.minimumHeight(), table.maximumHeight());
        EXPECT_EQ(headerText(0), "Index");
        EXPECT_EQ(headerText(1), "LongOne.real"); // the name as stored
        EXPECT_EQ(headerText(2), "LongOne.imaginar");
        EXPECT_EQ(cell(0, 0), "0");
        EXPECT_EQ(cell(127, 0), "127");
        EXPECT_EQ(cell(0, 1), "0.333333333333333");
        EXPECT_EQ(cell(127, 1), "42.6666666666667");
        EXPECT_EQ(cell(6, 2), "-1");
        EXPECT_FALSE(editable(3, 0));
        EXPECT_TRUE(editable(3, 1));
        EXPECT_TRUE(editable(3, 2));
    });
}

TEST_F(ValueTableTest, RealVariableHasNoImaginaryColumnToEditOrRead)
{
    tdspvarPtr v = makeVariable("R", 3, false);
    openAndClose([this] {
        EXPECT_EQ(cell(1, 2), "");
        EXPECT_FALSE(editable(1, 2));
        setCell(1, 2, "5");
    });
    EXPECT_FALSE(v->isComplex());
    EXPECT_TRUE(v->imag().empty());
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ValueTableTest, OpeningAndClosingChangesNothing)
{
    tdspvarPtr v = makeVariable("C", 200, true);
    const auto re = v->real(), im = v->imag();
    openAndClose();
    EXPECT_TRUE(sameBits(v->real(), re));
    EXPECT_TRUE(sameBits(v->imag(), im));
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ValueTableTest, TypedNumbersAreStoredAndRedrawTheThumbnail)
{
    tdspvarPtr v = makeVariable("C", 5, true);
    const extended untouched = v->real()[3];
    openAndClose([this] {
        grid->setFocus();
        grid->setCurrentCell(1, grid->horizontalHeader()->logicalIndex(1));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr); // the editor opens as soon as the cell is selected
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "1e3"); // left open: the window closes with the editor showing
        setCell(2, 2, " -.5");
        setCell(0, 1, "abc");         // does not parse: the sample stays
        setCell(4, 1, "");            // nor does an empty cell
        setCell(3, 0, "77");          // the index column is never read
    });
    EXPECT_EQ(v->real()[1], 1000);
    EXPECT_EQ(v->imag()[2], -0.5L);
    EXPECT_EQ(v->real()[0], 1 / 3.0L);
    EXPECT_EQ(v->real()[4], 5 / 3.0L);
    EXPECT_EQ(v->real()[3], untouched);
    EXPECT_EQ(redraws(), 1);
}

TEST_F(ValueTableTest, KeysNeitherJumpRowsNorKeepACancelledEdit)
{
    tdspvarPtr v = makeVariable("C", 100, true);
    const std::vector<extended> before = v->real();
    int rowAfterTyping = -1;
    std::string afterEscape;
    QString subnormalShown;
    openAndClose([&] {
        // Typing in the index column does not search for a row.
        grid->setFocus();
        grid->setCurrentCell(3, grid->horizontalHeader()->logicalIndex(0));
        QTest::keyClicks(grid, "77");
        rowAfterTyping = grid->currentRow();
        // Escape while editing gives the cell back its text from before the edit.
        grid->setCurrentCell(5, grid->horizontalHeader()->logicalIndex(1));
        auto* editor = grid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, "123");
        QTest::keyClick(editor, Qt::Key_Escape);
        afterEscape = cell(5, 1).toStdString();
        // The table's own text for the smallest subnormal value is a number like any other.
        subnormalShown = "3.64519953188247E-4951";
        setCell(6, 2, subnormalShown);
    });
    EXPECT_EQ(rowAfterTyping, 3);
    EXPECT_EQ(afterEscape, "2");
    EXPECT_TRUE(sameBits(v->real(), before));
    EXPECT_EQ(v->imag()[6], std::numeric_limits<extended>::denorm_min());
}

TEST_F(ValueTableTest, StoringTheSameValueIsNoChange)
{
    tdspvarPtr v = makeVariable("R", 2, false);
    workspace.replaceSamples(v, signalSamples::real({1, 2}));
    counter.changes = 0;
    openAndClose([this] { setCell(1, 1, "2.0"); });
    EXPECT_EQ(v->real()[1], 2);
    EXPECT_EQ(redraws(), 0);
}

TEST_F(ValueTableTest, MovedColumnsAreReadByPosition)
{
    tdspvarPtr v = makeVariable("C", 3, true);
    QHeaderView* header = grid->horizontalHeader();
    openAndClose([&] {
        header->moveSection(2, 1); // imaginary parts now stand at position 1
        EXPECT_EQ(headerText(1), "C.imaginar");
        EXPECT_TRUE(editable(0, 1));
        setCell(0, 1, "8"); // typed at position 1: a real part
        setCell(0, 2, "9"); // the real-part column, now at position 2
    });
    EXPECT_EQ(v->real()[0], 8);
    EXPECT_EQ(v->imag()[0], 9);

    // The next showing fills the columns by position: the moved section takes the real parts.
    tdspvarPtr w = makeVariable("D", 2, false);
    openAndClose([&] {
        EXPECT_EQ(headerText(0), "Index");
        EXPECT_EQ(headerText(1), "D.real");
        EXPECT_EQ(cell(1, 1), "0.666666666666667");
        EXPECT_EQ(cell(1, 2), "");
        EXPECT_FALSE(editable(1, 2));
        EXPECT_FALSE(editable(1, 0));
    });
    header->moveSection(1, 2);
}

TEST_F(ValueTableTest, CommaLocaleShowsCommasAndReadsThemBack)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Romanian, QLocale::Romania));
    tdspvarPtr v = makeVariable("R", 3, false);
    const extended untouched = v->real()[0];
    openAndClose([this] {
        EXPECT_EQ(cell(0, 1), "0,333333333333333");
        setCell(1, 1, "2,5");
        setCell(2, 1, "1.25");
    });
    QLocale::setDefault(saved);
    EXPECT_EQ(v->real()[0], untouched);
    EXPECT_EQ(v->real()[1], 2.5L);
    EXPECT_EQ(v->real()[2], 1.25L);
}

TEST_F(ValueTableTest, RefillLeavesNothingOfAnEarlierShowing)
{
    makeVariable("Big", 10, true);
    openAndClose();
    makeVariable("Small", 2, false);
    openAndClose([this] {
        EXPECT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(cell(1, 2), "");
    });
}
