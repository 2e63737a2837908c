#pragma once
// The query language's `like` on bytes: '%' matches any run of bytes, '_' exactly one
// byte; every other byte matches itself (case and multi-byte characters are not special).
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

class dbLikePattern {
public:
    explicit dbLikePattern(std::string_view pattern);
    bool matches(std::string_view text) const;

private:
    // The pattern cut at each '%': the first piece is anchored at the start, the last at
    // the end (unless the pattern ends with '%'), the middle ones float left to right.
    std::vector<std::string> pieces_;
    std::vector<bool> pieceHasWildcard_;
    bool hasPercent_ = false;
};

// Registers tv_like(text, pattern) on a connection; false when SQLite refuses.
bool dbRegisterLike(sqlite3* db);
