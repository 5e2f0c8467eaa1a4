#pragma once
// Skins and managers for the skin manager's tests: the program's own Slate as the build
// stores it, and small packed skins made for one question each.
#include <memory>
#include <string>
#include <vector>

#include "skin/data/sSkinManager.h"
#include "tests/support/FixtureSkins.h"
#include "tests/support/RecordingHost.h"

// The stored-skins collection the program embeds (item "Slate (internal)").
std::vector<uint8_t> SlateStoredBytes();
std::vector<uint8_t> SlatePackage();

// A small skin: VERSION 14.01, a 64 x 64 master bitmap, BUTTON with a border (and a 144-PPI
// variant) and a texture, sections that inherit from it, and two PARENTCLASS loops.
FixtureSkin LookupSkin(std::string version = "14.01");
// A skin with just one section of the given name; its version tells skins apart.
FixtureSkin TinySkin(const std::string& section, const std::string& version);

// One stored item of that name holding the package.
void AddInternalSkin(TsSkinManager& manager, const std::string& name, std::vector<uint8_t> package);

// A manager after the program's stored settings were applied and Loaded ran.
std::unique_ptr<TsSkinManager> ProgramManager(RecordingHost& host);
