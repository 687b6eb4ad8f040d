#pragma once

#include <functional>
#include <string>

// Shows a text with a caption and returns once the user has dismissed it.
using ShowMessage = std::function<void(const std::string& text, const std::string& caption)>;
