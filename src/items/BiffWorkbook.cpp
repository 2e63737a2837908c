#include "items/BiffWorkbook.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace biff {

namespace {

constexpr std::size_t kMaxRecordData = 8224;
constexpr std::uint16_t kTextCellXf = 16;

void put8(std::string& out, unsigned v) { out.push_back(static_cast<char>(v & 0xFF)); }
void put16(std::string& out, unsigned v)
{
    put8(out, v);
    put8(out, v >> 8);
}
void put32(std::string& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}
void patch16(std::string& out, std::size_t at, unsigned v)
{
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
void patch32(std::string& out, std::size_t at, std::uint32_t v)
{
    patch16(out, at, v & 0xFFFF);
    patch16(out, at + 2, v >> 16);
}

// Records are built in place: header first, length patched when the record ends.
class RecordWriter {
public:
    explicit RecordWriter(std::string& out) : out_(out) {}
    void begin(std::uint16_t id)
    {
        start_ = out_.size();
        put16(out_, id);
        put16(out_, 0);
    }
    void end() { patch16(out_, start_ + 2, static_cast<unsigned>(out_.size() - start_ - 4)); }
    std::size_t room() const { return kMaxRecordData - (out_.size() - start_ - 4); }
    std::size_t offsetInRecord() const { return out_.size() - start_; }
    void simple(std::uint16_t id, const std::string& data)
    {
        begin(id);
        out_ += data;
        end();
    }
    std::string& out() { return out_; }

private:
    std::string& out_;
    std::size_t start_ = 0;
};

bool fitsLatin1(const std::u16string& s)
{
    return std::all_of(s.begin(), s.end(), [](char16_t c) { return c <= 0xFF; });
}

void putChars(std::string& out, const std::u16string& s, std::size_t from, std::size_t count, bool wide)
{
    for (std::size_t i = from; i < from + count; ++i) {
        if (wide)
            put16(out, s[i]);
        else
            put8(out, s[i]);
    }
}

std::string shortString(const std::u16string& s)
{
    std::string out;
    bool wide = !fitsLatin1(s);
    put8(out, static_cast<unsigned>(s.size()));
    put8(out, wide ? 1 : 0);
    putChars(out, s, 0, s.size(), wide);
    return out;
}

std::string bof(unsigned substreamType)
{
    std::string d;
    put16(d, 0x0600);
    put16(d, substreamType);
    put16(d, 0x0DBB);
    put16(d, 0x07CC);
    put32(d, 0x00000001);
    put32(d, 0x00000006);
    return d;
}

std::string font(bool bold, bool italic)
{
    std::string d;
    put16(d, 200);                                   // 10 pt
    put16(d, (bold ? 0x01 : 0) | (italic ? 0x02 : 0));
    put16(d, 0x7FFF);                                // automatic colour
    put16(d, bold ? 700 : 400);
    put16(d, 0);
    put8(d, 0);
    put8(d, 0);
    put8(d, 0);
    put8(d, 0);
    return d + shortString(u"Arial");
}

std::string xf(unsigned numberFormat, unsigned protectionAndParent, unsigned usedAttributes)
{
    std::string d;
    put16(d, 0);                 // font 0
    put16(d, numberFormat);
    put16(d, protectionAndParent);
    put8(d, 0x20);               // general, bottom aligned
    put8(d, 0);
    put8(d, 0);
    put8(d, usedAttributes);
    put32(d, 0);
    put32(d, 0);
    put16(d, 0x20C0);            // system default pattern colours
    return d;
}

struct Cell {
    std::uint16_t row, col;
    std::uint32_t sst;
};

// Distinct texts in first-use order and the cells that refer to them.
struct StringTable {
    std::vector<const std::u16string*> strings;
    std::vector<Cell> cells;
    std::uint32_t usedRows = 0, usedCols = 0;
};

StringTable collect(const SheetRows& rows)
{
    StringTable t;
    // Keys view the caller's texts, which outlive the table.
    std::unordered_map<std::u16string_view, std::uint32_t> index;
    index.reserve(rows.size() * 4);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const std::u16string& text = rows[r][c];
            if (text.empty())
                continue;
            auto [it, added] = index.try_emplace(std::u16string_view(text), static_cast<std::uint32_t>(t.strings.size()));
            if (added)
                t.strings.push_back(&text);
            t.cells.push_back({static_cast<std::uint16_t>(r), static_cast<std::uint16_t>(c), it->second});
            t.usedRows = static_cast<std::uint32_t>(r + 1);
            t.usedCols = std::max<std::uint32_t>(t.usedCols, static_cast<std::uint32_t>(c + 1));
        }
    }
    return t;
}

// SST with its CONTINUE records, then EXTSST. Offsets in EXTSST are absolute in the
// stream, so this is written straight into the globals after everything before it.
void writeSharedStrings(RecordWriter& w, const StringTable& t)
{
    std::string& out = w.out();
    const std::uint32_t unique = static_cast<std::uint32_t>(t.strings.size());
    const std::uint32_t perBucket = std::max<std::uint32_t>(unique / 128 + 1, 8);
    struct Bucket { std::uint32_t streamOffset; std::uint16_t recordOffset; };
    std::vector<Bucket> buckets;

    w.begin(0x00FC);
    put32(out, static_cast<std::uint32_t>(t.cells.size()));
    put32(out, unique);
    for (std::uint32_t i = 0; i < unique; ++i) {
        const std::u16string& s = *t.strings[i];
        const bool wide = !fitsLatin1(s);
        const std::size_t unit = wide ? 2 : 1;
        const std::size_t bytes = 3 + s.size() * unit;
        // The header and a character or two stay together. A text that would also spill
        // past the next record starts on a fresh one: libfreexl cannot read a text split
        // twice, and this keeps texts up to about 16 KB in two pieces at most.
        if (w.room() < 3 + 2 * unit || (bytes > w.room() + kMaxRecordData - 2 && w.room() < kMaxRecordData)) {
            w.end();
            w.begin(0x003C);
        }
        if (i % perBucket == 0)
            buckets.push_back({static_cast<std::uint32_t>(out.size()), static_cast<std::uint16_t>(w.offsetInRecord())});
        put16(out, static_cast<unsigned>(s.size()));
        put8(out, wide ? 1 : 0);
        std::size_t pos = 0;
        for (;;) {
            std::size_t n = std::min(w.room() / unit, s.size() - pos);
            // never part a surrogate pair
            if (n > 0 && pos + n < s.size() && s[pos + n - 1] >= 0xD800 && s[pos + n - 1] <= 0xDBFF)
                --n;
            putChars(out, s, pos, n, wide);
            pos += n;
            if (pos == s.size())
                break;
            w.end();
            w.begin(0x003C);
            put8(out, wide ? 1 : 0); // each piece repeats the option flags
        }
    }
    w.end();

    std::string ext;
    put16(ext, perBucket);
    for (const Bucket& b : buckets) {
        put32(ext, b.streamOffset);
        put16(ext, b.recordOffset);
        put16(ext, 0);
    }
    w.simple(0x00FF, ext);
}

std::string worksheet(const StringTable& t)
{
    std::string out;
    RecordWriter w(out);
    w.simple(0x0809, bof(0x0010));
    std::string d;
    put16(d, 0x04C1);
    w.simple(0x0081, d);
    d.clear();
    put32(d, 0);
    put32(d, t.usedRows);
    put16(d, 0);
    put16(d, t.usedCols);
    put16(d, 0);
    w.simple(0x0200, d);
    for (const Cell& c : t.cells) {
        // LABELSST is 10 bytes of data; building it inline keeps 500,000 cells fast.
        put16(out, 0x00FD);
        put16(out, 10);
        put16(out, c.row);
        put16(out, c.col);
        put16(out, kTextCellXf);
        put32(out, c.sst);
    }
    d.clear();
    put16(d, 0x06B6);   // grid lines, headers, zeros, selected and shown
    put16(d, 0);
    put16(d, 0);
    put16(d, 0x0040);
    put16(d, 0);
    put16(d, 0);
    put16(d, 0);
    put32(d, 0);
    w.simple(0x023E, d);
    w.simple(0x000A, {});
    return out;
}

std::string workbookStream(const StringTable& t, const std::u16string& sheetName)
{
    std::string out;
    RecordWriter w(out);
    w.simple(0x0809, bof(0x0005));
    std::string d;
    put16(d, 1200);      // UTF-16
    w.simple(0x0042, d);
    d.clear();
    for (unsigned v : {0u, 0u, 0x4000u, 0x2000u, 0x0038u, 0u, 0u, 1u, 600u})
        put16(d, v);
    w.simple(0x003D, d);
    w.simple(0x0031, font(false, false));
    w.simple(0x0031, font(true, false));
    w.simple(0x0031, font(false, true));
    w.simple(0x0031, font(true, true));
    for (int i = 0; i < 15; ++i)
        w.simple(0x00E0, xf(0, 0xFFF5, i == 0 ? 0x00 : 0xF4));
    w.simple(0x00E0, xf(0, 0x0001, 0x00));
    w.simple(0x00E0, xf(49, 0x0001, 0x04)); // "@": Excel keeps re-typed cells as text
    d.clear();
    put16(d, 0x8000);
    put8(d, 0x00);
    put8(d, 0xFF);
    w.simple(0x0293, d);

    const std::size_t sheetPosField = out.size() + 4;
    d.clear();
    put32(d, 0);
    put8(d, 0);
    put8(d, 0);
    w.simple(0x0085, d + shortString(sheetName));

    writeSharedStrings(w, t);
    w.simple(0x000A, {});

    patch32(out, sheetPosField, static_cast<std::uint32_t>(out.size()));
    out += worksheet(t);
    // Streams below the 4,096-byte cutoff would belong in the mini stream; padding
    // after the last EOF keeps them in ordinary sectors, where every reader finds them.
    if (out.size() < 4096)
        out.resize(4096, '\0');
    return out;
}

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFreeSect = 0xFFFFFFFF;
constexpr std::uint32_t kFatSect = 0xFFFFFFFD;
constexpr std::uint32_t kDifSect = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::size_t kSector = 512;
constexpr std::uint32_t kHeaderDifat = 109;

std::string directoryEntry(const std::u16string& name, unsigned type, std::uint32_t child,
                           std::uint32_t start, std::uint32_t size)
{
    std::string e;
    for (char16_t c : name)
        put16(e, c);
    e.resize(64, '\0');
    put16(e, name.empty() ? 0 : static_cast<unsigned>((name.size() + 1) * 2));
    put8(e, type);
    put8(e, type == 0 ? 0 : 1);     // black
    put32(e, kNoStream);
    put32(e, kNoStream);
    put32(e, child);
    e.resize(0x74, '\0');           // CLSID, state bits, times
    put32(e, start);
    put32(e, size);
    put32(e, 0);
    return e;
}

// Compound file (version 3, 512-byte sectors) holding the one stream "Workbook":
// stream sectors, then the directory sector, the FAT sectors and any DIFAT sectors.
std::string compoundFile(const std::string& stream)
{
    const std::uint32_t nData = static_cast<std::uint32_t>((stream.size() + kSector - 1) / kSector);
    std::uint32_t nFat = 0, nDifat = 0;
    for (;;) {
        std::uint32_t total = nData + 1 + nFat + nDifat;
        std::uint32_t fat = (total + 127) / 128;
        std::uint32_t difat = fat <= kHeaderDifat ? 0 : (fat - kHeaderDifat + 126) / 127;
        if (fat == nFat && difat == nDifat)
            break;
        nFat = fat;
        nDifat = difat;
    }
    const std::uint32_t dirSector = nData;
    const std::uint32_t firstFat = nData + 1;
    const std::uint32_t firstDifat = firstFat + nFat;
    const std::uint32_t total = firstDifat + nDifat;

    std::string file;
    file.reserve((static_cast<std::size_t>(total) + 1) * kSector);
    file += std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    file.append(16, '\0');
    put16(file, 0x003E);
    put16(file, 0x0003);
    put16(file, 0xFFFE);
    put16(file, 9);
    put16(file, 6);
    file.append(6, '\0');
    put32(file, 0);
    put32(file, nFat);
    put32(file, dirSector);
    put32(file, 0);
    put32(file, 4096);
    put32(file, kEndOfChain);
    put32(file, 0);
    put32(file, nDifat ? firstDifat : kEndOfChain);
    put32(file, nDifat);
    for (std::uint32_t i = 0; i < kHeaderDifat; ++i)
        put32(file, i < nFat ? firstFat + i : kFreeSect);

    file += stream;
    file.resize((static_cast<std::size_t>(nData) + 1) * kSector, '\0');

    file += directoryEntry(u"Root Entry", 5, 1, kEndOfChain, 0);
    file += directoryEntry(u"Workbook", 2, kNoStream, 0, static_cast<std::uint32_t>(stream.size()));
    file += directoryEntry(u"", 0, kNoStream, 0, 0);
    file += directoryEntry(u"", 0, kNoStream, 0, 0);

    for (std::uint32_t k = 0; k < nFat * 128; ++k) {
        std::uint32_t entry = kFreeSect;
        if (k + 1 < nData)
            entry = k + 1;
        else if (k + 1 == nData || k == dirSector)
            entry = kEndOfChain;
        else if (k >= firstFat && k < firstDifat)
            entry = kFatSect;
        else if (k >= firstDifat && k < total)
            entry = kDifSect;
        put32(file, entry);
    }
    for (std::uint32_t s = 0; s < nDifat; ++s) {
        for (std::uint32_t i = 0; i < 127; ++i) {
            std::uint32_t fatIndex = kHeaderDifat + s * 127 + i;
            put32(file, fatIndex < nFat ? firstFat + fatIndex : kFreeSect);
        }
        put32(file, s + 1 < nDifat ? firstDifat + s + 1 : kEndOfChain);
    }
    return file;
}

} // namespace

std::string workbookBytes(const SheetRows& rows, const std::u16string& sheetName)
{
    if (rows.size() > static_cast<std::size_t>(kMaxRows))
        throw std::length_error("一個工作表最多 65536 列");
    for (const auto& row : rows) {
        if (row.size() > static_cast<std::size_t>(kMaxColumns))
            throw std::length_error("一個工作表最多 256 欄");
        for (const auto& text : row)
            if (text.size() > static_cast<std::size_t>(kMaxCellChars))
                throw std::length_error("一個儲存格最多 32767 個字元");
    }
    return compoundFile(workbookStream(collect(rows), sheetName));
}

} // namespace biff
