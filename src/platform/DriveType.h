#pragma once
// What kind of storage a folder lies on. The database may only live on local storage:
// network and optical file systems are refused (locking and durability are not to be
// trusted there, and optical media are read-only).
#include <functional>
#include <string>

namespace drivetype {

enum class Kind { fixed, removable, ramDisk, network, optical, unknown };

// Classifies the file system holding the folder (statfs, and the mount table for FUSE).
Kind classify(const std::string& folder);

// From the statfs magic number and, for FUSE, the mount table's type ("fuse.sshfs").
Kind classifyFileSystem(unsigned long magic, const std::string& mountType);

// Fixed, removable and RAM disks may hold the database; everything else may not.
bool allowsDatabase(Kind kind);

// Tests replace the probe; an empty function restores the real one.
using Probe = std::function<Kind(const std::string& folder)>;
void setProbe(Probe probe);
Kind probe(const std::string& folder);

} // namespace drivetype
