#pragma once
// Team files (.tem).  The same byte sequence, version word included, is
// how each team is stored inside a game file, without the personal
// information block.
//
//   0   version word: 768 (3.0) or 512 (2.0: player keys not stored)
//   4   path of the team when saved (260)
//   264 team name, 289 coach, 314 manager (25 each)
//   339 logo file (260)
//   599 reserved, 603 line-up size, 607 extra value (i32 each)
//   611 uses designated hitter (u8)
//   612 designated hitter, 661 DH bats for (PLAYER each)
//   710 player count N, 714 N players, then N personal-information
//       records when the file is exactly that long.

#include <cstdint>
#include <string>
#include <vector>

#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/status.h"
#include "records/team.h"
#include "records/user_message.h"

namespace scorewick {

inline constexpr std::int32_t kVersion3 = 768;
inline constexpr std::int32_t kVersion2 = 512;
inline constexpr std::size_t kTeamHeaderSize = 710;
inline constexpr std::size_t kTeamPlayersOffset = 714;

// Reads one team sequence at the reader's position into team, which should
// be new or cleared.  file_length (the length of the whole team file; 0
// for a team inside a game) decides whether the personal-information block
// is present, unless team.no_personal_info is set.  Fails with
// Fault::kBadVersion (the version word is not 512..768; nothing else was
// read), carrying the "Invalid Team File" message and naming the word, or
// with Fault::kDamaged when the bytes ran out or held an impossible value
// (reason and byte say where).
Status ReadTeam(ByteReader& in, Team& team, std::size_t file_length = 0);
// Writes the team sequence (version 768), with the personal information
// block when with_personal_info is set (a team file of a team that keeps
// personal information; never inside a game).
void WriteTeam(ByteWriter& out, const Team& team, bool with_personal_info);

// Loads a team file (or, for a file name whose extension is "csv" in any
// case, imports the comma-separated form) and stores the path in the team;
// the file read is always the one named by path, however long.  A bad
// version word, a damaged file or a file of another shape is refused with
// "Invalid Team File" (caption "Unable to read Team file"), followed by the
// file and the version word for a bad version word, the damaged one
// naming the file and the byte where it breaks, the misshapen one naming the
// file and what it looks like ("this is a game file"); a file that cannot be
// opened fails with a reason
// but no message, as a missing file in a list of teams is no news.  On
// failure the team keeps what it held, with the path.
Status LoadTeam(const std::string& path, Team& team);
// Decodes a whole team file held in memory.  A team file is exactly its
// header, its players and optionally their personal information: any other
// length fails with Fault::kWrongShape, the reason saying what the file
// looks like instead (a game file, say: it begins with the same version
// word).  Other failures as ReadTeam; on any failure the team is left as
// it was.
Status DecodeTeamFile(const std::vector<std::uint8_t>& bytes, Team& team);

// Stores the path in the team and writes the file (atomically).  Fails,
// with the reason, when it cannot be written; a file that was there is
// then left whole.
Status SaveTeam(const std::string& path, Team& team);
std::vector<std::uint8_t> EncodeTeamFile(const Team& team);

UserMessage InvalidTeamFileMessage();

// Whether bytes hold exactly one team file (the right length for its
// player count, personal information or not).
bool IsWholeTeamFile(const std::vector<std::uint8_t>& bytes);

}  // namespace scorewick
