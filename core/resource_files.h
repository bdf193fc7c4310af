#pragma once
// Resource clips written to temporary files, so that an animation control can play them.
#include <string>

namespace corvana {

// Writes the program's resource id of type "AVI" to file_name, byte for byte. False when the
// resource is missing (or shorter than two bytes) or the file cannot be opened or written.
bool SaveAviResourceToFile(const std::string& file_name, int res_id);

// A name in the temporary folder that no file bears; the file itself does not exist.
// "" on failure.
std::string MakeTempFileName();

// The temporary folder, always with a trailing "\"; "" on failure.
std::string GetTempDirectory();

}  // namespace corvana
