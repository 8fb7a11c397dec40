#pragma once

#include <nlohmann/json.hpp>

#include <string>

// JSON as the engine hands it to the page: compact, and valid UTF-8 whatever
// the user typed, a broken byte becoming U+FFFD, so that the page's decoder
// never refuses it and the library never traps on it.
inline std::string PageJson(const nlohmann::json &value)
{
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
