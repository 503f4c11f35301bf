#include "io/options.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <type_traits>

#include "platform/narrow.h"

namespace drawlet {

namespace {

using Json = nlohmann::json;

template <auto Member>
int64_t ReadField(const sVdOptions& options) {
  return static_cast<int64_t>(options.*Member);
}

template <auto Member>
void StoreField(sVdOptions& options, int64_t value) {
  using Field = std::remove_reference_t<decltype(options.*Member)>;
  if constexpr (std::is_same_v<Field, uint8_t>) {
    options.*Member = WrapU8(value);
  } else if constexpr (std::is_same_v<Field, int16_t>) {
    options.*Member = WrapI16(value);
  } else {
    static_assert(std::is_same_v<Field, int64_t>);
    options.*Member = value;
  }
}

struct OptionField {
  const char* Name;
  int64_t (*Read)(const sVdOptions&);
  void (*Store)(sVdOptions&, int64_t);
};

template <auto Member>
constexpr OptionField Field(const char* name) {
  return {name, &ReadField<Member>, &StoreField<Member>};
}

// In the record's order, which is also the order of the written file.
constexpr OptionField OptionFields[] = {
    Field<&sVdOptions::ShowTip>("ShowTip"),
    Field<&sVdOptions::ConfirmExit>("ConfirmExit"),
    Field<&sVdOptions::WinW>("WinW"),
    Field<&sVdOptions::WinH>("WinH"),
    Field<&sVdOptions::WinState>("WinState"),
    Field<&sVdOptions::Zoom>("Zoom"),
    Field<&sVdOptions::HideAncre>("HideAncre"),
    Field<&sVdOptions::ShowOnlySel>("ShowOnlySel"),
    Field<&sVdOptions::ShowSelection>("ShowSelection"),
    Field<&sVdOptions::ShowCameraBorder>("ShowCameraBorder"),
    Field<&sVdOptions::PanelW>("PanelW"),
    Field<&sVdOptions::ToolBarH>("ToolBarH"),
    Field<&sVdOptions::CameraX>("CameraX"),
    Field<&sVdOptions::CameraY>("CameraY"),
    Field<&sVdOptions::CameraW>("CameraW"),
    Field<&sVdOptions::CameraH>("CameraH"),
    Field<&sVdOptions::BgColor>("BgColor"),
    Field<&sVdOptions::BgImg>("BgImg"),
    Field<&sVdOptions::GridColor>("GridColor"),
    Field<&sVdOptions::Autosave>("Autosave"),
    Field<&sVdOptions::AutosaveTime>("AutosaveTime"),
    Field<&sVdOptions::Snap>("Snap"),
    Field<&sVdOptions::SnapX>("SnapX"),
    Field<&sVdOptions::SnapY>("SnapY"),
    Field<&sVdOptions::Offset>("Offset"),
    Field<&sVdOptions::GridW>("GridW"),
    Field<&sVdOptions::GridH>("GridH"),
    Field<&sVdOptions::ShowGrid>("ShowGrid"),
};

// Every name is padded to the longest one, "ShowCameraBorder".
constexpr size_t NameColumn = 16;

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

// The member of a field; a member spelt exactly wins over one that differs only in case.
const Json* FindMember(const Json& root, const std::string& name) {
  const auto exact = root.find(name);
  if (exact != root.end()) return &*exact;
  for (auto it = root.begin(); it != root.end(); ++it) {
    if (SameNameIgnoringCase(it.key(), name)) return &it.value();
  }
  return nullptr;
}

// Fractions are cut toward zero and values outside 64 bits keep their low 64 bits, as the
// integer members do.
int64_t IntegerOfFloat(double value) {
  constexpr double TwoTo64 = 18446744073709551616.0;
  const double low = std::fmod(std::trunc(value), TwoTo64);
  const auto magnitude = static_cast<uint64_t>(std::fabs(low));
  return static_cast<int64_t>(low < 0 ? 0 - magnitude : magnitude);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Integers with this many digits may not fit in 64 bits; shorter ones always do.
constexpr size_t LongestSafeInteger = 18;

// The parser reads an integer beyond 64 bits as a double, which has lost its low bits, so such
// integers are replaced by the signed decimal of their low 64 bits before parsing. Strings, and
// numbers with a fraction or an exponent, are copied unchanged.
std::string WrapLongIntegers(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '"') {
      const size_t start = i++;
      while (i < text.size() && text[i] != '"') i += text[i] == '\\' ? 2 : 1;
      i = std::min(i + 1, text.size());
      out.append(text, start, i - start);
      continue;
    }
    if (c != '-' && !IsDigit(c)) {
      out += c;
      ++i;
      continue;
    }
    const size_t start = i;
    const bool negative = c == '-';
    if (negative) ++i;
    const size_t digitsStart = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const size_t digits = i - digitsStart;
    const bool whole = i == text.size() || (text[i] != '.' && text[i] != 'e' && text[i] != 'E');
    if (!whole) {
      while (i < text.size() && (IsDigit(text[i]) || std::strchr(".eE+-", text[i]) != nullptr)) ++i;
    }
    if (!whole || digits <= LongestSafeInteger || text[digitsStart] == '0') {
      out.append(text, start, i - start);
      continue;
    }
    uint64_t low = 0;
    for (size_t d = digitsStart; d < i; ++d) low = low * 10 + static_cast<uint64_t>(text[d] - '0');
    out += std::to_string(static_cast<int64_t>(negative ? 0 - low : low));
  }
  return out;
}

int64_t IntegerOf(const Json& member) {
  switch (member.type()) {
    case Json::value_t::number_integer:
      return member.get<int64_t>();
    case Json::value_t::number_unsigned:
      return static_cast<int64_t>(member.get<uint64_t>());
    case Json::value_t::number_float:
      return IntegerOfFloat(member.get<double>());
    case Json::value_t::boolean:
      return member.get<bool>() ? 1 : 0;
    default:
      return 0;
  }
}

// The zoom factor and the snap steps are divided by, so a file must not make them zero.
void MendDivisors(sVdOptions& options) {
  if (options.Zoom == 0) options.Zoom = 100;
  if (options.SnapX < 1) options.SnapX = 1;
  if (options.SnapY < 1) options.SnapY = 1;
}

}  // namespace

void SetDefaultOptions(sVdOptions& options) {
  options.ShowTip = 1;
  options.ConfirmExit = 1;
  options.WinW = 1024;
  options.WinH = 768;
  options.WinState = WindowMaximised;
  options.Zoom = 100;
  options.HideAncre = 0;
  options.ShowOnlySel = 0;
  options.ShowSelection = 1;
  options.ShowCameraBorder = 1;
  options.PanelW = 150;
  options.ToolBarH = 30;
  options.CameraX = 0;
  options.CameraY = 0;
  options.CameraW = 1024;
  options.CameraH = 768;
  options.BgColor = Rgba(120, 120, 120, 255);
  options.GridColor = Rgba(200, 200, 200, 255);
  options.Autosave = 1;
  options.AutosaveTime = 180;
  options.Snap = 0;
  options.SnapX = 32;
  options.SnapY = 32;
  options.Offset = 0;
  options.GridW = 32;
  options.GridH = 32;
  options.ShowGrid = 0;
}

std::string OptionsToText(const sVdOptions& options) {
  std::string text = "{";
  bool first = true;
  for (const OptionField& field : OptionFields) {
    const std::string name = field.Name;
    text += first ? "\r\n" : ",\r\n";
    first = false;
    text += "  \"" + name + "\"" + std::string(NameColumn - name.size(), ' ') + ": " +
            std::to_string(field.Read(options));
  }
  text += "\r\n}";
  return text;
}

bool OptionsFromText(const std::string& text, sVdOptions& options) {
  const Json root = Json::parse(WrapLongIntegers(text), nullptr, false);
  if (root.is_discarded()) return false;
  options = sVdOptions{};
  if (root.is_object()) {
    for (const OptionField& field : OptionFields) {
      if (const Json* member = FindMember(root, field.Name)) field.Store(options, IntegerOf(*member));
    }
  }
  MendDivisors(options);
  return true;
}

std::string OptionsPath(platform::Files& files) {
  std::string path = files.CurrentDirectory();
  if (path.empty() || path.back() != '/') path += '/';
  return path + OptionsFileName;
}

void SaveOptions(const sVdOptions& options, platform::Files& files) {
  files.WriteText(OptionsPath(files), OptionsToText(options));
}

void LoadOptions(sVdOptions& options, platform::Files& files) {
  SetDefaultOptions(options);
  const std::string path = OptionsPath(files);
  if (files.Kind(path) != platform::PathKind::File) SaveOptions(options, files);
  if (const auto text = files.ReadText(path)) OptionsFromText(*text, options);
}

}  // namespace drawlet
