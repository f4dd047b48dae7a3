#include "io/dspimport.h"
#include "scriptedcallbacks.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

namespace {

void put16(std::string& bytes, std::uint16_t v)
{
    bytes += static_cast<char>(v & 0xff);
    bytes += static_cast<char>(v >> 8);
}

void putFloat(std::string& bytes, float f)
{
    const auto bits = std::bit_cast<std::uint32_t>(f);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((bits >> (8 * i)) & 0xff);
}

// A PC-DSP file: the 8 name bytes as given (padded with zeros), 2 unused bytes, kind, count.
std::string dspFile(const std::string& name, std::uint16_t kind, std::uint16_t count,
                    const std::vector<float>& samples)
{
    std::string bytes = name.substr(0, 8);
    bytes.resize(8, '\0');
    bytes += "\x7f\x7f";
    put16(bytes, kind);
    put16(bytes, count);
    for (const float f : samples)
        putFloat(bytes, f);
    return bytes;
}

tdspvarPtr import(tworkspace& w, const std::string& bytes, scriptedCallbacks& cb)
{
    return importDspData(bytes, "F", w, cb);
}

} // namespace

TEST(DspImport, RealAndComplexFilesWithExactValues)
{
    tworkspace w;
    scriptedCallbacks cb;
    const float tiny = std::numeric_limits<float>::denorm_min();
    const std::string real = dspFile("ABC", 1, 3, {0.1f, -2.5f, tiny});
    ASSERT_EQ(real.size(), 26u);
    const auto r = import(w, real, cb);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->name(), "abc");
    EXPECT_EQ(r->description(), "Loaded from : F");
    EXPECT_FALSE(r->isComplex());
    EXPECT_EQ(r->real(), (std::vector<extended>{0.1f, -2.5f, tiny}));
    EXPECT_EQ(r->peak(), 2.5L);

    const std::string complex = dspFile("CPLX", 2, 2, {1.5f, -0.25f, 3e38f, 7.0f});
    ASSERT_EQ(complex.size(), 30u);
    const auto c = import(w, complex, cb);
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->isComplex());
    EXPECT_EQ(c->real(), (std::vector<extended>{1.5f, 3e38f}));
    EXPECT_EQ(c->imag(), (std::vector<extended>{-0.25f, 7.0f}));

    // Kind 3 is read as real; the size test uses the kind as written (14 + 12 N bytes).
    const auto k3 = import(w, dspFile("K3", 3, 2, {1, 2, 9, 9, 9, 9}), cb);
    ASSERT_TRUE(k3);
    EXPECT_EQ(k3->real(), (std::vector<extended>{1, 2}));

    // Samples far beyond the first 131072 bytes are all read.
    std::vector<float> many(65535);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<float>(i);
    const auto big = import(w, dspFile("BIG", 1, 65535, many), cb);
    ASSERT_TRUE(big);
    EXPECT_EQ(big->real().back(), 65534);
    EXPECT_TRUE(cb.errors.empty());
    EXPECT_TRUE(cb.asked.empty());
}

TEST(DspImport, MalformedFilesAreIgnoredSilently)
{
    tworkspace w;
    scriptedCallbacks cb;
    const std::string good = dspFile("A", 1, 3, {1, 2, 3});
    EXPECT_FALSE(import(w, good + '\0', cb));                        // one byte too many
    EXPECT_FALSE(import(w, good.substr(0, 25), cb));                 // one byte short
    EXPECT_FALSE(import(w, good.substr(0, 13), cb));                 // no whole header
    EXPECT_FALSE(import(w, dspFile("A", 0, 5, {}), cb));             // kind 0 carries no samples
    EXPECT_FALSE(import(w, dspFile("A", 65535, 65535, {1, 2}), cb)); // a size no file has
    EXPECT_EQ(w.variableCount(), 0);
    EXPECT_TRUE(cb.errors.empty());

    // N = 0 with 14 bytes is an empty variable, also for kind 0.
    const auto empty = import(w, dspFile("E", 2, 0, {}), cb);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->sampleCount(), 0);
    EXPECT_TRUE(empty->isComplex());
    EXPECT_TRUE(import(w, dspFile("Z", 0, 0, {}), cb));
}

TEST(DspImport, NamesAndClashes)
{
    tworkspace w;
    scriptedCallbacks cb;
    EXPECT_EQ(import(w, dspFile("EIGHTCHR", 1, 0, {}), cb)->name(), "eightchr");
    EXPECT_EQ(import(w, dspFile(std::string("x-1\0junk", 8), 1, 0, {}), cb)->name(), "x1");

    // A clash asks without Skip and Ignore All; OK takes the typed name in lower case.
    EXPECT_EQ(import(w, dspFile("Abc", 1, 1, {4}), cb)->name(), "abc");
    EXPECT_TRUE(cb.asked.empty());
    cb.replies = {{dialogAnswer::ok, "My Name"}};
    const auto typed = import(w, dspFile("ABC", 1, 1, {4}), cb);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->name(), "my name");
    EXPECT_EQ(cb.asked, std::vector<std::string>{"ABC"});
    EXPECT_EQ(cb.skipOffered, std::vector<bool>{false});

    cb = {};
    cb.replies = {{dialogAnswer::cancel, ""}};
    const int before = w.variableCount();
    EXPECT_FALSE(import(w, dspFile("sin", 1, 1, {4}), cb));
    EXPECT_EQ(w.variableCount(), before);
    EXPECT_TRUE(cb.errors.empty());
}

TEST(DspImport, FromFiles)
{
    temporaryFolder dir;
    scriptedCallbacks cb;
    tworkspace w;
    const std::string path = dir.file("x.dsp");
    writeBytes(path, dspFile("X", 2, 1, {1, 2}));
    const auto v = importDspFile(path, w, cb);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->description(), "Loaded from : " + path);
    EXPECT_EQ(v->imag(), std::vector<extended>{2});

    writeBytes(path, dspFile("Y", 1, 2, {1}));
    EXPECT_FALSE(importDspFile(path, w, cb)); // too short: silent
    EXPECT_TRUE(cb.errors.empty());
    EXPECT_FALSE(importDspFile(dir.file("none.dsp"), w, cb));
    EXPECT_FALSE(importDspFile(dir.path.string(), w, cb));
    EXPECT_EQ(cb.errors, (std::vector<std::string>{"File not found", "File access denied"}));
}
