// The file layer under the conditions a user meets and a test as root does not: a folder that
// takes no new file, a write that fails half-way, and signals that end the program mid-save.
// Those cases run in a child process, without root's rights where the test runs as root.
#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/termination.h"
#include "scriptedcallbacks.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <functional>

namespace {

namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;
constexpr const char* kOld = "1 1 OLD\r\n 1.00000000000000E+0000\r\n0\r\n";

struct childResult {
    std::string report; // what the child wrote before it ended
    int exitCode = -1;  // -1 when it did not exit normally
};

// Runs `body` in a child process; with `readOnlyFolder` the child cannot create files in `folder`
// but may write the files already there. The report is what `body` wrote to the descriptor it is
// given and then returned, up to the moment the child ended.
childResult inChild(const temporaryFolder& folder, bool readOnlyFolder,
                    const std::function<std::string(int report)>& body)
{
    const bool root = ::geteuid() == 0;
    if (readOnlyFolder) {
        for (const auto& entry : fs::directory_iterator(folder.path))
            if (root && ::chown(entry.path().c_str(), kNobody, kNobody) != 0)
                return {"chown failed", -1};
        if (!root)
            fs::permissions(folder.path, fs::perms::owner_read | fs::perms::owner_exec);
    }
    int ends[2];
    if (::pipe(ends) != 0)
        return {"pipe failed", -1};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ends[0]);
        if (readOnlyFolder && root &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(99);
        const std::string text = body(ends[1]);
        [[maybe_unused]] const ssize_t n = ::write(ends[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(ends[1]);
    childResult result;
    char buffer[512];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        result.report.append(buffer, static_cast<std::size_t>(n));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    fs::permissions(folder.path, fs::perms::owner_all, fs::perm_options::add);
    return result;
}

std::vector<std::string> folderEntries(const temporaryFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

tdspvarPtr ramp(const std::string& name, std::size_t count)
{
    signalSamples samples;
    for (std::size_t i = 0; i < count; ++i)
        samples.re.push_back(static_cast<extended>(i));
    return std::make_shared<tdspvar>(name, std::move(samples));
}

} // namespace

TEST(FileAccess, ReadsWholeFilesAndRefusesWhatIsNotOne)
{
    temporaryFolder dir;
    const std::string bytes = std::string("a\0b", 3) + std::string(100000, 'x');
    writeBytes(dir.file("f"), bytes);
    writeBytes(dir.file("empty"), "");
    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    struct example {
        std::string path;
        std::string contents;
        std::string message;
    };
    for (const example& e : {example{dir.file("f"), bytes, ""}, example{dir.file("empty"), "", ""},
                             example{dir.file("missing"), "", "File not found"},
                             example{dir.path.string(), "", "File access denied"},
                             example{dir.file("pipe"), "", "File access denied"}}) {
        fileContents contents;
        std::string message;
        EXPECT_EQ(readWholeFile(e.path, contents, message), e.message.empty()) << e.path;
        EXPECT_EQ(contents.view(), e.contents) << e.path;
        EXPECT_EQ(message, e.message) << e.path;
    }
}

TEST(FileAccess, SavingInAFolderThatTakesNoNewFile)
{
    // A writable file in such a folder is written in place; a new one is refused, and the
    // message says what was refused; a write that fails half-way puts the old bytes back.
    struct example {
        const char* name;
        bool fileExists;
        std::size_t samples;
        rlim_t fileSizeLimit; // RLIM_INFINITY: none
        std::string expected; // the child's report
        std::string bytesAfter; // empty: what the save wrote
    };
    const example examples[] = {
        {"in place", true, 3, RLIM_INFINITY, "saved in place", ""},
        {"new file", false, 3, RLIM_INFINITY,
         "File access denied\nCreating a file in the folder @ was refused.", "(none)"},
        {"disk full", true, 100000, 200000, "Disk full\nWriting to the file @/status.var failed.", kOld},
    };
    for (const example& e : examples) {
        temporaryFolder dir;
        const std::string path = dir.file("status.var");
        if (e.fileExists)
            writeBytes(path, kOld);
        const auto variables = std::vector<tdspvarPtr>{ramp("R", e.samples)};
        const childResult child = inChild(dir, true, [&](int) -> std::string {
            rlimit limit{e.fileSizeLimit, e.fileSizeLimit};
            std::signal(SIGXFSZ, SIG_IGN);
            if (e.fileSizeLimit != RLIM_INFINITY)
                ::setrlimit(RLIMIT_FSIZE, &limit);
            scriptedCallbacks cb;
            if (saveStateFile(path, variables, cb))
                return "saved in place";
            return cb.errors.empty() ? "no message" : cb.errors[0];
        });
        std::string expected = e.expected;
        if (const std::size_t at = expected.find('@'); at != std::string::npos)
            expected.replace(at, 1, dir.path.string());
        EXPECT_EQ(child.report, expected) << e.name;
        EXPECT_EQ(child.exitCode, 0) << e.name;
        EXPECT_EQ(folderEntries(dir), e.fileExists ? std::vector<std::string>{"status.var"}
                                                   : std::vector<std::string>{})
            << e.name;
        if (e.bytesAfter != "(none)") {
            EXPECT_EQ(readBytes(path), e.bytesAfter.empty() ? stateText(variables) : e.bytesAfter)
                << e.name;
        }
    }

    // A file that may not be written is refused by name.
    temporaryFolder dir;
    const std::string path = dir.file("status.var");
    writeBytes(path, kOld);
    const childResult child = inChild(dir, true, [&](int) -> std::string {
        atomicFileWriter writer(path);
        return ::chmod(path.c_str(), 0444) != 0 ? "chmod failed" : writer.open() ? "opened" : writer.errorMessage();
    });
    EXPECT_EQ(child.report, "File access denied\nWriting to the file " + path + " was refused.");
    EXPECT_EQ(readBytes(path), kOld);
}

TEST(FileAccess, ASecondStopSignalAbandonsTheSaveInProgress)
{
    // The first signal only asks the program to quit: its number comes through the pipe and the
    // save goes on. A second one ends the process at once, and neither a temporary file nor a
    // half-written file stays behind. Both ways of saving, beside the file and in place.
    for (const bool readOnlyFolder : {false, true}) {
        temporaryFolder dir;
        const std::string path = dir.file("status.var");
        writeBytes(path, kOld);
        const auto body = [&](int report) -> std::string {
            const int stops = installTerminationHandlers();
            atomicFileWriter writer(path);
            if (!writer.open() || writer.writesInPlace() != readOnlyFolder || !writer.write("HALF", 4))
                return "could not start";
            std::raise(SIGTERM);
            char signal = 0;
            const bool noted = ::read(stops, &signal, 1) == 1 && signal == SIGTERM &&
                               terminationSignal() == SIGTERM;
            const std::string text = noted ? "noted;" : "not noted;";
            [[maybe_unused]] const ssize_t n = ::write(report, text.data(), text.size());
            if (!writer.write("MORE", 4))
                return "write failed";
            std::raise(SIGINT);
            return "still running";
        };
        const childResult child = inChild(dir, readOnlyFolder, body);
        EXPECT_EQ(child.report, "noted;") << readOnlyFolder;
        EXPECT_EQ(child.exitCode, 128 + SIGINT) << readOnlyFolder;
        EXPECT_EQ(folderEntries(dir), std::vector<std::string>{"status.var"}) << readOnlyFolder;
        EXPECT_EQ(readBytes(path), kOld) << readOnlyFolder;
    }
}
