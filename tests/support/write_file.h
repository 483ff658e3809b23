#pragma once

#include <cstdint>
#include <string>
#include <vector>

void WriteFile(const std::string &path, const std::vector<uint8_t> &bytes);
