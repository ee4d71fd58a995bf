#pragma once

#include <string>
#include <vector>

// EDID codes that the maker's pen displays report as their monitor identifier.
const std::vector<std::string> &penDisplayCodes();
