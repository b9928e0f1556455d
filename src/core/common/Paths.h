#pragma once

#include <string>
#include <string_view>

// Path pieces as the program's file names are made: names are split at "\" and at "/", so
// paths written on Windows keep working here.
namespace kadro::paths {

// Text before the last "."; empty when there is none.
std::string stem(std::string_view path);
// Text after the last "."; empty when there is none.
std::string extension(std::string_view path);
std::string lowerExtension(std::string_view path);
// Everything up to, not including, the last separator; empty when there is none.
std::string directory(std::string_view path);
// File name after the last separator.
std::string fileName(std::string_view path);
// File name without directory and without the text from its last "." on.
std::string baseName(std::string_view path);
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);
// dir + "/" + name, or name alone when dir is empty.
std::string join(std::string_view dir, std::string_view name);

} // namespace kadro::paths
