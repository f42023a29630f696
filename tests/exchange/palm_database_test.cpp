#include "exchange/palm_database.h"

#include <gtest/gtest.h>

#include "platform/scripted_ui.h"
#include "records/file_io.h"
#include "support/temp_dir.h"
#include "support/told.h"

namespace scorewick {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t BE32(const Bytes& b, std::size_t at) {
  return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 |
         std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}
std::uint16_t BE16(const Bytes& b, std::size_t at) { return std::uint16_t(b[at] << 8 | b[at + 1]); }
std::string Text(const Bytes& b, std::size_t at, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(b.data() + at), n);
}

Bytes Stream(std::size_t length) {
  Bytes s(length);
  for (std::size_t i = 0; i < length; ++i) s[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
  return s;
}

constexpr std::uint32_t kDate = 0xE1A2B3C4;

TEST(PalmDatabase, FiveThousandByteStreamLayout) {
  Bytes stream = Stream(5000);
  Bytes db = EncodePalmStreamDatabase(stream, "C:\\palm\\Tigers.pdb", kDate);
  ASSERT_EQ(db.size(), 5112u);  // 96 + 4104 + 8 + 904

  EXPECT_EQ(Text(db, 0, 32), std::string("Tigers") + std::string(26, '\0'));
  EXPECT_EQ(BE16(db, 32), 0x0088);
  EXPECT_EQ(BE16(db, 34), 0);
  EXPECT_EQ(BE32(db, 36), kDate);
  EXPECT_EQ(BE32(db, 40), kDate);
  for (std::size_t at : {44u, 48u, 52u, 56u, 68u, 72u}) EXPECT_EQ(BE32(db, at), 0u) << at;
  EXPECT_EQ(Text(db, 60, 4), "strm");
  EXPECT_EQ(Text(db, 64, 4), "Wkzr");
  EXPECT_EQ(BE16(db, 76), 2);

  // Block offsets and lengths: see BlocksAtTheBoundaries.
  for (std::size_t entry : {78u, 86u}) {
    EXPECT_EQ(db[entry + 4], 0x40);
    EXPECT_EQ(Text(db, entry + 5, 3), std::string(3, '\0'));
  }
  EXPECT_EQ(Text(db, 94, 2), "ZZ");
  EXPECT_TRUE(std::equal(stream.begin(), stream.begin() + 4096, db.begin() + 104));
  EXPECT_TRUE(std::equal(stream.begin() + 4096, stream.end(), db.begin() + 4208));
}

TEST(PalmDatabase, BlocksAtTheBoundaries) {
  struct Case {
    std::size_t length;
    std::vector<std::uint32_t> blocks;
  };
  for (const Case& c :
       {Case{1, {1}}, Case{4096, {4096}}, Case{4097, {4096, 1}}, Case{5000, {4096, 904}},
        Case{8192, {4096, 4096}}, Case{8193, {4096, 4096, 1}}}) {
    SCOPED_TRACE(c.length);
    Bytes stream = Stream(c.length);
    Bytes db = EncodePalmStreamDatabase(stream, "x.pdb", kDate);
    const std::size_t n = c.blocks.size();
    ASSERT_EQ(BE16(db, 76), n);
    const std::size_t first = 80 + 8 * n;
    EXPECT_EQ(first % 4, 0u);
    EXPECT_EQ(db.size(), first + 8 * n + c.length);
    for (std::size_t i = 0; i < n; ++i) {
      std::size_t at = BE32(db, 78 + 8 * i);
      EXPECT_EQ(at, first + 4104 * i);
      EXPECT_EQ(Text(db, at, 4), "DBLK");
      EXPECT_EQ(BE32(db, at + 4), c.blocks[i]);
    }
    Bytes back;
    std::string error;
    ASSERT_TRUE(testing::Done(DecodePalmStream(db, back), &error)) << error;
    EXPECT_EQ(back, stream);
  }
}

TEST(PalmDatabase, NameRule) {
  EXPECT_EQ(PalmDatabaseName("/home/sam/Tigers.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("C:\\Palm\\Tigers.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers.pdb.pdb"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers"), "Tigers");
  EXPECT_EQ(PalmDatabaseName("Tigers.PDB"), "Tigers.PDB");  // the cut is case-sensitive
  std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
  ASSERT_EQ(forty.size(), 40u);
  EXPECT_EQ(PalmDatabaseName(forty + ".pdb"), forty.substr(0, 31));
  Bytes db = EncodePalmStreamDatabase(Stream(10), forty + ".pdb", kDate);
  EXPECT_EQ(Text(db, 0, 32), forty.substr(0, 31) + '\0');
}

TEST(PalmDatabase, DatesCountFrom1904) {
  EXPECT_EQ(PalmTime(0), 2082844800u);
  // 1 June 2024 00:00 UTC.
  EXPECT_EQ(PalmTime(1717200000), 1717200000u + 2082844800u);
}

TEST(PalmDatabase, KindFromTheFirstBlock) {
  auto kind_of = [](std::string head) {
    Bytes stream(head.begin(), head.end());
    stream.resize(200, 1);
    return PalmStreamKindOf(EncodePalmStreamDatabase(stream, "k.pdb", kDate));
  };
  EXPECT_EQ(kind_of(std::string("tem\0", 4)), PalmKind::kTeam);
  EXPECT_EQ(kind_of(std::string("gam\0", 4)), PalmKind::kGame);
  EXPECT_EQ(kind_of(std::string("TEM\0", 4)), PalmKind::kNeither);
  EXPECT_EQ(kind_of("temX"), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKindOf(EncodePalmStreamDatabase({}, "k.pdb", kDate)), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKindOf(Bytes(7, 0)), PalmKind::kNeither);
}

TEST(PalmDatabase, ANameThatLooksLikeABlockIsNotOne) {
  Bytes stream = Stream(300);
  Bytes db = EncodePalmStreamDatabase(stream, "DBLK Tigers.pdb", kDate);
  Bytes back;
  std::string error;
  ASSERT_TRUE(testing::Done(DecodePalmStream(db, back), &error)) << error;
  EXPECT_EQ(back, stream);
}

TEST(PalmDatabase, DamagedBlocksAreRefused) {
  Bytes db = EncodePalmStreamDatabase(Stream(5000), "d.pdb", kDate);
  Bytes back;
  std::string error;

  Bytes too_long = db;
  too_long[100] = 0;
  too_long[101] = 0;
  too_long[102] = 0x10;  // 4097
  too_long[103] = 0x01;
  EXPECT_FALSE(testing::Done(DecodePalmStream(too_long, back), &error));
  EXPECT_NE(error.find("at most 4096"), std::string::npos) << error;
  EXPECT_TRUE(back.empty());

  Bytes cut(db.begin(), db.end() - 1);  // last block claims one byte more than is left
  EXPECT_FALSE(testing::Done(DecodePalmStream(cut, back), &error));
  EXPECT_NE(error.find("byte 4200"), std::string::npos) << error;

  Bytes huge = db;
  huge[4204] = 0xFF;  // a length of over 4 GB must not be taken at its word
  EXPECT_FALSE(testing::Done(DecodePalmStream(huge, back), &error));

  Bytes no_length(db.begin(), db.begin() + 4206);
  EXPECT_FALSE(testing::Done(DecodePalmStream(no_length, back), &error));

  // Without any block the stream is empty, and that is no error.
  EXPECT_TRUE(DecodePalmStream(Bytes(db.begin(), db.begin() + 96), back));
  EXPECT_TRUE(back.empty());
}

class PalmDatabaseFiles : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) { return dir_.Path(name); }
  TempDir dir_;
};

TEST_F(PalmDatabaseFiles, WrapAndUnwrapThroughFiles) {
  Bytes stream = Stream(9000);
  std::string error;
  ASSERT_TRUE(WriteFileAtomically(Path("stream.bin"), stream));
  ASSERT_TRUE(
      testing::Done(WritePalmStreamDatabase(Path("stream.bin"), Path("Tigers.pdb"), 8500), &error))
      << error;
  // A source shorter than the length asked for is refused, not padded.
  EXPECT_FALSE(
      testing::Done(WritePalmStreamDatabase(Path("stream.bin"), Path("Other.pdb"), 9001), &error));
  EXPECT_FALSE(FileExists(Path("Other.pdb")));

  ScriptedUi ui;
  ASSERT_TRUE(Show(ui, ExtractPalmStream(Path("Tigers.pdb"), Path("out.bin"))));
  Bytes back;
  ASSERT_TRUE(ReadWholeFile(Path("out.bin"), back));
  EXPECT_EQ(back, Bytes(stream.begin(), stream.begin() + 8500));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(PalmStreamKind(Path("Tigers.pdb")), PalmKind::kNeither);
  EXPECT_EQ(PalmStreamKind(Path("missing.pdb")), PalmKind::kNeither);
}

TEST_F(PalmDatabaseFiles, OpenFailuresAreReported) {
  std::string error;
  ASSERT_TRUE(testing::Done(WritePalmStreamDatabase(Stream(10), Path("a.pdb")), &error));
  Bytes stream;
  for (const auto& [result, text] :
       {std::pair{ExtractPalmStream(Path("missing.pdb"), stream), "Could not Open Input File"},
        std::pair{ExtractPalmStream(Path("a.pdb"), Path("no-such-folder/out.bin")),
                  "Could not Open Output File"}}) {
    ScriptedUi ui;
    EXPECT_FALSE(Show(ui, result));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, text);
    EXPECT_EQ(ui.messages[0].caption, "Error");
  }
}

}  // namespace
}  // namespace scorewick
