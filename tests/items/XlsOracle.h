#pragma once
// Reads a workbook back with python3-xlrd, a reader we did not write.
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>
#include <string>
#include <vector>

struct XlrdSheet {
    bool ok = false;
    std::string error;
    std::string sheetName;
    int sheets = 0;
    std::set<int> cellTypes;                       // xlrd: 0 empty, 1 text, 2 number, ...
    std::vector<std::vector<std::string>> rows;    // UTF-8
};

inline XlrdSheet xlrdRead(const std::string& path)
{
    const std::string script =
        "import sys, json, xlrd\n"
        "bk = xlrd.open_workbook(sys.argv[1])\n"
        "sh = bk.sheet_by_index(0)\n"
        "types = sorted({sh.cell_type(r, c) for r in range(sh.nrows) for c in range(sh.ncols)})\n"
        "rows = [[str(v) for v in sh.row_values(r)] for r in range(sh.nrows)]\n"
        "sys.stdout.write(json.dumps({'name': sh.name, 'sheets': bk.nsheets, 'types': types, 'rows': rows}))\n";
    testsupport::TempDir dir;
    testsupport::writeFile(dir.file("read.py"), script);
    auto result = testsupport::runCommand("/usr/bin/python3 " + dir.file("read.py") + " '" + path + "' 2>&1");
    XlrdSheet sheet;
    QJsonParseError parseError;
    QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(result.output), &parseError);
    if (result.exitCode != 0 || !doc.isObject()) {
        sheet.error = result.output.substr(0, 2000);
        return sheet;
    }
    QJsonObject o = doc.object();
    sheet.ok = true;
    sheet.sheetName = o["name"].toString().toStdString();
    sheet.sheets = o["sheets"].toInt();
    for (const auto& t : o["types"].toArray())
        sheet.cellTypes.insert(t.toInt());
    for (const auto& row : o["rows"].toArray()) {
        std::vector<std::string> cells;
        for (const auto& cell : row.toArray())
            cells.push_back(cell.toString().toStdString());
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

// Checks the compound-file structure (header, FAT, DIFAT, directory) with olefile in
// strict mode; empty when sound, else olefile's complaint.
inline std::string olefileDefects(const std::string& path)
{
    auto result = testsupport::runCommand(
        "/usr/bin/python3 -c \"import sys, olefile; o = olefile.OleFileIO(sys.argv[1], "
        "raise_defects=olefile.DEFECT_INCORRECT); print(o.listdir(), o.get_size('Workbook'))\" '" + path + "' 2>&1");
    return result.exitCode == 0 && result.output.find("[['Workbook']]") == 0 ? std::string() : result.output;
}

// The sheet as xlrd shows it: trailing empty cells of a row belong to the used range.
inline std::vector<std::vector<std::string>> paddedRows(std::vector<std::vector<std::string>> rows, std::size_t columns)
{
    for (auto& row : rows)
        row.resize(columns);
    return rows;
}
