#pragma once
// The program argument that asks the engine for its version message when it starts
// (TacSkinEngine::Start).
#include <string>
#include <vector>

// True when an argument is "/acver" in any letter case.
bool AsksForEngineVersion(const std::vector<std::string>& arguments);
