#pragma once

#include <string>
#include <string_view>

// Where the files that ship with the program lie. A program in a build folder (or copied with
// its files) has them beside itself; an installed one, in PREFIX/bin, finds the format modules
// and the ROM template in PREFIX/lib/kadro and the colour tables in PREFIX/share/kadro.
namespace kadro::programfiles {

enum class Room {
    Library, // format modules and the ROM template: built for one machine
    Data,    // colour tables: the same everywhere
};

// The install folder of a room, relative to the program's folder.
std::string_view installFolder(Room room);

// The folder that holds the named file for a program in programDirectory: beside the program
// when it is there, otherwise the install folder of its room when it is there, otherwise beside
// the program, where the messages about a missing file place it.
std::string folderOf(const std::string& programDirectory, std::string_view name, Room room);
// That folder joined with the name.
std::string locate(const std::string& programDirectory, std::string_view name, Room room);

// Where the program keeps files it writes for itself (the test ROM image "Rom.b01"): beside
// the program, or for an installed program, whose folder belongs to the system, the user's
// data folder ($XDG_DATA_HOME/kadro, by default ~/.local/share/kadro), made when missing.
std::string ownOutputFolder(const std::string& programDirectory);

} // namespace kadro::programfiles
