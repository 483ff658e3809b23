#include "sound/soundfont_search.h"

#include <filesystem>
#include <unistd.h>

std::vector<std::string> StandardSoundFonts()
{
    return {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
            "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

std::string FindSoundFont(const std::vector<std::string> &candidates)
{
    for (const std::string &candidate : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error) && access(candidate.c_str(), R_OK) == 0)
            return candidate;
    }
    return {};
}
