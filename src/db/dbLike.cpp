#include "db/dbLike.h"

#include <cstring>
#include <sqlite3.h>

namespace {

bool pieceMatchesAt(const std::string& piece, bool wildcard, const char* at)
{
    if (!wildcard)
        return std::memcmp(piece.data(), at, piece.size()) == 0;
    for (std::size_t i = 0; i < piece.size(); ++i)
        if (piece[i] != '_' && piece[i] != at[i])
            return false;
    return true;
}

// Leftmost position in [from, limit) where the piece fits entirely, or npos.
std::size_t findPiece(const std::string& piece, bool wildcard, std::string_view text, std::size_t from,
                      std::size_t limit)
{
    if (piece.empty())
        return from;
    if (limit < from || limit - from < piece.size())
        return std::string_view::npos;
    if (!wildcard) {
        const void* hit = memmem(text.data() + from, limit - from, piece.data(), piece.size());
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data())
                   : std::string_view::npos;
    }
    for (std::size_t pos = from; pos + piece.size() <= limit; ++pos)
        if (pieceMatchesAt(piece, true, text.data() + pos))
            return pos;
    return std::string_view::npos;
}

} // namespace

dbLikePattern::dbLikePattern(std::string_view pattern)
{
    std::string piece;
    for (char c : pattern) {
        if (c == '%') {
            hasPercent_ = true;
            pieces_.push_back(std::move(piece));
            piece.clear();
        } else {
            piece.push_back(c);
        }
    }
    pieces_.push_back(std::move(piece));
    for (const std::string& p : pieces_)
        pieceHasWildcard_.push_back(p.find('_') != std::string::npos);
}

bool dbLikePattern::matches(std::string_view text) const
{
    const std::string& first = pieces_.front();
    if (!hasPercent_)
        return text.size() == first.size() && pieceMatchesAt(first, pieceHasWildcard_[0], text.data());

    const std::string& last = pieces_.back();
    if (text.size() < first.size() + last.size())
        return false;
    if (!pieceMatchesAt(first, pieceHasWildcard_.front(), text.data()))
        return false;
    std::size_t tailStart = text.size() - last.size();
    if (!pieceMatchesAt(last, pieceHasWildcard_.back(), text.data() + tailStart))
        return false;
    // Middle pieces: taking each at its leftmost fit leaves the most room for the rest.
    std::size_t pos = first.size();
    for (std::size_t i = 1; i + 1 < pieces_.size(); ++i) {
        std::size_t at = findPiece(pieces_[i], pieceHasWildcard_[i], text, pos, tailStart);
        if (at == std::string_view::npos)
            return false;
        pos = at + pieces_[i].size();
    }
    return true;
}

namespace {

void deletePattern(void* p)
{
    delete static_cast<dbLikePattern*>(p);
}

void likeFunction(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const char* t = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    std::string_view text(t ? t : "", sqlite3_value_bytes(argv[0]));
    // The pattern is nearly always a bound constant: compile it once per statement.
    if (auto* cached = static_cast<dbLikePattern*>(sqlite3_get_auxdata(ctx, 1))) {
        sqlite3_result_int(ctx, cached->matches(text));
        return;
    }
    const char* p = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    auto* pattern = new dbLikePattern(std::string_view(p ? p : "", sqlite3_value_bytes(argv[1])));
    sqlite3_result_int(ctx, pattern->matches(text));
    // SQLite owns it from here and may free it at once (for a pattern that varies).
    sqlite3_set_auxdata(ctx, 1, pattern, deletePattern);
}

} // namespace

bool dbRegisterLike(sqlite3* db)
{
    return sqlite3_create_function_v2(db, "tv_like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS,
                                      nullptr, likeFunction, nullptr, nullptr, nullptr) == SQLITE_OK;
}
