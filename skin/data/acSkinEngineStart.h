#pragma once
// What happens once per program when the skin engine starts: the four default skin data
// objects (96, 120, 144 and 192 pixels per inch, no owner) that answer metric questions
// while no skin is active, and the version message for the argument "/acver".
#include <string>
#include <vector>

class IacManagerHost;
class TacSkinData;

// The default data object of a scale slot 0..3.
TacSkinData& DefaultSkinData(int slot);

// True when an argument is "/acver" in any letter case.
bool AsksForEngineVersion(const std::vector<std::string>& arguments);

// Runs the engine's start once per program; later calls do nothing.
void StartSkinEngine(IacManagerHost& host);
