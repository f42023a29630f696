#pragma once
// The Palm team stream: a team as the handheld keeps it.  Offsets from the
// start of the stream, n = roster count:
//
//   0    tag "tem" and a zero byte
//   4    version, 16-bit big-endian, always 512
//   6    team name, 31 coach, 56 manager (25-byte texts, as held)
//   81   line-up size, 82 extra value (signed bytes)
//   83   uses designated hitter (character)
//   84   designated hitter, 118 DH bats for (Palm player records)
//   152  roster count n (signed byte)
//   153  n Palm player records, in roster order
//
// 153 + 34n bytes.  The file path, logo file, reserved value, the players'
// keys and all personal information stay behind; a roster of more than 127
// players cannot be counted in one signed byte and is refused.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "records/byte_reader.h"
#include "records/byte_writer.h"
#include "records/status.h"
#include "records/team.h"
#include "records/user_message.h"

namespace scorewick {

inline constexpr std::int32_t kPalmStreamVersion = 512;
inline constexpr std::size_t kPalmTeamFixedSize = 153;
inline constexpr int kPalmMaxCount = 127;  // largest count a signed byte holds

// Whether team can travel in the Palm form; fails, saying why, for a
// roster over 127 players.
Status CheckPalmTeam(const Team& team);

// Appends the team's stream.  Fails, with the reason and nothing appended,
// when CheckPalmTeam fails.
Status WritePalmTeamStream(const Team& team, ByteWriter& out);

// Reads one team stream at the reader's position into team: names, line-up
// settings, designated hitters and the roster (keys 0, personal
// information zero-filled).  Fields the stream does not carry keep their
// values.  Fails with Fault::kWrongTag and the message "Not a Palm Team"
// for another kind of stream, with Fault::kBadVersion and "Palm Team
// Version Number is Incorrect" (caption "Load Error") for another version
// than 512, and with Fault::kDamaged (the reason says where) for a stream
// that ends early or holds an impossible value: a line-up size below zero
// or above both the roster count and the highest batting order of its
// players is damage.  On any failure the roster is left as it was; fields
// read before the failure have their new values.
Status ReadPalmTeamStream(ByteReader& in, Team& team);

// The whole-stream forms: the stream of team, and a stream decoded into
// team.  Trailing bytes after the roster are ignored.
Status EncodePalmTeamStream(const Team& team, std::vector<std::uint8_t>& stream);
Status DecodePalmTeamStream(std::span<const std::uint8_t> stream, Team& team);

UserMessage NotPalmTeamMessage();
UserMessage PalmTeamVersionMessage();

}  // namespace scorewick
