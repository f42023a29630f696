#include "records/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

#include "support/temp_dir.h"

namespace scorewick {
namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::string text;
  if (!ReadWholeTextFile(path, text)) return "(unreadable)";
  return text;
}

TEST(FileIo, ASymlinkIsWrittenThroughAndKept) {
  TempDir dir;
  fs::create_directories(dir.Path("real"));
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("real/team.csv"), "old"));
  fs::create_symlink("real/team.csv", dir.Path("team.csv"));
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("team.csv"), "new"));
  EXPECT_TRUE(fs::is_symlink(dir.Path("team.csv")));
  EXPECT_EQ(Read(dir.Path("real/team.csv")), "new");
  EXPECT_EQ(fs::directory_iterator(dir.Path("real"))->path().filename(), "team.csv");
}

TEST(FileIo, AFileWithoutWritePermissionIsRefusedAndKept) {
  TempDir dir;
  const std::string path = dir.Path("locked.tem");
  ASSERT_TRUE(WriteTextFileAtomically(path, "old"));
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const Status saved = WriteTextFileAtomically(path, "new");
  const std::string& error = saved.reason;
  EXPECT_FALSE(saved);
  EXPECT_EQ(saved.file, path);
  EXPECT_NE(error.find("locked.tem"), std::string::npos) << error;
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  EXPECT_EQ(Read(path), "old");
}

TEST(FileIo, NamesUpToTheSystemsLongestCanBeSaved) {
  TempDir dir;
  for (std::size_t length : {5u, 243u, 244u, 250u, 255u}) {
    const std::string path = dir.Path(std::string(length - 4, 'n') + ".tem");
    for (const char* text : {"a", "b"}) {
      const Status saved = WriteTextFileAtomically(path, text);
      EXPECT_TRUE(saved) << length << ": " << saved.reason;
    }
    EXPECT_EQ(Read(path), "b") << length;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
}

TEST(FileIo, AFileForItsOwnerOnlyIsCreatedAndKeptSo) {
  TempDir dir;
  const std::string path = dir.Path("scwk.ini");
  const mode_t old_mask = ::umask(022);
  ASSERT_TRUE(WriteTextFileAtomically(path, "a", FileAccess::kOwnerOnly));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  ASSERT_TRUE(WriteTextFileAtomically(path, "b", FileAccess::kOwnerOnly));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  ::umask(old_mask);
}

TEST(FileIo, OnlyRegularFilesAreRead) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.Path("fifo.tem").c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string reason;
  } cases[] = {{dir.Path("fifo.tem"), "not a file"},
               {"/dev/zero", "not a file"},
               {dir.path().string(), "it is a folder"},
               {dir.Path("missing.tem"), "No such file or directory"}};
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes;
    const Status whole = ReadWholeFile(c.path, bytes);
    EXPECT_FALSE(whole) << c.path;
    EXPECT_NE(whole.reason.find(c.path), std::string::npos) << whole.reason;
    EXPECT_NE(whole.reason.find(c.reason), std::string::npos) << whole.reason;
    const Status prefix = ReadFilePrefix(c.path, 16, bytes);
    EXPECT_FALSE(prefix) << c.path;
    EXPECT_NE(prefix.reason.find(c.reason), std::string::npos) << prefix.reason;
  }
}

// One buffer reused for files long and short, whole, head first (the rest
// wanted or not) or by their first bytes: each read holds exactly the
// file's bytes, whatever the buffer held before.
TEST(FileIo, AReusedBufferHoldsExactlyEachFilesBytes) {
  TempDir dir;
  constexpr std::size_t kHead = 64;
  ByteBuffer buffer;
  for (std::size_t length : {std::size_t{300000}, std::size_t{0}, std::size_t{1}, kHead - 1, kHead,
                             kHead + 1, std::size_t{70000}, std::size_t{5}}) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + length);
    const std::string path = dir.Path("f" + std::to_string(length));
    ASSERT_TRUE(WriteFileAtomically(path, bytes));
    const auto holds = [&](std::size_t count) {
      return std::vector<std::uint8_t>(buffer.begin(), buffer.end()) ==
             std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::min(count, length));
    };
    ASSERT_TRUE(ReadWholeFile(path, buffer));
    EXPECT_TRUE(holds(length)) << length;
    // On a cache line, where the kernel copies into it several times faster.
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer.data()) % 64, 0u) << length;
    for (bool rest : {true, false}) {
      bool whole = !rest;
      ASSERT_TRUE(ReadFileHeadFirst(
          path, kHead, [&](std::span<const std::uint8_t>) { return rest; }, buffer, &whole));
      EXPECT_EQ(whole, rest);
      EXPECT_TRUE(holds(rest ? length : kHead)) << length << " rest " << rest;
    }
    ASSERT_TRUE(ReadFilePrefix(path, kHead, buffer));
    EXPECT_TRUE(holds(kHead)) << length;
  }
}

// A save renames a new file over its target: never over a pipe or a
// device, which would become a plain file for every program using it.
TEST(FileIo, ANodeThatIsNoFileIsNeverReplaced) {
  TempDir dir;
  ASSERT_EQ(::mkfifo(dir.Path("fifo").c_str(), 0600), 0);
  ASSERT_EQ(::mknod(dir.Path("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
  fs::create_symlink("null", dir.Path("link"));
  for (const char* name : {"fifo", "null", "link"}) {
    const Status saved = WriteTextFileAtomically(dir.Path(name), "x");
    EXPECT_FALSE(saved) << name;
    EXPECT_NE(saved.reason.find("not a file"), std::string::npos) << saved.reason;
  }
  EXPECT_TRUE(fs::is_fifo(dir.Path("fifo")));
  EXPECT_TRUE(fs::is_character_file(dir.Path("null")));
  EXPECT_EQ(FilesIn(dir.path()), 0);  // no temporary file left
}

// Pages that belong together are replaced together or not at all.
TEST(FileIo, FilesSavedTogetherAreAllWrittenOrNone) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("a.htm"), "old a"));
  ASSERT_EQ(::mkfifo(dir.Path("c.htm").c_str(), 0600), 0);
  const Status refused = WriteTextFilesAtomically(
      {{dir.Path("a.htm"), "new a"}, {dir.Path("b.htm"), "b"}, {dir.Path("c.htm"), "c"}});
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.reason.find("c.htm"), std::string::npos) << refused.reason;
  EXPECT_EQ(Read(dir.Path("a.htm")), "old a");
  EXPECT_FALSE(fs::exists(dir.Path("b.htm")));
  EXPECT_EQ(FilesIn(dir.path()), 1);
  const Status saved =
      WriteTextFilesAtomically({{dir.Path("a.htm"), "new a"}, {dir.Path("b.htm"), "b"}});
  ASSERT_TRUE(saved) << saved.reason;
  EXPECT_EQ(Read(dir.Path("a.htm")) + Read(dir.Path("b.htm")), "new ab");
}

// A batch replaces nothing before its Commit; files taken back, and a batch
// given up, leave no temporary file and their targets as they were.
TEST(FileIo, ABatchReplacesItsFilesOnlyWhenCommitted) {
  TempDir dir;
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("a.htm"), "old a"));
  auto bytes = [](const std::string& text) {
    return std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  };
  const std::string a = "new a", b = "b", c = "c";
  {
    FileBatch given_up;
    ASSERT_TRUE(given_up.Add(dir.Path("a.htm"), bytes(a)));
  }
  EXPECT_EQ(Read(dir.Path("a.htm")), "old a");
  EXPECT_EQ(FilesIn(dir.path()), 1);
  FileBatch batch;
  ASSERT_TRUE(batch.Add(dir.Path("a.htm"), bytes(a)));
  ASSERT_TRUE(batch.Add(dir.Path("b.htm"), bytes(b)));
  ASSERT_TRUE(batch.Add(dir.Path("c.htm"), bytes(c)));
  EXPECT_EQ(Read(dir.Path("a.htm")), "old a");
  batch.DropFrom(1);
  EXPECT_EQ(batch.size(), 1u);
  ASSERT_TRUE(batch.Commit());
  EXPECT_EQ(Read(dir.Path("a.htm")), "new a");
  EXPECT_FALSE(fs::exists(dir.Path("b.htm")));
  EXPECT_EQ(FilesIn(dir.path()), 1);

  // A text given in pieces (empty ones among them, more than a write's
  // buffer holds) is the pieces one after the other.
  const std::string big(100000, 'x');
  const std::vector<std::string_view> pieces = {"a", "", big, "b", "", big, "c"};
  ASSERT_TRUE(batch.Add(dir.Path("p.htm"), pieces));
  ASSERT_TRUE(batch.Commit());
  EXPECT_EQ(Read(dir.Path("p.htm")), "a" + big + "b" + big + "c");
}

// A save stopped half-way (here by the file-size limit's signal, as kill
// -9 would stop it) leaves its temporary file behind; the next process to
// save into the folder removes it, and nothing else.
TEST(FileIo, ATemporaryFileLeftByAStoppedSaveIsRemovedByTheNextSave) {
  TempDir dir;
  std::ofstream(dir.Path("notes.tmp")) << "mine";
  const pid_t child = ::fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    (void)WriteTextFileAtomically(dir.Path("SEA201903280.gam"), std::string(1 << 20, 'x'));
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  ASSERT_EQ(FilesIn(dir.path()), 2);  // the notes and the stopped save's file
  ASSERT_TRUE(WriteTextFileAtomically(dir.Path("other.gam"), "x"));
  EXPECT_EQ(FilesIn(dir.path()), 2);
  EXPECT_EQ(Read(dir.Path("notes.tmp")), "mine");
  EXPECT_FALSE(fs::exists(dir.Path("SEA201903280.gam")));
}

}  // namespace
}  // namespace scorewick
