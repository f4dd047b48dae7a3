#include "io/statefile.h"
#include "io/statescanner.h"
#include "scriptedcallbacks.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <limits>
#include <sstream>

namespace {

constexpr const char* kExample = "1 2 A\r\n"
                                 " 1.00000000000000E+0000\r\n"
                                 "-5.00000000000000E-0001\r\n"
                                 "2 1 B\r\n"
                                 " 0.00000000000000E+0000  1.00000000000000E+0000\r\n"
                                 "0\r\n";

tdspvarPtr makeVariable(const std::string& name, std::vector<extended> re, std::vector<extended> im = {})
{
    return std::make_shared<tdspvar>(name, im.empty() ? signalSamples::real(std::move(re))
                                                      : signalSamples::complex(std::move(re), std::move(im)));
}

// Loads `text` (shown as "P") into `w`, answering from `cb`.
int load(tworkspace& w, const std::string& text, scriptedCallbacks& cb)
{
    return loadStateText(text, "P", w, cb);
}

std::vector<std::string> names(const tworkspace& w)
{
    std::vector<std::string> out;
    for (const auto& v : w.variables())
        out.push_back(v->name());
    return out;
}

using strings = std::vector<std::string>;

// Counts the variables announced to the workspace's listener (each then gets its thumbnail), and
// any later change of their samples, which a load never makes.
struct thumbnailCounter : workspaceListener {
    int requests = 0;
    int changes = 0;
    void variableCreated(const tdspvarPtr&, int) override { ++requests; }
    void variableRemoved(const tdspvarPtr&, int) override {}
    void samplesChanged(const tdspvarPtr&) override { ++changes; }
    void detailsChanged(const tdspvarPtr&) override { ++changes; }
    void emptinessChanged(bool) override {}
};

} // namespace

TEST(StateFile, WritesTheExampleByteForByte)
{
    const auto a = makeVariable("A", {1, -0.5L});
    const auto b = makeVariable("B", {0}, {1});
    EXPECT_EQ(stateText({a, b}), kExample);
    EXPECT_EQ(stateText({}), "0\r\n");
    EXPECT_EQ(stateText({makeVariable("my var", {})}), "1 0 my var\r\n0\r\n");
    // A control character in a stored name would break the lines; it is left out.
    EXPECT_EQ(stateText({makeVariable("X\r\nY\x1a", {2})}), "1 1 XY\r\n 2.00000000000000E+0000\r\n0\r\n");
}

TEST(StateFile, RoundTripKeepsNamesKindsCountsAndValues)
{
    const extended inf = std::numeric_limits<extended>::infinity();
    std::vector<extended> wave(1000);
    for (std::size_t i = 0; i < wave.size(); ++i)
        wave[i] = std::sin(static_cast<extended>(i) / 7 + 0.5L) * 1e-20L;
    const std::vector<tdspvarPtr> saved = {
        makeVariable("VAR_00", wave), makeVariable("Empty", {}),
        makeVariable("C", {1.0L / 3, -inf, 0}, {std::nanl(""), inf, -2.5e-4000L})};

    tworkspace w;
    scriptedCallbacks cb;
    EXPECT_EQ(load(w, stateText(saved), cb), 3);
    EXPECT_TRUE(cb.errors.empty());
    EXPECT_TRUE(cb.asked.empty());
    ASSERT_EQ(names(w), (strings{"VAR_00", "EMPTY", "C"}));
    const auto& v = w.variables();
    EXPECT_FALSE(v[0]->isComplex());
    EXPECT_EQ(v[1]->sampleCount(), 0);
    EXPECT_TRUE(v[2]->isComplex());
    EXPECT_EQ(v[2]->description(), "Variable #3 in file P");
    for (std::size_t i = 0; i < wave.size(); ++i)
        ASSERT_NEAR(static_cast<double>(v[0]->real()[i] / wave[i]), 1.0, 5e-15);
    EXPECT_NEAR(static_cast<double>(v[2]->real()[0]), 1.0 / 3, 1e-15);
    EXPECT_EQ(v[2]->real()[1], -inf);
    EXPECT_TRUE(std::isnan(v[2]->imag()[0]));
    EXPECT_EQ(v[2]->imag()[1], inf);
    EXPECT_EQ(v[2]->imag()[2], -2.5e-4000L);
    EXPECT_EQ(v[1]->peak(), 1e-10L);
    // Saving what was loaded gives the same bytes again, up to the info the load gave.
    const std::string again = stateText({saved[0], makeVariable("EMPTY", {}), saved[2]});
    EXPECT_EQ(stateText(w.variables()).substr(0, again.size()), again);
}

TEST(StateFile, LooseReadingRules)
{
    tworkspace w;
    scriptedCallbacks cb;
    // Any decimal form, tabs and other control bytes as white space, a lone LF or a lone CR as a
    // line end, text after the last number ignored, a complex part on the next line.
    const std::string text = "2 3 my var!\n0.25\t-3 tail\r1E-3\x01 +4.\r\n\x0b .5\n\n-7 junk\r\n"
                             "-1 1 neg\r\n 2\r\n"
                             "1\t0\tempty\r\n"
                             "0 9 ignored after the closing line\r\n1 1 X\r\n 1\r\n";
    EXPECT_EQ(load(w, text, cb), 3);
    EXPECT_TRUE(cb.errors.empty());
    ASSERT_EQ(names(w), (strings{"MYVAR", "NEG", "EMPTY"}));
    const auto& v = w.variables();
    EXPECT_TRUE(v[0]->isComplex());
    EXPECT_EQ(v[0]->real(), (std::vector<extended>{0.25L, 1e-3L, 0.5L}));
    EXPECT_EQ(v[0]->imag(), (std::vector<extended>{-3, 4, -7}));
    EXPECT_FALSE(v[1]->isComplex()); // a negative kind is real
    EXPECT_EQ(v[1]->real(), std::vector<extended>{2});

    // Character 26 ends the file; a kind above 2 is complex.
    tworkspace w2;
    EXPECT_EQ(load(w2, "7 1 Z\r\n1 2\r\n\x1a" "1 1 Q\r\n 1\r\n", cb), 1);
    EXPECT_TRUE(w2.variables()[0]->isComplex());
    EXPECT_TRUE(cb.errors.empty());
    EXPECT_EQ(load(w2, "", cb), 0);
    EXPECT_EQ(load(w2, "0\r\n", cb), 0);
    EXPECT_TRUE(cb.errors.empty());
}

TEST(StateFile, NameClashes)
{
    // Loading the same file twice: Ignore All at the first clash skips the whole second copy.
    tworkspace w;
    scriptedCallbacks cb;
    const std::string twoBlocks = stateText({makeVariable("A", {1, 2}), makeVariable("B", {3}, {4})});
    load(w, twoBlocks, cb);
    cb.replies = {{dialogAnswer::ignoreAll, ""}};
    EXPECT_EQ(load(w, twoBlocks, cb), 0);
    EXPECT_EQ(cb.asked, strings{"A"});
    EXPECT_EQ(cb.skipOffered, std::vector<bool>{true});
    EXPECT_EQ(names(w), (strings{"A", "B"}));

    // Skip moves past the block's lines and still counts it; OK takes the name as typed;
    // Cancel stops and keeps what is loaded, without a message.
    const std::string four = stateText({makeVariable("A", {5, 6}), makeVariable("NEW", {7}),
                                        makeVariable("SIN", {8}), makeVariable("B", {9}),
                                        makeVariable("LAST", {10})});
    cb = {};
    cb.replies = {{dialogAnswer::skip, ""},
                  {dialogAnswer::ok, "my sine"},
                  {dialogAnswer::cancel, ""}};
    EXPECT_EQ(load(w, four, cb), 2);
    EXPECT_EQ(cb.asked, (strings{"A", "SIN", "B"}));
    EXPECT_EQ(names(w), (strings{"A", "B", "NEW", "my sine"}));
    EXPECT_EQ(w.variables()[2]->description(), "Variable #2 in file P");
    EXPECT_EQ(w.variables()[3]->description(), "Variable #3 in file P");
    EXPECT_EQ(w.variables()[3]->real(), std::vector<extended>{8});
    EXPECT_TRUE(cb.errors.empty());

    // An empty name is valid once; the second one asks.
    tworkspace w2;
    cb = {};
    EXPECT_EQ(load(w2, "1 1\r\n 1\r\n1 1 \r\n 2\r\n", cb), 1);
    EXPECT_EQ(names(w2), strings{""});
    EXPECT_EQ(cb.asked, strings{""});
}

TEST(StateFile, BadNumbersAndTruncationKeepWhatWasRead)
{
    tworkspace w;
    thumbnailCounter thumbnails;
    w.setListener(&thumbnails);
    scriptedCallbacks cb;
    // A token that is not a number stops the load; the block being read keeps its samples so
    // far with zeros after them, and is shown with its peak.
    EXPECT_EQ(load(w, "1 1 OK\r\n 1\r\n1 4 BAD\r\n 5\r\n 6\r\n 1,5\r\n 8\r\n1 1 NEVER\r\n 1\r\n", cb), 2);
    EXPECT_EQ(cb.errors, strings{kInvalidNumericInput});
    EXPECT_EQ(w.variables()[1]->real(), (std::vector<extended>{5, 6, 0, 0}));
    EXPECT_EQ(w.variables()[1]->peak(), 6);
    EXPECT_EQ(thumbnails.requests, 2);
    EXPECT_EQ(thumbnails.changes, 0);

    for (const char* bad : {"x 1 A\r\n", "1 1.5 A\r\n 1\r\n", "1 99999999999 A\r\n", "1 1 A\r\n nan\r\n",
                            "1 1 A\r\n 1.00000000000000E+99999\r\n",
                            "1 1 A\r\n 00000000000000000000000000000000000000000000000000000000000000001\r\n"}) {
        tworkspace fresh;
        cb = {};
        load(fresh, bad, cb);
        EXPECT_EQ(cb.errors, strings{kInvalidNumericInput}) << bad;
    }

    // End of file inside a block: zeros for the missing numbers, and a message.
    for (const char* cut : {"1 3 T\r\n 1.00000000000000E+0000\r\n", "2 2 T\r\n 1 2\r\n 3", "1"}) {
        tworkspace fresh;
        cb = {};
        EXPECT_EQ(load(fresh, cut, cb), 1) << cut;
        EXPECT_EQ(cb.errors, strings{kReadBeyondEndOfFile}) << cut;
    }
    tworkspace t;
    load(t, "2 2 T\r\n 1 2\r\n 3", cb);
    EXPECT_EQ(t.variables()[0]->real(), (std::vector<extended>{1, 3}));
    EXPECT_EQ(t.variables()[0]->imag(), (std::vector<extended>{2, 0}));
}

TEST(StateFile, SampleCountsUpToTheLargestVariable)
{
    // One rule for every count: negative or above the largest variable is refused before
    // anything is allocated; any other count keeps what the block holds, zeros after it.
    const std::string max = std::to_string(kMaxVariableSamples);
    const std::string over = std::to_string(kMaxVariableSamples + 1);
    struct example {
        std::string text;
        strings names;
        std::string error;
        std::size_t count; // of the last variable made
    };
    const example examples[] = {
        {"1 5 TR\r\n 1\r\n 2\r\n", {"TR"}, kReadBeyondEndOfFile, 5},
        {"1 1 A\r\n 1\r\n2 1000 LONG\r\n 1 2\r\n", {"A", "LONG"}, kReadBeyondEndOfFile, 1000},
        {"2 " + max + " MAX\r\n 1 2\r\n", {"MAX"}, kReadBeyondEndOfFile, std::size_t(kMaxVariableSamples)},
        {"1 1 A\r\n 1\r\n1 " + over + " BIG\r\n 1\r\n", {"A"}, "Invalid sample count in variable #2", 1},
        {"1 1 A\r\n 1\r\n2 2147483647 HUGE\r\n 1 2\r\n", {"A"}, invalidSampleCountMessage(2), 1},
        {"1 -1 NEG\r\n", {}, "Invalid sample count in variable #1", 0},
        // The densest files load whole: one byte per number and separator.
        {"1 3 R\r1\r2\r3" "\r2 2 C\n1 2\n3 4", {"R", "C"}, "", 2},
    };
    for (const example& e : examples) {
        scriptedCallbacks cb;
        tworkspace w;
        load(w, e.text, cb);
        EXPECT_EQ(names(w), e.names) << e.text.substr(0, 40);
        EXPECT_EQ(cb.errors, e.error.empty() ? strings{} : strings{e.error}) << e.text.substr(0, 40);
        if (!w.variables().empty()) {
            EXPECT_EQ(w.variables().back()->real().size(), e.count) << e.text.substr(0, 40);
        }
    }
    tworkspace w;
    scriptedCallbacks cb;
    load(w, "2 5 TR\r\n 1 2\r\n 3 4\r\n", cb);
    EXPECT_EQ(w.variables()[0]->real(), (std::vector<extended>{1, 3, 0, 0, 0}));
    EXPECT_EQ(w.variables()[0]->imag(), (std::vector<extended>{2, 4, 0, 0, 0}));
    EXPECT_EQ(w.variables()[0]->peak(), 5);
    // A skipped block that the file cuts short just ends the load.
    cb = {};
    cb.replies = {{dialogAnswer::skip, ""}};
    EXPECT_EQ(load(w, "1 1000 TR\r\n 1\r\n", cb), 0);
    EXPECT_TRUE(cb.errors.empty());
}

TEST(StateFile, SaveAndLoadThroughFiles)
{
    temporaryFolder dir;
    scriptedCallbacks cb;
    const std::string path = dir.file("status.var");
    EXPECT_TRUE(saveStateFile(path, {makeVariable("A", {1, -0.5L}), makeVariable("B", {0}, {1})}, cb));
    EXPECT_EQ(readBytes(path), kExample);

    tworkspace w;
    EXPECT_EQ(loadStateFile(path, w, cb), 2);
    EXPECT_EQ(w.variables()[0]->description(), "Variable #1 in file " + path);
    // A relative path is described by its absolute form.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.path);
    tworkspace rel;
    loadStateFile("status.var", rel, cb);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(rel.variables()[0]->description(), "Variable #1 in file " + path);
    EXPECT_TRUE(cb.errors.empty());

    EXPECT_EQ(loadStateFile(dir.file("missing.var"), w, cb), 0);
    EXPECT_EQ(loadStateFile(dir.path.string(), w, cb), 0);
    EXPECT_FALSE(saveStateFile(dir.file("no/such/folder.var"), {}, cb));
    EXPECT_EQ(cb.errors, (strings{"File not found", "File access denied", "Path not found"}));

    // Saving over a file keeps its permissions and a symbolic link to it.
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(path, dir.file("link.var"));
    EXPECT_TRUE(saveStateFile(dir.file("link.var"), {}, cb));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.file("link.var")));
    EXPECT_EQ(readBytes(path), "0\r\n");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 2);
}

TEST(StateFile, FailedSaveLeavesTheOldFileAlone)
{
    temporaryFolder dir;
    scriptedCallbacks cb;
    const std::string path = dir.file("status.var");
    writeBytes(path, kExample);
    std::vector<extended> big(100000, 1.5L);

    // The disk fills up half-way: the file-size limit stands in for a full disk.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 200000;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = saveStateFile(path, {makeVariable("BIG", big)}, cb);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(cb.errors, strings{"Disk full\nWriting to the file " + path + " failed."});
    EXPECT_EQ(readBytes(path), kExample);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1); // no leftovers

    // A read-only file is refused as it would be when written in place. Root may write any file,
    // so the save runs in a child process that, under root, takes the rights of an ordinary user
    // who owns the folder and the file.
    constexpr uid_t kNobody = 65534;
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    const bool root = ::geteuid() == 0;
    ASSERT_TRUE(!root || (::chown(dir.path.c_str(), kNobody, kNobody) == 0 &&
                          ::chown(path.c_str(), kNobody, kNobody) == 0));
    const pid_t child = ::fork();
    if (child == 0) {
        if (root && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(2);
        scriptedCallbacks answers;
        const bool refused = !saveStateFile(path, {}, answers) &&
                             answers.errors == strings{"File access denied\nWriting to the file " + path +
                                                       " was refused."};
        ::_exit(refused ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(readBytes(path), kExample);
}

TEST(StateFile, ChunkedReadingGivesWhatTheWholeTextGives)
{
    // A file is read in chunks; tiny chunks cut every token, line end (CR | LF), name and closing
    // mark somewhere. Each text must load the same variables, answers and messages either way.
    const std::vector<std::string> texts = {
        kExample,
        "2 3 my var!\n0.25\t-3 tail\r1E-3\x01 +4.\r\n\x0b .5\n\n-7 junk\r\n-1 1 neg\r\n 2\r\n1\t0\tempty\r\n0 9 x\r\n",
        "7 1 Z\r\n1 2\r\n\x1a" "1 1 Q\r\n 1\r\n",
        "1 2 A\r\n 1\r\n 2\r\n1 1 A\r\n 3\r\n1 1 B\r\n 4\r\n",
        "2 5 TR\r\n 1 2\r\n 3 4\r\n",
        "1 2 X\r\n 1.5\r\n" + std::string(300, '7') + "\r\n",
        "1 1 " + std::string(200, 'n') + "\r\n 1\r\n1 1 V\r\n 1e99999\r\n",
        "1 -4 NEG\r\n",
        "1",
        "1 1 A\r\n 1\r\n1 1 B\r\n 2\r\n0\r\nKELMO INFO 1\r\nvariable 2 1 1 B\r\ndescription x\\x0Dy\r\n"
        "rate 8000.5\r\ndomain spectrum\r\nend\r\n",
    };
    temporaryFolder dir;
    const std::string path = dir.file("chunks.var");
    const auto loaded = [](tworkspace& w, scriptedCallbacks& cb, int created) {
        std::ostringstream out;
        out << created << ":";
        for (const auto& v : w.variables()) {
            out << v->name() << "|" << v->isComplex() << "|" << v->description() << "|"
                << v->sampleRate() << "|" << (v->info().domain == signalDomain::spectrum) << "|";
            for (const extended x : v->real())
                out << static_cast<double>(x) << ",";
            for (const extended x : v->imag())
                out << static_cast<double>(x) << ",";
        }
        for (const auto& e : cb.errors)
            out << "!" << e;
        for (const auto& a : cb.asked)
            out << "?" << a;
        return out.str();
    };
    for (const std::string& text : texts)
        for (const std::size_t chunk : {1u, 2u, 3u, 7u, 64u}) {
            std::ofstream(path, std::ios::binary) << text;
            tworkspace whole, chunked;
            scriptedCallbacks a, b;
            a.replies = b.replies = {{dialogAnswer::skip, ""}, {dialogAnswer::ok, "C"}};
            const std::string want = loaded(whole, a, loadStateText(text, "P", whole, a));
            inputFile file;
            ASSERT_TRUE(file.open(path));
            EXPECT_EQ(loaded(chunked, b, loadStateStream(file, "P", chunked, b, chunk)), want)
                << "chunks of " << chunk << " in " << text;
        }
}

// A reader that follows the old format to the letter: blocks of a header and N sample lines, up
// to the line "0", and nothing after it.
std::vector<std::string> strictRead(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> blocks;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream header(line);
        int kind = 0, count = 0;
        header >> kind;
        if (kind == 0)
            break;
        header >> count;
        std::string block = line;
        for (int i = 0; i < count && std::getline(in, line); ++i)
            block += "\n" + line;
        blocks.push_back(block);
    }
    return blocks;
}

TEST(StateFile, InfoTrailerRoundTripsAndStaysOutOfTheOldFormat)
{
    using enum signalDomain;
    const std::vector<variableInfo> infos = {
        {"sin(x*pi*2)", 0, time},
        {"Loaded from : C:\\sunet\\voce.wav (8000 Hz)", 8000, time},
        {"", 44100.25, spectrum},
        {"two\r\nlines\x1a and a \\x41 that is text", 1e9, time},
        {},
    };
    std::vector<tdspvarPtr> saved, bare;
    for (std::size_t k = 0; k < infos.size(); ++k) {
        const std::string name = "V" + std::to_string(k);
        saved.push_back(std::make_shared<tdspvar>(name, signalSamples::complex({1, 2}, {3, 4}), infos[k]));
        bare.push_back(makeVariable(name, {1, 2}, {3, 4}));
    }
    const std::string text = stateText(saved);
    // Up to and including the closing line, the bytes of the same variables without any info.
    const std::string old = stateText(bare);
    ASSERT_EQ(text.substr(0, old.size()), old);
    EXPECT_EQ(text.substr(old.size(), kInfoTrailerMark.size()), kInfoTrailerMark);
    EXPECT_EQ(strictRead(text), strictRead(old));
    EXPECT_EQ(strictRead(text).size(), infos.size());

    tworkspace w;
    scriptedCallbacks cb;
    ASSERT_EQ(load(w, text, cb), 5);
    EXPECT_TRUE(cb.errors.empty());
    for (std::size_t k = 0; k < infos.size(); ++k) {
        variableInfo want = infos[k];
        if (want.description.empty()) // nothing kept: the load's own description
            want.description = "Variable #" + std::to_string(k + 1) + " in file P";
        EXPECT_EQ(w.variables()[k]->info(), want) << k;
    }
}

TEST(StateFile, InfoTrailerEntriesThatDoNotFitChangeNothing)
{
    const std::string blocks = "1 1 A\r\n 1\r\n2 2 B\r\n 1 1\r\n 2 2\r\n1 1 C\r\n 3\r\n0\r\n";
    const std::string entries[] = {
        "KELMO INFO 2\r\nvariable 1 1 1 A\r\nrate 8000\r\n",           // another version
        "KELMO INFO 1\r\nvariable 2 2 3 B\r\nrate 8000\r\n",           // another count
        "KELMO INFO 1\r\nvariable 2 1 2 B\r\nrate 8000\r\n",           // another kind
        "KELMO INFO 1\r\nvariable 1 1 1 Z\r\nrate 8000\r\n",           // another name
        "KELMO INFO 1\r\nvariable 3 1 1 C\r\nrate 8000\r\n",           // a block that was skipped
        "KELMO INFO 1\r\nvariable 9 1 1 A\r\nrate 8000\r\n",           // no such block
        "KELMO INFO 1\r\nvariable 1 1 1 A\r\nrate 0\r\nrate -5\r\nrate nan\r\nrate 2e9\r\nrate 8k\r\n"
        "domain frequency\r\ncolour red\r\n",
        "KELMO INFO 1\r\nrate 8000\r\nend\r\nvariable 1 1 1 A\r\nrate 8000\r\n", // outside an entry
    };
    for (const std::string& trailer : entries) {
        tworkspace w;
        scriptedCallbacks cb;
        cb.replies = {{dialogAnswer::skip, ""}}; // C clashes with the workspace's own C
        w.add("C", {});
        EXPECT_EQ(load(w, blocks + trailer, cb), 2) << trailer;
        EXPECT_TRUE(cb.errors.empty()) << trailer;
        for (const auto& v : w.variables()) {
            EXPECT_EQ(v->sampleRate(), 0) << trailer;
            EXPECT_EQ(v->info().domain, signalDomain::time) << trailer;
        }
    }
}
