// Every install script in the built program, compared with the bytes made here from the
// five heads, the selectors and the common tail.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/BuiltFiles.h"

namespace {

struct ModuleFreer {
  void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
using UniqueModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

enum class Head { A, B, C, D, E };

struct Script {
  const wchar_t* lookupName;  // as a caller might spell it; the resource name is upper case
  Head head;
  const char* selector;
  bool crlf;
};

const Script kScripts[] = {
    {L"3dbuilder", Head::A, "Microsoft.3DBuilder", false},
    {L"bingfinance", Head::A, "Microsoft.BingFinance", true},
    {L"bingnews", Head::A, "Microsoft.BingNews", true},
    {L"BingSports", Head::A, "Microsoft.BingSports", false},
    {L"bingweather", Head::A, "Microsoft.BingWeather", true},
    {L"FeedbackHub", Head::A, "Microsoft.WindowsFeedbackHub", true},
    {L"gethelp", Head::A, "Microsoft.GetHelp", false},
    {L"getstarted", Head::A, "Microsoft.Getstarted", true},
    {L"InstallAllApp", Head::E, "", false},
    {L"Messaging", Head::A, "Microsoft.Messaging", true},
    {L"Microsoft3DViewer", Head::A, "Microsoft.Microsoft3DViewer", true},
    {L"MicrosoftStickyNotes", Head::A, "Microsoft.MicrosoftStickyNotes", true},
    {L"MixedReality", Head::B, "*MixedReality*", true},
    {L"MSPaint", Head::A, "Microsoft.MSPaint", true},
    {L"officehub", Head::C, "*officehub*", false},
    {L"OneConnect", Head::A, "Microsoft.OneConnect", true},
    {L"onenote", Head::A, "Microsoft.Office.OneNote", true},
    {L"people", Head::A, "Microsoft.People", true},
    {L"photos", Head::A, "Microsoft.Windows.Photos", true},
    {L"Print3D", Head::A, "Microsoft.Print3D", true},
    {L"ScreenSketch", Head::B, "*ScreenSketch*", true},
    {L"SkypeApp", Head::A, "Microsoft.SkypeApp", true},
    {L"solitairecollection", Head::C, "*solitairecollection*", false},
    {L"soundrecorder", Head::C, "*soundrecorder*", false},
    {L"Wallet", Head::A, "Microsoft.Wallet", true},
    {L"windowsalarms", Head::A, "Microsoft.WindowsAlarms", true},
    {L"windowscalculator", Head::C, "*windowscalculator*", false},
    {L"windowscamera", Head::A, "Microsoft.WindowsCamera", true},
    {L"windowscommunicationsapps", Head::A, "Microsoft.windowscommunicationsapps", true},
    {L"windowsmaps", Head::A, "Microsoft.WindowsMaps", true},
    {L"windowsstore", Head::D, "*WindowsStore*", true},
    {L"xboxapp", Head::C, "*xboxapp*", false},
    {L"YourPhone", Head::B, "*YourPhone*", true},
    {L"zunemusic", Head::A, "Microsoft.ZuneMusic", true},
    {L"ZUNEVIDEO", Head::A, "Microsoft.ZuneVideo", false},
};

std::string Expected(const Script& s) {
  const std::string selector = s.selector;
  std::string text;
  switch (s.head) {
    case Head::A: text = "Get-AppxPackage -AllUsers \"" + selector + "\" | ForEach"; break;
    case Head::B: text = "Get-AppxPackage -AllUsers " + selector + " | ForEach"; break;
    case Head::C: text = "Get-AppXPackage " + selector + " -AllUsers | Foreach"; break;
    case Head::D: text = "Get-AppXPackage -AllUsers " + selector + " | Foreach"; break;
    case Head::E: text = "Get-AppxPackage -AllUsers| Foreach"; break;
  }
  text += " {Add-AppxPackage -DisableDevelopmentMode -Register "
          "\"$($_.InstallLocation)\\AppXManifest.xml\"}";
  return s.crlf ? text + "\r\n" : text;
}

std::string ResourceBytes(HMODULE module, HRSRC found) {
  HGLOBAL loaded = LoadResource(module, found);
  return {static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found)};
}

}  // namespace

TEST(InstallScripts, ProgramCarriesAll35ByteForByteInUsEnglish) {
  UniqueModule program(LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(program) << "cannot load " << MARV_PROGRAM_PATH;
  ASSERT_EQ(std::size(kScripts), 35u);
  for (const Script& script : kScripts) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(script.lookupName)));
    HRSRC found = FindResourceW(program.get(), script.lookupName, L"ps1File");
    ASSERT_TRUE(found);
    EXPECT_EQ(ResourceBytes(program.get(), found), Expected(script));
    EXPECT_TRUE(FindResourceExW(program.get(), L"PS1FILE", script.lookupName,
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)));
  }
}
