// Shows the program's three windows with their border windows and saves the screen as a
// PNG (the path is the first argument), for looking at the frames and shadows.
#include <windows.h>

#include <cstdio>
#include <string>

#include "framework/DibBitmap.h"
#include "tests/border_window_win/SkinnedProgram.h"
#include "tests/support/ImageWriters.h"

namespace {

PixelImage GrabScreen() {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  marv::DibBitmap dib(w, h);
  HDC screen = GetDC(nullptr);
  BitBlt(dib.Dc(), 0, 0, w, h, screen, 0, 0, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
  PixelImage out(w, h);
  const PixelBuffer in = dib.Pixels();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.at(x, y) = in.at(x, y) | 0xFF000000u;
  return out;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  SkinnedProgram program;
  TsSkinProvider& main = program.ShowSkinned(program.Main(), 40, 40);
  RECT r{};
  GetWindowRect(main.Form().Handle(), &r);
  program.ShowSkinned(program.About(), r.right + 60, 60);
  program.ShowSkinned(program.Notice(), 120, r.bottom + 60);
  uitest::PumpFor(500);
  // What was shown where, beside the picture.
  FILE* notes = _wfopen((std::wstring(argv[1]) + L".txt").c_str(), L"w");
  if (notes) {
    for (marv::Form* f : {static_cast<marv::Form*>(&program.Main()), static_cast<marv::Form*>(&program.About()),
                          static_cast<marv::Form*>(&program.Notice())}) {
      RECT w{};
      GetWindowRect(f->Handle(), &w);
      const std::vector<HWND> borders = BorderWindowsOf(f->Handle());
      RECT b{};
      if (!borders.empty()) GetWindowRect(borders[0], &b);
      fprintf(notes, "form %ld,%ld-%ld,%ld visible %d borders %zu at %ld,%ld-%ld,%ld\n", w.left, w.top, w.right,
              w.bottom, IsWindowVisible(f->Handle()), borders.size(), b.left, b.top, b.right, b.bottom);
    }
    fclose(notes);
  }
  const std::vector<uint8_t> png = EncodePng(GrabScreen(), PngKind::Rgb);
  FILE* file = _wfopen(argv[1], L"wb");
  if (!file) return 1;
  fwrite(png.data(), 1, png.size(), file);
  fclose(file);
  return 0;
}
