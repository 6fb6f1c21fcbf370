#include "cli/JsonStream.h"

#include <charconv>
#include <ostream>
#include <string>
#include <type_traits>

#include <nlohmann/json.hpp>

namespace vertal::cli {
namespace {

constexpr std::size_t kIndent = 2;
constexpr std::size_t kFlushBytes = std::size_t{1} << 16;

// Whether nlohmann writes `text` as it stands between quotes: no control characters, quotes
// or backslashes, and only ASCII or well-formed two-byte sequences (Cyrillic among them).
bool PlainJsonString(std::string_view text) {
  constexpr unsigned char kFirstPrintable = 0x20;
  constexpr unsigned char kFirstLead = 0xC2, kLastLead = 0xDF;
  constexpr unsigned char kTailMask = 0xC0, kTail = 0x80, kAsciiEnd = 0x80;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < kAsciiEnd) {
      if (c < kFirstPrintable || c == '"' || c == '\\') return false;
    } else if (c >= kFirstLead && c <= kLastLead && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & kTailMask) == kTail) {
      ++i;
    } else {
      return false;
    }
  }
  return true;
}

class Writer {
 public:
  explicit Writer(std::ostream& out) : out_(out) {}
  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;
  ~Writer() { Flush(); }

  void Raw(std::string_view text) {
    buffer_.append(text);
    if (buffer_.size() >= kFlushBytes) Flush();
  }
  void Indent(std::size_t level) { buffer_.append(level * kIndent, ' '); }
  void String(std::string_view text) {
    if (!PlainJsonString(text)) return Raw(Json(text).dump(-1, ' ', false, Json::error_handler_t::replace));
    buffer_.push_back('"');
    buffer_.append(text);
    buffer_.push_back('"');
  }
  void Number(std::int64_t n) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr;
    buffer_.append(digits.data(), end);
  }
  // A value whose tree is small, indented as the member of an object at `level`.
  void Tree(const Json& value, std::size_t level) {
    for (const char c : value.dump(static_cast<int>(kIndent), ' ', false, Json::error_handler_t::replace)) {
      buffer_.push_back(c);
      if (c == '\n') Indent(level);
    }
  }
  // Starts member `key` of an object at `level`; `first` tells whether one came before.
  void Key(std::string_view key, bool first, std::size_t level) {
    Raw(first ? "\n" : ",\n");
    Indent(level + 1);
    String(key);
    Raw(": ");
  }

 private:
  void Flush() {
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
  }

  std::ostream& out_;
  std::string buffer_;
};

void WriteList(Writer& w, const JumpList& list, std::size_t level) {
  if (list.Count() == 0) return w.Raw("[]");
  w.Raw("[");
  std::string text;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    w.Raw(i == 0 ? "\n" : ",\n");
    w.Indent(level + 1);
    w.Raw("{");
    text.clear();
    list.AppendText(text, i);
    w.Key("text", true, level + 1);
    w.String(text);
    w.Key("n", false, level + 1);
    w.Number(list.Numbers()[i]);
    w.Raw("\n");
    w.Indent(level + 1);
    w.Raw("}");
  }
  w.Raw("\n");
  w.Indent(level);
  w.Raw("]");
}

void WriteControls(Writer& w, const ControlSnapshot& controls, std::size_t level) {
  if (controls.Values().empty()) return w.Raw("{}");
  w.Raw("{");
  bool first = true;
  for (const auto& [name, value] : controls.Values()) {
    w.Key(name, first, level);
    first = false;
    std::visit(
        [&](const auto& v) {
          if constexpr (std::is_same_v<std::decay_t<decltype(v)>, JumpList>)
            WriteList(w, v, level + 1);
          else
            w.Tree(Json(v), level + 1);
        },
        value);
  }
  w.Raw("\n");
  w.Indent(level);
  w.Raw("}");
}

}  // namespace

void WriteStreamedDocument(std::ostream& out, const Json& document, const ControlSnapshot& controls) {
  Writer w(out);
  if (document.empty()) {
    w.Tree(document, 0);
  } else {
    w.Raw("{");
    bool first = true;
    for (const auto& [key, value] : document.items()) {
      w.Key(key, first, 0);
      first = false;
      if (key == kControlsKey)
        WriteControls(w, controls, 1);
      else
        w.Tree(value, 1);
    }
    w.Raw("\n}");
  }
  w.Raw("\n");
}

}  // namespace vertal::cli
