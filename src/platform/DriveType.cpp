#include "platform/DriveType.h"

#include <fstream>
#include <sstream>
#include <sys/vfs.h>

namespace drivetype {

namespace {

Probe& currentProbe()
{
    static Probe p;
    return p;
}

constexpr unsigned long kFuse = 0x65735546;

// The mount table writes space, tab, newline and backslash as octal escapes.
std::string unescapeMountField(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char* d = field.data() + i + 1;
            if (d[0] >= '0' && d[0] <= '3' && d[1] >= '0' && d[1] <= '7' && d[2] >= '0' && d[2] <= '7') {
                out += static_cast<char>((d[0] - '0') * 64 + (d[1] - '0') * 8 + (d[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// The type of the mount that holds the folder, from /proc/self/mountinfo (longest prefix).
std::string mountTypeOf(const std::string& folder)
{
    std::ifstream in("/proc/self/mountinfo");
    std::string line, best, bestType;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string id, parent, dev, root, mountPoint, word;
        fields >> id >> parent >> dev >> root >> mountPoint;
        mountPoint = unescapeMountField(mountPoint);
        while (fields >> word && word != "-") {
        }
        std::string type;
        fields >> type;
        bool under = folder == mountPoint || mountPoint == "/"
                     || (folder.compare(0, mountPoint.size(), mountPoint) == 0 && folder.size() > mountPoint.size()
                         && folder[mountPoint.size()] == '/');
        if (under && mountPoint.size() >= best.size()) {
            best = mountPoint;
            bestType = type;
        }
    }
    return bestType;
}

} // namespace

Kind classifyFileSystem(unsigned long magic, const std::string& mountType)
{
    switch (magic) {
    case 0x6969:        // NFS
    case 0xFF534D42:    // CIFS
    case 0xFE534D42:    // SMB2
    case 0x517B:        // SMB
    case 0x5346414F:    // AFS
    case 0x6B414653:    // kAFS
    case 0x73757245:    // Coda
    case 0x564C:        // NCP
    case 0x01021997:    // 9P
    case 0x00C36400:    // Ceph
    case 0x0BD00BD0:    // Lustre
    case 0x47504653:    // GPFS
    case 0x7461636F:    // OCFS2
    case 0x01161970:    // GFS2
        return Kind::network;
    case 0x9660:        // ISO 9660
    case 0x15013346:    // UDF
        return Kind::optical;
    case 0x01021994:    // tmpfs
    case 0x858458F6:    // ramfs
        return Kind::ramDisk;
    case kFuse: {
        // FUSE carries both local and remote file systems; the remote ones we know by name.
        static const char* const remote[] = {"sshfs", "rclone", "s3fs", "gcsfuse", "davfs", "curlftpfs",
                                             "glusterfs", "gvfsd-fuse", "smbnetfs", "cephfs", "moosefs",
                                             "goofys", "blobfuse", "juicefs"};
        std::string sub = mountType.rfind("fuse.", 0) == 0 ? mountType.substr(5) : mountType;
        for (const char* r : remote)
            if (sub == r)
                return Kind::network;
        return Kind::fixed;
    }
    default:
        return Kind::fixed;
    }
}

bool allowsDatabase(Kind kind)
{
    return kind == Kind::fixed || kind == Kind::removable || kind == Kind::ramDisk;
}

Kind classify(const std::string& folder)
{
    struct statfs fs {};
    if (::statfs(folder.c_str(), &fs) != 0)
        return Kind::unknown;
    unsigned long magic = static_cast<unsigned long>(fs.f_type) & 0xFFFFFFFFul;
    return classifyFileSystem(magic, magic == kFuse ? mountTypeOf(folder) : std::string());
}

void setProbe(Probe probe)
{
    currentProbe() = std::move(probe);
}

Kind probe(const std::string& folder)
{
    return currentProbe() ? currentProbe()(folder) : classify(folder);
}

} // namespace drivetype
