#include "items/XlsWriter.h"

#include "items/BiffWorkbook.h"
#include "items/XlsFileError.h"
#include "items/XlsGrid.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

biff::SheetRows sheetRows(const StringGrid& grid)
{
    const int cols = std::max(grid.colCount() - 1, 0);
    // One conversion for the whole grid (texts never hold a zero byte, so zeros part
    // them); opening a converter per cell would cost more than writing the file.
    std::string joined;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 1; c <= cols; ++c) {
            joined += grid.cell(c, r);
            joined.push_back('\0');
        }
    const std::u16string all = codepage::toUtf16(joined);
    const bool aligned = std::count(all.begin(), all.end(), u'\0') ==
                         static_cast<std::ptrdiff_t>(grid.rowCount()) * cols;

    biff::SheetRows rows(static_cast<std::size_t>(grid.rowCount()));
    std::size_t pos = 0;
    for (int r = 0; r < grid.rowCount(); ++r) {
        auto& row = rows[static_cast<std::size_t>(r)];
        row.reserve(static_cast<std::size_t>(cols));
        for (int c = 1; c <= cols; ++c) {
            if (aligned) {
                std::size_t end = all.find(u'\0', pos);
                row.emplace_back(all, pos, end - pos);
                pos = end + 1;
            } else {
                row.push_back(codepage::toUtf16(grid.cell(c, r)));
            }
        }
    }
    return rows;
}

bool writeAll(int fd, const std::string& bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

void writeXlsFile(const std::string& path, const StringGrid& grid)
{
    std::string bytes;
    try {
        bytes = biff::workbookBytes(sheetRows(grid));
    } catch (const std::length_error& e) {
        throw XlsFileError(xlsWriteErrorText(path, e.what()));
    }

    namespace fs = std::filesystem;
    fs::path target(path);
    fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::string tempName = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(tempName.data());
    if (fd < 0)
        throw XlsFileError(xlsWriteErrorText(path, std::strerror(errno)));

    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    // mkstemp makes the file private; give it the permissions a new file normally gets.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(tempName.c_str(), path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(tempName.c_str());
        throw XlsFileError(xlsWriteErrorText(path, std::strerror(error)));
    }
}
