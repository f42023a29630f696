#include "app/core/password_scramble.h"

namespace scorewick::app {

// Changing this table makes every stored password unreadable: files keep
// only the scrambled form.
const ScramblePair kScrambleTable[kScramblePairCount] = {
    {'r', 'I'},    {'=', 'o'},       {'>', 'Q'},    {'M', 'q'},    {'{', 'l'},    {')', 'p'},
    {'^', 's'},    {'!', '\\'},      {'N', 'E'},    {'b', 'Y'},    {'D', 'f'},    {'Z', '0'},
    {'`', '.'},    {'S', 'A'},       {'4', '<'},    {'+', 'z'},    {'X', '\xC7'}, {'"', '\xC2'},
    {'u', ':'},    {'h', '$'},       {'J', 'C'},    {'%', ']'},    {'P', '\xC9'}, {'j', 'd'},
    {'e', 'R'},    {'/', '\''},      {'\xC6', 'T'}, {'&', '5'},    {'H', 'B'},    {'K', '8'},
    {'3', '('},    {'\xC4', '\xC5'}, {'\xC8', '2'}, {'n', 'W'},    {'k', '|'},    {'-', '1'},
    {'*', '\xC0'}, {'x', 'g'},       {'_', '}'},    {',', '\xC3'}, {'c', '#'},    {'@', 'v'},
    {'m', 'V'},    {';', 't'},       {'L', '9'},    {'\xC1', '6'}, {'w', 'F'},    {'G', 'O'},
    {'U', 'y'},    {'a', '~'},       {'[', 'i'},    {'7', '?'},
};

void ScramblePassword(std::string& text) {
  for (char& c : text) {
    for (const ScramblePair& pair : kScrambleTable) {
      if (c == pair.first) {
        c = pair.second;
        break;
      }
      if (c == pair.second) {
        c = pair.first;
        break;
      }
    }
  }
}

}  // namespace scorewick::app
