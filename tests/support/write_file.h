#pragma once

#include <cstdint>
#include <string>
#include <vector>

void writeFile(const std::string &path, const std::vector<uint8_t> &bytes);
