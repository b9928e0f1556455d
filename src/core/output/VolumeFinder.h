#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kadro {

// Finds where a file system with a given volume label is mounted: the label directory holds one
// link per label to its device, and the mount table says where each device is mounted.
class VolumeFinder {
public:
    // The running system's tables: /proc/self/mounts (or /proc/mounts) and /dev/disk/by-label.
    VolumeFinder();
    VolumeFinder(std::string mountTable, std::string labelDirectory)
        : mountTable_(std::move(mountTable)), labelDirectory_(std::move(labelDirectory)) {}

    // The first mount point, in mount-table order, of a device carrying exactly this label.
    std::optional<std::string> mountPointOf(std::string_view label) const;

    // Mount tables write a blank as "\040"; label links write unusual bytes as "\x20".
    static std::string unescapeMountField(std::string_view field);
    static std::string unescapeLabelName(std::string_view name);

private:
    std::optional<std::string> deviceOf(std::string_view label) const;

    std::string mountTable_;
    std::string labelDirectory_;
};

} // namespace kadro
