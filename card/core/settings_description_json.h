// The settings description as JSON, for what reads it outside the program: the browser page (through its seam)
// and the skin generator, which runs without a build and reads a committed copy that a test holds equal to this.
#pragma once

#include <string>
#include <string_view>

namespace card {

// A JSON string of ASCII or UTF-8 text: quotes and backslashes escaped, control characters left out (the
// description has none; texts for a terminal have their own escaping).
void AppendJsonString(std::string& json, std::string_view text);

// Every row of the description in its order, one row and one value to a line:
//   [{"row": 0, "key": "Resolution", "place": "main", "title": ..., "subtitle": ..., "values": [
//     {"value": 0, "name": "1080p", "caption": "1080p Full HD", "detail": "1920 × 1080"}, ...]}, ...]
// "place" is "main", "advanced", "slider", "picker" or "nowhere".
std::string SettingsDescriptionJson();

}  // namespace card
