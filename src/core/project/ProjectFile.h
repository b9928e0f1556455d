#pragma once

#include "common/UserInterface.h"
#include "project/ProjectModel.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kadro {

// What the ".prg" layout can hold: a one-byte entry count and label length, and record texts
// that the established readers keep in 500-byte buffers with their terminator.
inline constexpr std::size_t maxProjectEntries = 255;
inline constexpr std::size_t maxLabelBytes = 255;
inline constexpr std::size_t maxRecordTextBytes = 499;

inline constexpr const char* prgFileError = "PRG文件错误!";

// Why the root's subtree cannot be stored in a project file, or empty when it can.
std::string checkProjectLimits(const ProjectModel& model);

// The project file image of the root's subtree, in pre-order with true depths. Only for a
// model that passed checkProjectLimits.
std::vector<std::uint8_t> projectFileBytes(const ProjectModel& model);

// Writes the project file atomically. A project beyond the layout's limits is refused before
// anything is written; every failure is shown through ui and gives false.
bool writeProjectFile(const ProjectModel& model, const std::string& path, UserInterface& ui);

// Replaces tree and records by the file's contents and returns the number of entries read.
// 0 is failure (shown through ui): wrong magic, a file that cannot be read, ends early or holds
// no entry. A failure leaves the model exactly as it was. projectPath is not touched.
int readProjectFile(ProjectModel& model, const std::string& path, UserInterface& ui);
int parseProjectFile(ProjectModel& model, std::span<const std::uint8_t> bytes,
                     const std::string& path, UserInterface& ui);

} // namespace kadro
