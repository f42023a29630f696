#pragma once
// A row of a statistics table stated in one line: its name, its team and
// the figures that are not zero.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace scorewick::testing {

template <typename Row>
using Figures = std::initializer_list<std::pair<std::int32_t Row::*, std::int32_t>>;

template <typename Row>
Row StatRow(const std::string& name, const std::string& team, Figures<Row> figures) {
  Row row;
  row.name = name;
  row.team = team;
  for (const auto& [field, value] : figures) row.*field = value;
  return row;
}

}  // namespace scorewick::testing
