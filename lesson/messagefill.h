#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

// One named value of a message: "{name}" in the message becomes the text.
using MessageValue = std::pair<std::string_view, std::string>;

// The message with each {name} replaced by its value. A brace that names
// no value stays as it is, so a translator's slip shows instead of vanishing.
std::string FillMessage(std::string_view message, std::initializer_list<MessageValue> values);
