// Stored properties of internal skins in the form-data value layout: a property is its
// name (one length byte, then the bytes) and a value led by a type byte.
#include <bit>
#include <cmath>
#include <cstring>

#include "skin/data/acByteReader.h"
#include "skin/data/sStoredSkin.h"

namespace {

enum ValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaBinary = 10,
  vaLString = 12,
  vaCollection = 14,
  vaUTF8String = 20,
  vaDouble = 21,
};

class PropertyWriter {
 public:
  explicit PropertyWriter(std::vector<uint8_t>& out) : out_(out) {}
  void Name(std::string_view name) {
    out_.push_back(static_cast<uint8_t>(name.size()));
    out_.insert(out_.end(), name.begin(), name.end());
  }
  void Int(std::string_view name, int32_t value, int32_t byDefault) {
    if (value == byDefault) return;
    Name(name);
    out_.push_back(vaInt32);
    AppendU32(out_, static_cast<uint32_t>(value));
  }
  void Text(std::string_view name, std::string_view value) {
    if (!value.empty()) Sized(name, vaUTF8String, AsBytes(value));
  }
  void Binary(std::string_view name, std::span<const uint8_t> value) {
    if (!value.empty()) Sized(name, vaBinary, value);
  }
  void Double(std::string_view name, double value) {
    if (value == 0) return;
    Name(name);
    out_.push_back(vaDouble);
    const auto bits = std::bit_cast<uint64_t>(value);
    AppendU32(out_, static_cast<uint32_t>(bits));
    AppendU32(out_, static_cast<uint32_t>(bits >> 32));
  }

 private:
  void Sized(std::string_view name, ValueType type, std::span<const uint8_t> value) {
    if (value.size() > UINT32_MAX) throw SkinPackageError("a stored property is too large");
    Name(name);
    out_.push_back(type);
    AppendU32(out_, static_cast<uint32_t>(value.size()));
    out_.insert(out_.end(), value.begin(), value.end());
  }
  std::vector<uint8_t>& out_;
};

int32_t ReadInt(ByteReader& in, uint8_t type, const std::string& what) {
  switch (type) {
    case vaInt8: return static_cast<int8_t>(in.U8(what));
    case vaInt16: {
      const auto b = in.Bytes(2, what);
      return static_cast<int16_t>(b[0] | b[1] << 8);
    }
    case vaInt32: return static_cast<int32_t>(in.U32(what));
  }
  throw SkinPackageError(what + " is not an integer");
}

std::string ReadText(ByteReader& in, uint8_t type, const std::string& what) {
  size_t size = 0;
  if (type == vaString)
    size = in.U8(what);
  else if (type == vaLString || type == vaUTF8String)
    size = in.U32(what);
  else
    throw SkinPackageError(what + " is not a string");
  const auto bytes = in.Bytes(size, what);
  return {bytes.begin(), bytes.end()};
}

// 80-bit extended precision: sign and 15-bit exponent, 64-bit mantissa with its integer bit.
double ReadExtended(ByteReader& in, const std::string& what) {
  const uint64_t mantissa = in.U64(what);
  const auto top = in.Bytes(2, what);
  const int signAndExponent = top[0] | top[1] << 8;
  const int exponent = signAndExponent & 0x7FFF;
  const double magnitude =
      exponent == 0 && mantissa == 0 ? 0.0 : std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return (signAndExponent & 0x8000) ? -magnitude : magnitude;
}

double ReadDouble(ByteReader& in, uint8_t type, const std::string& what) {
  if (type == vaDouble) return std::bit_cast<double>(in.U64(what));
  if (type == vaExtended) return ReadExtended(in, what);
  return ReadInt(in, type, what);
}

void ReadProperty(ByteReader& in, const std::string& name, TsStoredSkin& skin) {
  const std::string what = "the property \"" + name + "\"";
  const uint8_t type = in.U8(what);
  if (name == "Name") skin.Name = ReadText(in, type, what);
  else if (name == "Author") skin.Author = ReadText(in, type, what);
  else if (name == "Description") skin.Description = ReadText(in, type, what);
  else if (name == "OriginName") skin.OrigName = ReadText(in, type, what);
  else if (name == "Shadow1Blur") skin.Shadow1Blur = ReadInt(in, type, what);
  else if (name == "Shadow1Offset") skin.Shadow1Offset = ReadInt(in, type, what);
  else if (name == "Shadow1Transparency") skin.Shadow1Transparency = ReadInt(in, type, what);
  else if (name == "BorderColor") skin.BorderColor = static_cast<uint32_t>(ReadInt(in, type, what));
  else if (name == "Shadow1Color") skin.Shadow1Color = static_cast<uint32_t>(ReadInt(in, type, what));
  else if (name == "Version") skin.Version = ReadDouble(in, type, what);
  else if (name == "Data") {
    if (type != vaBinary) throw SkinPackageError(what + " is not binary data");
    const auto bytes = in.Bytes(in.U32(what), what);
    skin.PackedData.assign(bytes.begin(), bytes.end());
  } else {
    throw SkinPackageError("unknown stored skin property \"" + name + "\"");
  }
}

void ReadProperties(ByteReader& in, TsStoredSkin& skin) {
  for (;;) {
    const uint8_t length = in.U8("a property name");
    if (length == vaNull) return;
    const auto name = in.Bytes(length, "a property name");
    ReadProperty(in, std::string(name.begin(), name.end()), skin);
  }
}

}  // namespace

void WriteStoredSkin(const TsStoredSkin& Skin, std::vector<uint8_t>& Out) {
  PropertyWriter w(Out);
  w.Text("Name", Skin.Name);
  w.Text("Author", Skin.Author);
  w.Text("Description", Skin.Description);
  w.Int("Shadow1Blur", Skin.Shadow1Blur, -1);
  w.Int("Shadow1Offset", Skin.Shadow1Offset, 0);
  w.Int("Shadow1Transparency", Skin.Shadow1Transparency, 0);
  w.Int("BorderColor", static_cast<int32_t>(Skin.BorderColor), 0xFF00FF);
  w.Int("Shadow1Color", static_cast<int32_t>(Skin.Shadow1Color), 0);
  w.Double("Version", Skin.Version);
  w.Binary("Data", Skin.PackedData);
  w.Text("OriginName", Skin.OrigName);
  Out.push_back(vaNull);
}

void ReadStoredSkin(std::span<const uint8_t> Data, TsStoredSkin& Skin) {
  ByteReader in(Data);
  ReadProperties(in, Skin);
}

std::vector<uint8_t> WriteStoredSkins(const TsStoredSkins& Skins) {
  std::vector<uint8_t> out{vaCollection};
  for (int i = 0; i < Skins.Count(); ++i) {
    out.push_back(vaList);
    WriteStoredSkin(Skins[i], out);
  }
  out.push_back(vaNull);
  return out;
}

void ReadStoredSkins(std::span<const uint8_t> Data, TsStoredSkins& Skins) {
  ByteReader in(Data);
  if (in.U8("the collection marker") != vaCollection) throw SkinPackageError("the stored skins are no collection");
  std::vector<TsStoredSkin> read;  // added only when the whole collection could be read
  for (;;) {
    const uint8_t next = in.U8("the next stored skin");
    if (next == vaNull) break;
    if (next != vaList) throw SkinPackageError("a stored skin does not start with a property list");
    ReadProperties(in, read.emplace_back());
  }
  for (TsStoredSkin& skin : read) Skins.Add() = std::move(skin);
}
