// Unpacking a three-entry package against inflating the same zlib streams directly:
// what the package reader adds on top of zlib.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"

namespace {

struct Entry {
  std::string name;
  std::vector<uint8_t> data;
  std::vector<uint8_t> stream;
};

// A 288 × 128 24-bit bitmap with gradients and flat areas, like a skin's button sheet.
std::vector<uint8_t> Bitmap() {
  std::vector<uint8_t> bmp(54 + 288 * 3 * 128);
  bmp[0] = 'B';
  bmp[1] = 'M';
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 288; ++x) {
      uint8_t* p = &bmp[54 + (y * 288 + x) * 3];
      const bool border = x % 72 < 2 || y % 32 < 2;
      p[0] = border ? 0x40 : static_cast<uint8_t>(200 + y % 32);
      p[1] = border ? 0x40 : static_cast<uint8_t>(180 + (x % 72) / 4);
      p[2] = border ? 0x40 : 0xF0;
    }
  return bmp;
}

// Already-compressed picture data (a PNG) hardly compresses again.
std::vector<uint8_t> Noise(size_t size) {
  std::vector<uint8_t> out(size);
  uint32_t seed = 12345;
  for (auto& b : out) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 23);
  return out;
}

std::vector<uint8_t> OptionsText() {
  std::string text;
  for (int section = 0; text.size() < 14959; ++section)
    text += "[SECTION" + std::to_string(section) + "]\nCOLOR=" + std::to_string(section * 7919 % 16777216) +
            "\nFONTCOLOR=0\nTRANSPARENCY=0\nGRADIENTDATA=15066597;12632256;97;0;0;12632256;12632256;0;0;0\n"
            "IMAGEPERCENT=0\nGRADIENTPERCENT=0\n";
  text.resize(14959);
  return {text.begin(), text.end()};
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<uint8_t> out(size);
  compress(out.data(), &size, data.data(), static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

struct Fixture {
  std::vector<Entry> entries;
  std::vector<uint8_t> package;
  size_t unpackedBytes = 0;

  Fixture() {
    entries = {{"OPTIONS.DAT", OptionsText(), {}}, {"BUTTONHUGE.BMP", Bitmap(), {}},
               {"MASTER COPY.PNG", Noise(46819), {}}};
    package = {'A', 'S', 'z', 'f'};
    PutU32(package, static_cast<uint32_t>(entries.size()));
    for (Entry& e : entries) {
      e.stream = Compress(e.data);
      PutU32(package, static_cast<uint32_t>(e.name.size()));
      package.insert(package.end(), e.name.begin(), e.name.end());
      PutU32(package, static_cast<uint32_t>(e.data.size()));
      package.insert(package.end(), e.stream.begin(), e.stream.end());
      unpackedBytes += e.data.size();
    }
  }
};

const Fixture& TheFixture() {
  static const Fixture fixture;
  return fixture;
}

void BM_UnpackSkin(benchmark::State& state) {
  const Fixture& f = TheFixture();
  RecordingErrorSink errors;
  for (auto _ : state) {
    TacSkinConvertor convertor;
    if (!UnpackSkin(f.package, convertor, errors)) state.SkipWithError("not unpacked");
    benchmark::DoNotOptimize(convertor.Files.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.unpackedBytes));
}

// The baseline: the same three streams, each inflated into its own new buffer.
void BM_PlainInflate(benchmark::State& state) {
  const Fixture& f = TheFixture();
  z_stream z{};
  inflateInit(&z);
  for (auto _ : state) {
    std::vector<std::vector<uint8_t>> outputs;
    for (const Entry& e : f.entries) {
      inflateReset(&z);
      std::vector<uint8_t>& out = outputs.emplace_back(e.data.size());
      z.next_in = const_cast<Bytef*>(e.stream.data());
      z.avail_in = static_cast<uInt>(e.stream.size());
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      if (inflate(&z, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
    }
    benchmark::DoNotOptimize(outputs.data());
  }
  inflateEnd(&z);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.unpackedBytes));
}

BENCHMARK(BM_PlainInflate);
BENCHMARK(BM_UnpackSkin);

}  // namespace

BENCHMARK_MAIN();
