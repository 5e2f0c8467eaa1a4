// The shipped program's file: linked without its symbol table, which is kept beside it in
// a file of its own for reading crash addresses.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

#include "tests/support/BuiltFiles.h"
#include "tests/support/TestFiles.h"

namespace {

struct ImageHeaders {
  IMAGE_FILE_HEADER file;
  DWORD entryPoint;
};

// The COFF file header and the entry point of a PE image; nothing when it is none.
std::optional<ImageHeaders> ReadImageHeaders(const std::string& image) {
  IMAGE_DOS_HEADER dos;
  if (image.size() < sizeof dos) return std::nullopt;
  std::memcpy(&dos, image.data(), sizeof dos);
  const size_t at = static_cast<size_t>(dos.e_lfanew);
  IMAGE_NT_HEADERS64 nt;
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || at + sizeof nt > image.size()) return std::nullopt;
  std::memcpy(&nt, image.data() + at, sizeof nt);
  if (nt.Signature != IMAGE_NT_SIGNATURE) return std::nullopt;
  return ImageHeaders{nt.FileHeader, nt.OptionalHeader.AddressOfEntryPoint};
}

}  // namespace

TEST(ShippedProgram, CarriesNoSymbolTableWhichLiesBesideItInAFileOfItsOwn) {
  const std::optional<ImageHeaders> program = ReadImageHeaders(ReadBytes(ProgramPath()));
  ASSERT_TRUE(program) << "no PE image at " << MARV_PROGRAM_PATH;
  EXPECT_EQ(program->file.PointerToSymbolTable, 0u);
  EXPECT_EQ(program->file.NumberOfSymbols, 0u);

  const std::optional<ImageHeaders> symbols =
      ReadImageHeaders(ReadBytes(BuiltFile(MARV_PROGRAM_SYMBOLS_PATH)));
  ASSERT_TRUE(symbols) << "no symbol file at " << MARV_PROGRAM_SYMBOLS_PATH;
  EXPECT_NE(symbols->file.PointerToSymbolTable, 0u);
  EXPECT_GT(symbols->file.NumberOfSymbols, 1000u);
  EXPECT_EQ(symbols->entryPoint, program->entryPoint) << "the symbols of another build";
}
