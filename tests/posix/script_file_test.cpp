// The launch script on disk: private directory, owner-only file, no link followed, failures.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "launch_fixture.h"

namespace velmora::testing {
namespace {

constexpr uid_t kNobody = 65534;

// Only root may give a directory away; elsewhere the case that needs it is skipped.
bool GiveToNobody(const std::string& path) {
    return ::chown(path.c_str(), kNobody, kNobody) == 0;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode;
}

TEST(ScriptFileTest, WritesAnOwnerOnlyFileThatFullyReplacesTheOldOne) {
    TempDir dir;
    PosixScriptFile scriptFile;
    const std::string path = dir / "mame.sh";
    ASSERT_EQ(scriptFile.Write(path, std::string(10000, 'x') + "\n"), ScriptFile::Result::Written);

    ASSERT_EQ(scriptFile.Write(path, "short line\n"), ScriptFile::Result::Written);

    EXPECT_EQ(ReadFile(path), "short line\n");
    struct stat info {};
    ASSERT_EQ(::lstat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(ListTree(dir.Path()), std::vector<std::string>{"mame.sh"});
}

struct UnsafeDirectoryCase {
    const char* name;
    // Prepares path as the script's directory; false when this system cannot (not root).
    bool (*prepare)(const std::string& path, const std::string& privateDir);
};

// Failure messages name the case rather than dumping its bytes.
void PrintTo(const UnsafeDirectoryCase& c, std::ostream* os) {
    *os << c.name;
}

class UnsafeScriptDirectoryTest : public ::testing::TestWithParam<UnsafeDirectoryCase> {};

TEST_P(UnsafeScriptDirectoryTest, WriteRefusesAndLeavesNothingBehind) {
    TempDir root;
    const std::string directory = root / "scripts";
    const std::string privateDir = root / "private";
    MakeDir(privateDir, 0700);
    if (!GetParam().prepare(directory, privateDir)) {
        GTEST_SKIP() << "needs root to hand a directory to another user";
    }
    PosixScriptFile scriptFile;

    EXPECT_EQ(scriptFile.Write(directory + "/mame.sh", "echo hi\n"),
              ScriptFile::Result::CannotOpen);

    if (Exists(directory)) {
        EXPECT_TRUE(ListTree(directory).empty());
    }
    EXPECT_TRUE(ListTree(privateDir).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Posix, UnsafeScriptDirectoryTest,
    ::testing::Values(UnsafeDirectoryCase{"WorldWritable",
                                          [](const std::string& path, const std::string&) {
                                              MakeDir(path, 0777);
                                              return true;
                                          }},
                      UnsafeDirectoryCase{"GroupWritable",
                                          [](const std::string& path, const std::string&) {
                                              MakeDir(path, 0770);
                                              return true;
                                          }},
                      UnsafeDirectoryCase{"OwnedByAnotherUser",
                                          [](const std::string& path, const std::string&) {
                                              MakeDir(path, 0700);
                                              return GiveToNobody(path);
                                          }},
                      UnsafeDirectoryCase{
                          "SymbolicLinkToAPrivateDirectory",
                          [](const std::string& path, const std::string& privateDir) {
                              return ::symlink(privateDir.c_str(), path.c_str()) == 0;
                          }},
                      UnsafeDirectoryCase{
                          "Missing", [](const std::string&, const std::string&) { return true; }}),
    [](const ::testing::TestParamInfo<UnsafeDirectoryCase>& info) { return info.param.name; });

struct RuntimeDirCase {
    const char* name;
    // Given a fresh candidate path, returns the value for XDG_RUNTIME_DIR (nullopt: unset), or
    // nothing usable when this system cannot set the case up.
    std::optional<std::string> (*prepare)(const std::string& candidate);
    bool used;  // whether the runtime directory itself is chosen
};

void PrintTo(const RuntimeDirCase& c, std::ostream* os) {
    *os << c.name;
}

class TemporaryDirectoryTest : public ::testing::TestWithParam<RuntimeDirCase> {};

TEST_P(TemporaryDirectoryTest, UsesThePrivateRuntimeDirectoryElseItsOwnPrivateOne) {
    TempDir root;
    const std::string candidate = root / "runtime";
    const std::string tmp = root / "tmp";
    MakeDir(tmp, 01777);
    const std::optional<std::string> runtime = GetParam().prepare(candidate);
    if (runtime && runtime->empty()) {
        GTEST_SKIP() << "needs root to hand a directory to another user";
    }
    ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", runtime);
    ScopedEnv tmpEnv("TMPDIR", tmp);
    PosixScriptFile scriptFile;

    const std::string chosen = scriptFile.TemporaryDirectory();

    if (GetParam().used) {
        EXPECT_EQ(chosen, candidate);
    } else {
        EXPECT_EQ(chosen, tmp + "/velmora-" + std::to_string(::geteuid()));
        EXPECT_TRUE(IsPrivateDirectory(chosen));
        EXPECT_EQ(ModeOf(chosen) & 07777, 0700u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Posix, TemporaryDirectoryTest,
    ::testing::Values(
        RuntimeDirCase{"Private",
                       [](const std::string& candidate) -> std::optional<std::string> {
                           MakeDir(candidate, 0700);
                           return candidate;
                       },
                       true},
        RuntimeDirCase{
            "Unset", [](const std::string&) -> std::optional<std::string> { return std::nullopt; },
            false},
        RuntimeDirCase{"WorldWritable",
                       [](const std::string& candidate) -> std::optional<std::string> {
                           MakeDir(candidate, 0777);
                           return candidate;
                       },
                       false},
        RuntimeDirCase{"OwnedByAnotherUser",
                       [](const std::string& candidate) -> std::optional<std::string> {
                           MakeDir(candidate, 0700);
                           return GiveToNobody(candidate) ? candidate : std::string();
                       },
                       false},
        RuntimeDirCase{"SymbolicLink",
                       [](const std::string& candidate) -> std::optional<std::string> {
                           MakeDir(candidate + ".real", 0700);
                           ::symlink((candidate + ".real").c_str(), candidate.c_str());
                           return candidate;
                       },
                       false},
        RuntimeDirCase{
            "Relative",
            [](const std::string&)
                -> std::optional<std::string> { return std::string("relative/runtime"); },
            false},
        RuntimeDirCase{
            "Missing",
            [](const std::string& candidate) -> std::optional<std::string> { return candidate; },
            false}),
    [](const ::testing::TestParamInfo<RuntimeDirCase>& info) { return info.param.name; });

// The script's state as the launch leaves it, through the real LaunchGame.
class LaunchScriptTest : public LaunchFixture {
protected:
    PathSettings EchoSettings() {
        PathSettings settings;
        settings.MamePath = InstallEchoEmulator("emu", "mame");
        settings.RomPath = root / "roms";
        return settings;
    }
};

struct PlantedLinkCase {
    const char* name;
    bool targetExists;
};

void PrintTo(const PlantedLinkCase& c, std::ostream* os) {
    *os << c.name;
}

class PlantedLinkTest : public LaunchScriptTest,
                        public ::testing::WithParamInterface<PlantedLinkCase> {};

TEST_P(PlantedLinkTest, LinkAtTheScriptPathIsReplacedNotFollowed) {
    const std::string target = root / "victim";
    if (GetParam().targetExists) {
        WriteFile(target, "precious\n");
    }
    ASSERT_EQ(::symlink(target.c_str(), ScriptPath().c_str()), 0);

    Launch("pacman.zip", EchoSettings());

    if (GetParam().targetExists) {
        EXPECT_EQ(ReadFile(target), "precious\n");
    } else {
        EXPECT_FALSE(Exists(target));
    }
    EXPECT_TRUE(S_ISREG(ModeOf(ScriptPath())));
    const EchoReport echo = ParseEcho(pane.Text());
    ASSERT_GE(echo.args.size(), 2u);
    EXPECT_EQ(echo.args[1], "pacman");
}

INSTANTIATE_TEST_SUITE_P(Posix, PlantedLinkTest,
                         ::testing::Values(PlantedLinkCase{"ToAnExistingFile", true},
                                           PlantedLinkCase{"Dangling", false}),
                         [](const ::testing::TestParamInfo<PlantedLinkCase>& info) {
                             return info.param.name;
                         });

TEST_F(LaunchScriptTest, NoPrivateDirectoryMeansNothingRunsAndThePaneKeepsItsText) {
    // The runtime directory is shared and the fallback name is already taken by an open one.
    const std::string shared = root / "shared";
    MakeDir(shared, 0777);
    const std::string tmp = root / "tmp";
    MakeDir(tmp, 0755);
    MakeDir(tmp + "/velmora-" + std::to_string(::geteuid()), 0777);
    ScopedEnv runtimeEnv("XDG_RUNTIME_DIR", shared);
    ScopedEnv tmpEnv("TMPDIR", tmp);
    pane.SetText("text of the previous launch");

    Launch("pacman.zip", EchoSettings());

    EXPECT_EQ(pane.Text(), "text of the previous launch");
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_EQ(processes.created, 0);
}

// Runs body in a forked child whose file size limit is a few bytes, and returns the fields it
// reported; the limit must not touch the test process itself.
std::vector<std::string> WithTinyFileSizeLimit(
    const std::function<std::vector<std::string>()>& body) {
    int report[2];
    if (::pipe(report) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        ::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        const rlimit limit{8, 8};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string out;
        for (const std::string& field : body()) {
            out += field;
            out += '\0';
        }
        (void)!::write(report[1], out.data(), out.size());
        ::_exit(0);
    }
    ::close(report[1]);
    std::string all;
    char buffer[4096];
    for (ssize_t got; (got = ::read(report[0], buffer, sizeof buffer)) > 0;) {
        all.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(report[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    std::vector<std::string> fields;
    for (std::size_t start = 0, end; (end = all.find('\0', start)) != std::string::npos;
         start = end + 1) {
        fields.push_back(all.substr(start, end - start));
    }
    return fields;
}

TEST_F(LaunchScriptTest, FailedWriteShowsDiskFullKeepsTheOldScriptAndRunsNothing) {
    const std::string oldScript = "echo the previous launch\n";
    ASSERT_EQ(scriptFile.Write(ScriptPath(), oldScript), ScriptFile::Result::Written);
    const PathSettings settings = EchoSettings();
    pane.SetText("text of the previous launch");

    const std::vector<std::string> fields = WithTinyFileSizeLimit([&] {
        const ScriptFile::Result direct = scriptFile.Write(ScriptPath(), "echo longer than 8\n");
        Launch("pacman.zip", settings);
        std::vector<std::string> out = {
            direct == ScriptFile::Result::WriteFailed ? "WriteFailed" : "other result",
            std::to_string(processes.created), pane.Text()};
        for (const auto& [text, icon] : messageBox.shown) {
            out.push_back(text);
            out.push_back(icon == MessageIcon::Stop ? "Stop" : "Exclamation");
        }
        return out;
    });

    const std::vector<std::string> expected = {"WriteFailed", "0", "text of the previous launch",
                                               DiskFullText(ScriptPath()), "Stop"};
    EXPECT_EQ(fields, expected);
    EXPECT_EQ(ReadFile(ScriptPath()), oldScript);
    EXPECT_EQ(ListTree(runtimeDir), std::vector<std::string>{"mame.sh"});
}

}  // namespace
}  // namespace velmora::testing
