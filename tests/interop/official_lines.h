#pragma once
// The official lines of the Retrosheet test games (official-lines.json):
// a small reader of the JSON it is written in (objects, strings and whole
// numbers; nothing else occurs there).

#include <cctype>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

namespace scorewick::testing {

struct JsonValue {
  long number = 0;
  std::string text;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const {
    auto it = members.find(key);
    if (it == members.end()) throw std::out_of_range("no member " + key);
    return it->second;
  }
};

class JsonReader {
 public:
  explicit JsonReader(std::string_view text) : text_(text) {}

  JsonValue Read() {
    JsonValue v = Value();
    Skip();
    if (at_ != text_.size()) throw std::runtime_error("text after the JSON value");
    return v;
  }

 private:
  void Skip() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  char Next() {
    Skip();
    if (at_ >= text_.size()) throw std::runtime_error("the JSON ends early");
    return text_[at_];
  }
  void Expect(char c) {
    if (Next() != c) throw std::runtime_error(std::string("expected ") + c);
    ++at_;
  }
  std::string String() {
    Expect('"');
    std::string s;
    while (at_ < text_.size() && text_[at_] != '"') {
      if (text_[at_] == '\\') ++at_;
      s += text_[at_++];
    }
    ++at_;
    return s;
  }
  JsonValue Value() {
    JsonValue v;
    const char c = Next();
    if (c == '{') {
      ++at_;
      if (Next() == '}') {
        ++at_;
        return v;
      }
      while (true) {
        std::string key = String();
        Expect(':');
        v.members.emplace(std::move(key), Value());
        if (Next() == ',') {
          ++at_;
          continue;
        }
        Expect('}');
        return v;
      }
    }
    if (c == '"') {
      v.text = String();
      return v;
    }
    std::size_t used = 0;
    v.number = std::stol(std::string(text_.substr(at_, 24)), &used);
    at_ += used;
    return v;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace scorewick::testing
