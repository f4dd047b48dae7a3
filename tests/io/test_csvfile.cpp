#include "io/csvfile.h"
#include "importcallbacks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

struct expectedVariable {
    std::string name;
    std::vector<extended> re;
    std::vector<extended> im; // empty for a real variable
    std::string description = {};
};

struct csvCase {
    const char* what;
    std::string text;
    std::vector<expectedVariable> variables; // empty when the file is refused
    std::string error = {};
    std::vector<int> leftOut = {};
};

// Same 80-bit pattern, so -0 differs from 0 and every last bit counts.
bool sameBits(extended a, extended b) { return std::memcmp(&a, &b, 10) == 0; }

columnImport import(tworkspace& w, const std::string& text, scriptedImportCallbacks& cb,
                    const std::optional<csvChoices>& choices = std::nullopt)
{
    return importCsvText(text, "/lab/data.csv", "DATA", w, cb, choices);
}

} // namespace

TEST(CsvFile, ReadsSeparatorsHeadersPairsAndRefusesBadCells)
{
    const csvCase cases[] = {
        {"comma, header, CR LF, blank lines and blanks around cells",
         "time , volt\r\n\r\n 0 , 1.5 \r\n  \r\n1,-2e-3\r\n",
         {{"TIME", {0, 1}, {}, "Loaded from : /lab/data.csv (column 1)"},
          {"VOLT", {1.5L, -2e-3L}, {}, "Loaded from : /lab/data.csv (column 2)"}}},
        {"semicolon with decimal commas, a byte-order mark and a lone CR",
         "\xEF\xBB\xBFt;v\r0,5;1,25\r3;-1.000,5\r",
         {{"T", {0.5L, 3}, {}}, {"V", {1.25L, -1000.5L}, {}}}},
        {"tab, no header: names from the file and the column",
         "1\t2\n3\t4\n", {{"DATA_1", {1, 3}, {}}, {"DATA_2", {2, 4}, {}}}},
        {"one column with a header: a comma can only be a decimal mark", "U (V)\n1,5\n-2,25\n",
         {{"UV", {1.5L, -2.25L}, {}}}},
        {"one column without header", "7\n-8\n+9.\nNaN\n-inf\n",
         {{"DATA", {7, -8, 9, std::numeric_limits<extended>::quiet_NaN(),
                    -std::numeric_limits<extended>::infinity()}, {}}}},
        {"the value table's X.real and X.imaginar make one complex X, wherever they stand",
         "Index,z.imaginar,Z.real,w\n0,1,2,5\n1,3,4,\n",
         {{"INDEX", {0, 1}, {}},
          {"Z", {2, 4}, {1, 3}, "Loaded from : /lab/data.csv (columns 3, 2)"},
          {"W", {5}, {}}}},
        {"a column of labels is left out; a column may end early; quoted header with a comma",
         "label,\"a, b\",c\nx,1,2\ny,3,\n,,\n",
         {{"AB", {1, 3}, {}}, {"C", {2}, {}}}, "", {1}},
        {"a header cell that leaves no name takes the file's", "?,v\n1,2\n",
         {{"DATA_1", {1}, {}}, {"V", {2}, {}}}},
        {"labels in the first row of a label column are no header", "x,1,2\ny,3,4\n",
         {{"DATA_2", {1, 3}, {}}, {"DATA_3", {2, 4}, {}}}, "", {1}},
        {"dates are labels", "date,v\n2024-05-01,1\n2024-05-02,2\n", {{"V", {1, 2}, {}}}, "", {1}},
        {"thousands grouped by points beside a decimal comma",
         "Frecventa;Amplitudine\r\n1.000,5;0,5\r\n12.345.678,9;0,25\r\n",
         {{"FRECVENTA", {1000.5L, 12345678.9L}, {}}, {"AMPLITUDINE", {0.5L, 0.25L}, {}}}},
        {"whole thousands are no factor of 1000", "1.000;0,5\n2.000;0,25\n3.500;0,125\n",
         {{"DATA_1", {1000, 2000, 3500}, {}}, {"DATA_2", {0.5L, 0.25L, 0.125L}, {}}}},
        {"one column with decimal commas, no header", "0,5\n1,25\n2,75\n",
         {{"DATA", {0.5L, 1.25L, 2.75L}, {}}}},
        {"a title line over one column", "Masuratori laborator\n0,1\n1,3\n2,5\n",
         {{"MASURATORILABORATOR", {0.1L, 1.3L, 2.5L}, {}}}},
        {"title lines, then the header; file names and function names get a letter",
         "Experiment 3\n\n2024;sin;Frecvență\n1;2;3\n",
         {{"S2024", {1}, {}}, {"SSIN", {2}, {}}, {"FRECVENTA", {3}, {}}}},
        {"blanks between columns, comments, numpy's header in a comment",
         "# t v\n 1.5e+00  2\n\t3 -4\n# end\n", {{"T", {1.5L, 3}, {}}, {"V", {2, -4}, {}}}},
        {"a comment that names no columns", "# Created by Octave\n 1 2\n 3 4\n",
         {{"DATA_1", {1, 3}, {}}, {"DATA_2", {2, 4}, {}}}},
        {"a spreadsheet's separator line", "sep=;\nt;v\n1,5;2\n", {{"T", {1.5L}, {}}, {"V", {2}, {}}}},
        {"digits grouped wrongly", "a;b\n1,5;2\n1.00,5;3\n", {},
         "Invalid numeric input in row 3, column 1 : \"1.00,5\""},
        {"a column of numbers in a form not taken is no column of labels", "t\tv\n1\t1'000\n2\t2'000\n",
         {}, "Invalid numeric input in row 2, column 2 : \"1'000\""},
        {"percentages", "p;q\n12%;x\n", {}, "Invalid numeric input in row 2, column 1 : \"12%\""},
        {"a typographic minus", "m\n\xE2\x88\x92" "5\n", {}, "Invalid numeric input in row 2, column 1 : \"\xE2\x88\x92" "5\""},
        {"comma decimals are not taken with the comma separator",
         "a,b\n1,5\n2,5x\n", {}, "Invalid numeric input in row 3, column 2 : \"5x\""},
        {"the first bad cell counts by its line in the file, blank lines included",
         "a;b\n\n1;2\n\n3;1.2.3\n4;y\n", {}, "Invalid numeric input in row 5, column 2 : \"1.2.3\""},
        {"an empty cell above a number", "a,b\n1,2\n,3\n4,5\n", {}, "Missing value in row 3, column 1"},
        {"an empty cell at the top of a column", "1,\n2,3\n", {}, "Missing value in row 1, column 2"},
        {"an unclosed quote is no number", "a,b\n1,2\n3,\"4\n", {}, "Invalid numeric input in row 3, column 2 : \"4\""},
        {"a value beyond the 80-bit range", "1\n1e5000\n", {}, "Invalid numeric input in row 2, column 1 : \"1e5000\""},
        {"nothing but labels", "name\nalpha\nbeta\n", {}, "No column of numbers in the file"},
        {"an empty file", " \r\n\r\n", {}, "No column of numbers in the file"},
    };
    for (const csvCase& c : cases) {
        SCOPED_TRACE(c.what);
        tworkspace w;
        w.add("OLD", {});
        scriptedImportCallbacks cb;
        const auto created = import(w, c.text, cb);
        if (!c.error.empty()) {
            EXPECT_TRUE(created.variables.empty());
            EXPECT_EQ(w.variableCount(), 1); // nothing created, nothing changed
            EXPECT_EQ(cb.script.errors, std::vector<std::string>{c.error});
            continue;
        }
        EXPECT_TRUE(cb.script.errors.empty()) << cb.script.errors.front();
        EXPECT_EQ(created.leftOutColumns, c.leftOut);
        ASSERT_EQ(created.variables.size(), c.variables.size());
        for (std::size_t k = 0; k < created.variables.size(); ++k) {
            const tdspvar& v = *created.variables[k];
            const expectedVariable& e = c.variables[k];
            EXPECT_EQ(v.name(), e.name);
            EXPECT_EQ(v.isComplex(), !e.im.empty());
            if (!e.description.empty()) {
                EXPECT_EQ(v.description(), e.description);
            }
            ASSERT_EQ(v.real().size(), e.re.size());
            ASSERT_EQ(v.imag().size(), e.im.size());
            for (std::size_t i = 0; i < e.re.size(); ++i)
                EXPECT_TRUE(sameBits(v.real()[i], e.re[i]) || (std::isnan(v.real()[i]) && std::isnan(e.re[i])))
                    << e.name << "[" << i << "] = " << static_cast<double>(v.real()[i]);
            for (std::size_t i = 0; i < e.im.size(); ++i)
                EXPECT_TRUE(sameBits(v.imag()[i], e.im[i])) << e.name << ".im[" << i << "]";
        }
    }
}

TEST(CsvFile, ExportReadsBackBitIdentical)
{
    constexpr auto lim = std::numeric_limits<extended>();
    std::vector<extended> values = {0.0L, -0.0L, 1, -0.25L, 0.1L, 1.0L / 3, 1e-5L, 9.99999e-6L, 1e21L,
                                    lim.denorm_min(), -lim.min(), lim.max(), -lim.max(), lim.epsilon()};
    std::mt19937_64 rng(7);
    for (int i = 0; i < 2000; ++i) { // random bit patterns across the whole exponent range
        extended x;
        const std::uint64_t significand = rng() | (std::uint64_t{1} << 63);
        const auto signAndExponent = static_cast<std::uint16_t>(rng() % 0x7fff);
        std::memcpy(&x, &significand, 8);
        std::memcpy(reinterpret_cast<char*>(&x) + 8, &signAndExponent, 2);
        values.push_back(x);
    }
    auto real = std::make_shared<tdspvar>("Wave", signalSamples::real(values));
    auto complex = std::make_shared<tdspvar>(
        "TONE", signalSamples::complex({1.5L, lim.min(), -3}, {-lim.denorm_min(), 2.0L / 3, 0}));

    const std::string text = csvText({real, complex});
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "wave,tone.real,tone.imaginar\r\n");
    EXPECT_NE(text.find("\r\n0,1.5,-3.64519953188247460253e-4951\r\n"), std::string::npos);

    tworkspace w;
    scriptedImportCallbacks cb;
    const auto back = import(w, text, cb).variables;
    ASSERT_TRUE(cb.script.errors.empty()) << cb.script.errors.front();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0]->name(), "WAVE");
    EXPECT_EQ(back[1]->name(), "TONE");
    ASSERT_EQ(back[0]->real().size(), values.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        ASSERT_TRUE(sameBits(back[0]->real()[i], values[i])) << i << ": " << formatCsvNumber(values[i]);
    // The shorter complex column ends early and comes back with its own length.
    ASSERT_EQ(back[1]->real().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_TRUE(sameBits(back[1]->real()[i], complex->real()[i]) && sameBits(back[1]->imag()[i], complex->imag()[i]));

    // Short plain forms where a value allows them.
    EXPECT_EQ(formatCsvNumber(-0.25L), "-0.25");
    EXPECT_EQ(formatCsvNumber(1e20L), "100000000000000000000");
    EXPECT_EQ(formatCsvNumber(1e21L), "1e21");
    EXPECT_EQ(formatCsvNumber(0x1p-16L), "0.0000152587890625");
    EXPECT_EQ(formatCsvNumber(-0x1p-20L), "-9.5367431640625e-7");
    EXPECT_EQ(formatCsvNumber(std::numeric_limits<extended>::infinity()), "inf");
}

TEST(CsvFile, LongFileAsksAndNameClashesSettleBeforeAnythingIsCreated)
{
    // One row more than a variable holds: the question, then nothing or the first part.
    std::string longText = "v\n";
    longText.reserve(2 * (kMaxVariableSamples + 2));
    for (int i = 0; i <= kMaxVariableSamples; ++i)
        longText += (i % 2 ? "1\n" : "0\n");
    for (const bool keep : {false, true}) {
        tworkspace w;
        scriptedImportCallbacks cb;
        cb.keep = keep;
        const auto created = import(w, longText, cb).variables;
        ASSERT_EQ(cb.questions.size(), 1u);
        EXPECT_EQ(cb.questions[0].available, kMaxVariableSamples + 1);
        EXPECT_EQ(cb.questions[0].kept, kMaxVariableSamples);
        EXPECT_EQ(cb.questions[0].sampleRate, 0);
        EXPECT_EQ(w.variableCount(), keep ? 1 : 0);
        if (keep) {
            EXPECT_EQ(created[0]->sampleCount(), kMaxVariableSamples);
        }
    }

    // Clashes with the workspace and within the file: Skip offered for several variables, a typed
    // name checked again, and Cancel at the last question leaves the workspace as it was.
    tworkspace w;
    w.add("A", {});
    scriptedImportCallbacks cb;
    cb.script.replies = {{dialogAnswer::ok, "b"}, {dialogAnswer::ok, "c"},
                         {dialogAnswer::cancel, ""}};
    EXPECT_TRUE(import(w, "a,b,B\n1,2,3\n", cb).variables.empty());
    EXPECT_EQ(cb.script.asked, (std::vector<std::string>{"A", "B", "B"}));
    EXPECT_EQ(cb.script.skipOffered, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(w.variableCount(), 1);

    cb.script = {};
    cb.script.replies = {{dialogAnswer::skip, ""}, {dialogAnswer::ok, "n2"}};
    const auto created = import(w, "a,b,B\n1,2,3\n", cb).variables;
    ASSERT_EQ(created.size(), 2u);
    EXPECT_EQ(created[0]->name(), "B");
    EXPECT_EQ(created[1]->name(), "n2"); // a typed name is taken as typed, like the state file's
    EXPECT_EQ(created[1]->real(), std::vector<extended>{3});
}

TEST(CsvFile, FailedExportKeepsTheOldFile)
{
    temporaryFolder folder;
    const std::string path = folder.file("out.csv");
    writeBytes(path, "old");
    auto v = std::make_shared<tdspvar>("X", signalSamples::real({1, 2}));
    scriptedCallbacks cb;
    EXPECT_TRUE(saveCsvFile(path, {v}, cb));
    EXPECT_EQ(readBytes(path), "x\r\n1\r\n2\r\n");
    EXPECT_FALSE(saveCsvFile(folder.file("missing/out.csv"), {v}, cb));
    EXPECT_EQ(cb.errors, std::vector<std::string>{"Path not found"});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 1);
}

TEST(CsvFile, GuessSaysWhenAnotherReadingFitsAsWell)
{
    using sep = csvSeparator;
    using mark = decimalMark;
    struct guessCase {
        const char* text;
        csvFormat format;
        std::vector<csvFormat> alternatives; // empty: certain
    };
    const guessCase cases[] = {
        {"0,5\n1,25\n2,75\n", {sep::none, mark::comma, false}, {{sep::comma, mark::point, false}}},
        {"U (V)\n1,5\n-2,25\n", {sep::none, mark::comma, true}, {}},
        {"1.000;2.000\n3.000;4.500\n", {sep::semicolon, mark::point, false}, {{sep::semicolon, mark::comma, false}}},
        {"t;v\n1.000;0,5\n", {sep::semicolon, mark::comma, true}, {}},
        {"a,b\n1,5\n2,5x\n", {sep::comma, mark::point, true}, {}},
        {"1\t2\n3\t4\n", {sep::tab, mark::point, false}, {}},
        {"#  x  y\n 1.0e+00   2.5e-01\n", {sep::whitespace, mark::point, true}, {}},
        {"sep=,\n0,5\n", {sep::comma, mark::point, false}, {}},
    };
    for (const guessCase& c : cases) {
        SCOPED_TRACE(c.text);
        const csvDetection d = detectCsvFormat(c.text);
        EXPECT_EQ(d.format, c.format);
        EXPECT_EQ(d.alternatives, c.alternatives);
        EXPECT_EQ(d.certain, c.alternatives.empty());
    }

    // The user's choices: the other reading, the first column left out, and its preview.
    const std::string text = "0,5\n1,25\n2,75\n";
    const csvFormat twoColumns{sep::comma, mark::point, false};
    const csvPreview preview = previewCsvText(text, twoColumns, 2);
    EXPECT_TRUE(preview.header.empty());
    EXPECT_EQ(preview.columnCount, 2u);
    ASSERT_EQ(preview.rows.size(), 2u);
    EXPECT_EQ(preview.rows[1].line, 2);
    EXPECT_EQ(preview.rows[1].cells[1].text, "25");
    EXPECT_EQ(preview.rows[1].cells[1].value, 25);
    EXPECT_TRUE(previewCsvText("name\n \r\n", twoColumns, 2).rows.empty());
    tworkspace w;
    scriptedImportCallbacks cb;
    const columnImport in = import(w, text, cb, csvChoices{twoColumns, {false}});
    ASSERT_EQ(in.variables.size(), 1u);
    EXPECT_EQ(in.variables[0]->real(), (std::vector<extended>{5, 25, 75}));
    EXPECT_EQ(in.variables[0]->description(), "Loaded from : /lab/data.csv (column 2)");
}
