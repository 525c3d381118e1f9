#pragma once
// What a weather log becomes when it is stored: a double quote, which would end a field in
// the data file, is kept as an apostrophe; everything else stays as typed.

#include <string>

#include "weather/weatherlog.h"

inline weather::WeatherTable asStored(weather::WeatherTable log) {
  for (auto& day : log)
    for (std::string& field : day)
      for (char& c : field)
        if (c == '"') c = '\'';
  return log;
}
