#pragma once

#include <string>
#include <vector>

// The General MIDI soundfonts Debian packages install, in order of preference.
std::vector<std::string> StandardSoundFonts();

// The first candidate that is a readable file, or the empty string; a link
// left dangling by an uninstalled package does not count.
std::string FindSoundFont(const std::vector<std::string> &candidates);
