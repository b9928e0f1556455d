#pragma once

#include <string>
#include <string_view>

// Path pieces as the program's file names are made: names are split at "\" and at "/", so
// paths written on Windows keep working here.
namespace kadro::paths {

// The extension is the text after the last "." of the file name: a "." in a folder's name is not
// one, so "shots.v2/logo" has none.
//
// The path without its file name's extension (and that "."); the whole path when it has none.
std::string stem(std::string_view path);
// The file name's extension; empty when it has none.
std::string extension(std::string_view path);
std::string lowerExtension(std::string_view path);
// Everything up to, not including, the last separator; empty when there is none.
std::string directory(std::string_view path);
// File name after the last separator.
std::string fileName(std::string_view path);
// File name without directory and without its extension.
std::string baseName(std::string_view path);
// A path from the root or a drive ("/a", "\\a", "C:\\a", "C:/a").
bool isAbsolute(std::string_view path);
// A path named relative to a folder: as it is when it is absolute or the folder is empty.
std::string resolve(std::string_view dir, std::string_view path);
std::string toUpper(std::string_view s);
std::string toLower(std::string_view s);
// dir + "/" + name, or name alone when dir is empty.
std::string join(std::string_view dir, std::string_view name);

} // namespace kadro::paths
