#include "items/CsvReader.h"

#include "items/XlsFileError.h"
#include "items/XlsGrid.h"
#include "platform/CodePage.h"
#include "platform/StringGrid.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

CsvRows parseCsv(std::string_view s)
{
    CsvRows rows;
    std::vector<std::string> row;
    std::string field;
    std::size_t i = 0;
    const std::size_t n = s.size();
    bool lineHasContent = false; // distinguishes "a blank line" from "end of text"

    auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
    };
    auto endRow = [&] {
        endField();
        rows.push_back(std::move(row));
        row.clear();
        lineHasContent = false;
    };

    while (i < n) {
        char c = s[i];
        if (c == '"' && field.empty()) {
            // Quoted field: up to the closing quote, "" stands for one quote.
            ++i;
            for (;;) {
                if (i >= n)
                    break;                         // unclosed at the end: keep what is there
                if (s[i] == '"') {
                    if (i + 1 < n && s[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field.push_back(s[i++]);
            }
            lineHasContent = true;
            continue;                              // text after the closing quote is kept below
        }
        if (c == ',') {
            endField();
            lineHasContent = true;
            ++i;
        } else if (c == '\r' || c == '\n') {
            endRow();
            i += (c == '\r' && i + 1 < n && s[i + 1] == '\n') ? 2 : 1;
        } else {
            field.push_back(c);
            lineHasContent = true;
            ++i;
        }
    }
    if (lineHasContent || !row.empty())
        endRow();
    return rows;
}

void readCsvFile(const std::string& path, StringGrid& grid)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        throw XlsFileError(xlsReadErrorText(path, "檔案不存在"));
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw XlsFileError(xlsReadErrorText(path, std::strerror(errno)));
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        throw XlsFileError(xlsReadErrorText(path, std::strerror(errno)));
    std::string bytes = buffer.str();

    static constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
    if (std::string_view(bytes).substr(0, 3) == kUtf8Bom)
        bytes = codepage::fromUtf8(std::string_view(bytes).substr(3));

    putRowsInGrid(parseCsv(bytes), grid);
}
