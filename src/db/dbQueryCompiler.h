#pragma once
// Compiles a text of the query language into the WHERE/ORDER BY parts of a parameterized
// SQLite statement. Field names come from the table declaration, every literal becomes a
// bound parameter, so no typed text ever reaches the SQL.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

class dbTableDescriptor;

using dbQueryParam = std::variant<std::string, std::int64_t, double>;

struct dbCompiledQuery {
    std::string where;      // empty: every record
    std::string orderBy;    // never empty: ends with the row id, so ties keep insertion order
    std::vector<dbQueryParam> params;
};

class dbCompileError : public std::runtime_error {
public:
    dbCompileError(const std::string& msg, std::size_t pos)
        : std::runtime_error(msg + " at position " + std::to_string(pos)), pos_(pos) {}
    std::size_t position() const { return pos_; }
private:
    std::size_t pos_;
};

// Throws dbCompileError when the text does not compile.
dbCompiledQuery dbCompileQuery(const std::string& text, const dbTableDescriptor& table);

// "name" with embedded quotes doubled, for identifiers taken from declarations.
std::string dbQuoteIdentifier(const std::string& name);
