#include "db/dbQueryCompiler.h"

#include "db/dbEngine.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <strings.h>

std::string dbQuoteIdentifier(const std::string& name)
{
    std::string out = "\"";
    for (char c : name) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

namespace {

enum class Tok { end, ident, text, integer, real, op, lparen, rparen, comma };

struct Token {
    Tok kind = Tok::end;
    std::string value;      // identifier, unquoted text, number or operator
    std::size_t pos = 0;
};

class Lexer {
public:
    explicit Lexer(const std::string& s) : s_(s) {}

    Token next()
    {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_])))
            ++i_;
        Token t;
        t.pos = i_;
        if (i_ >= s_.size())
            return t;
        unsigned char c = static_cast<unsigned char>(s_[i_]);
        if (std::isalpha(c) || c == '_') {
            std::size_t b = i_;
            while (i_ < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_'))
                ++i_;
            t.kind = Tok::ident;
            t.value = s_.substr(b, i_ - b);
            return t;
        }
        if (c == '\'') {
            ++i_;
            for (;;) {
                if (i_ >= s_.size())
                    throw dbCompileError("unterminated text literal", t.pos);
                if (s_[i_] == '\'') {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
                        t.value += '\'';
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                t.value += s_[i_++];
            }
            t.kind = Tok::text;
            return t;
        }
        if (std::isdigit(c) || (c == '-' && i_ + 1 < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_ + 1])))) {
            std::size_t b = i_++;
            bool real = false;
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                ++i_;
            if (i_ < s_.size() && s_[i_] == '.') {
                real = true;
                ++i_;
                while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                    ++i_;
            }
            if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
                std::size_t e = i_ + 1;
                if (e < s_.size() && (s_[e] == '+' || s_[e] == '-'))
                    ++e;
                if (e < s_.size() && std::isdigit(static_cast<unsigned char>(s_[e]))) {
                    real = true;
                    i_ = e;
                    while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])))
                        ++i_;
                }
            }
            t.kind = real ? Tok::real : Tok::integer;
            t.value = s_.substr(b, i_ - b);
            return t;
        }
        switch (c) {
        case '(': ++i_; t.kind = Tok::lparen; return t;
        case ')': ++i_; t.kind = Tok::rparen; return t;
        case ',': ++i_; t.kind = Tok::comma; return t;
        case '=': ++i_; t.kind = Tok::op; t.value = "="; return t;
        case '<':
        case '>':
        case '!': {
            std::string op(1, static_cast<char>(c));
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '=' || (c == '<' && s_[i_] == '>'))) {
                op += s_[i_];
                ++i_;
            }
            if (op == "!")
                break;
            t.kind = Tok::op;
            t.value = op == "!=" ? "<>" : op;
            return t;
        }
        default:
            break;
        }
        throw dbCompileError("unexpected character", t.pos);
    }

private:
    const std::string& s_;
    std::size_t i_ = 0;
};

enum class Kind { text, number, bytes };

struct Operand {
    std::string sql;
    Kind kind;
    bool isBool = false;   // a boolean field, usable alone as a condition
};

class Parser {
public:
    Parser(const std::string& text, const dbTableDescriptor& table) : lex_(text), table_(table)
    {
        advance();
    }

    dbCompiledQuery run()
    {
        if (!(atKeyword("order") || tok_.kind == Tok::end))
            out_.where = expression();
        if (atKeyword("order")) {
            advance();
            expectKeyword("by");
            orderList();
        } else {
            out_.orderBy = "rowid";
        }
        if (tok_.kind != Tok::end)
            throw dbCompileError("unexpected text after the query", tok_.pos);
        return std::move(out_);
    }

private:
    void advance() { tok_ = lex_.next(); }

    bool atKeyword(const char* kw) const
    {
        return tok_.kind == Tok::ident && strcasecmp(tok_.value.c_str(), kw) == 0;
    }

    void expectKeyword(const char* kw)
    {
        if (!atKeyword(kw))
            throw dbCompileError(std::string("'") + kw + "' expected", tok_.pos);
        advance();
    }

    std::string expression()
    {
        std::string sql = conjunction();
        while (atKeyword("or")) {
            advance();
            sql = "(" + sql + " OR " + conjunction() + ")";
        }
        return sql;
    }

    std::string conjunction()
    {
        std::string sql = negation();
        while (atKeyword("and")) {
            advance();
            sql = "(" + sql + " AND " + negation() + ")";
        }
        return sql;
    }

    std::string negation()
    {
        if (atKeyword("not")) {
            advance();
            return "(NOT " + negation() + ")";
        }
        return predicate();
    }

    std::string predicate()
    {
        if (tok_.kind == Tok::lparen) {
            advance();
            std::string sql = expression();
            if (tok_.kind != Tok::rparen)
                throw dbCompileError("')' expected", tok_.pos);
            advance();
            return "(" + sql + ")";
        }
        std::size_t at = tok_.pos;
        Operand left = operand();
        bool negated = false;
        if (atKeyword("not")) {
            advance();
            negated = true;
            if (!atKeyword("like"))
                throw dbCompileError("'like' expected", tok_.pos);
        }
        if (atKeyword("like")) {
            advance();
            std::size_t rightAt = tok_.pos;
            Operand right = operand();
            if (left.kind != Kind::text || right.kind != Kind::text)
                throw dbCompileError("like needs texts", left.kind != Kind::text ? at : rightAt);
            std::string sql = "tv_like(" + left.sql + ", " + right.sql + ")";
            return negated ? "(NOT " + sql + ")" : sql;
        }
        if (tok_.kind == Tok::op) {
            std::string op = tok_.value;
            advance();
            std::size_t rightAt = tok_.pos;
            Operand right = operand();
            if (left.kind == Kind::bytes || right.kind == Kind::bytes)
                throw dbCompileError("byte arrays cannot be compared", left.kind == Kind::bytes ? at : rightAt);
            if (left.kind != right.kind)
                throw dbCompileError("a text is compared with a number", rightAt);
            return "(" + left.sql + " " + op + " " + right.sql + ")";
        }
        if (left.isBool)
            return "(" + left.sql + " <> 0)";
        throw dbCompileError("condition expected", at);
    }

    Operand operand()
    {
        Token t = tok_;
        switch (t.kind) {
        case Tok::text:
            advance();
            out_.params.emplace_back(t.value);
            return {"?", Kind::text};
        case Tok::integer: {
            advance();
            errno = 0;
            long long v = std::strtoll(t.value.c_str(), nullptr, 10);
            if (errno == ERANGE)
                throw dbCompileError("number out of range", t.pos);
            out_.params.emplace_back(static_cast<std::int64_t>(v));
            return {"?", Kind::number};
        }
        case Tok::real:
            advance();
            out_.params.emplace_back(std::strtod(t.value.c_str(), nullptr));
            return {"?", Kind::number};
        case Tok::ident: {
            if (atKeyword("true") || atKeyword("false")) {
                advance();
                out_.params.emplace_back(static_cast<std::int64_t>(strcasecmp(t.value.c_str(), "true") == 0));
                return {"?", Kind::number, true};
            }
            const dbFieldDescriptor* f = field(t);
            advance();
            Operand o{dbQuoteIdentifier(f->name()), Kind::number};
            if (f->type() == dbFieldDescriptor::tpString)
                o.kind = Kind::text;
            else if (f->type() == dbFieldDescriptor::tpArrayOfByte)
                o.kind = Kind::bytes;
            o.isBool = f->type() == dbFieldDescriptor::tpBool;
            return o;
        }
        default:
            throw dbCompileError("field or value expected", t.pos);
        }
    }

    const dbFieldDescriptor* field(const Token& t) const
    {
        for (const dbFieldDescriptor& f : table_.fields())
            if (f.name() == t.value)
                return &f;
        throw dbCompileError("no field '" + t.value + "' in table " + table_.name(), t.pos);
    }

    void orderList()
    {
        for (;;) {
            if (tok_.kind != Tok::ident)
                throw dbCompileError("field expected", tok_.pos);
            const dbFieldDescriptor* f = field(tok_);
            if (f->type() == dbFieldDescriptor::tpArrayOfByte)
                throw dbCompileError("cannot order by a byte array", tok_.pos);
            advance();
            std::string item = dbQuoteIdentifier(f->name());
            if (atKeyword("desc")) {
                advance();
                item += " DESC";
            } else if (atKeyword("asc")) {
                advance();
            }
            out_.orderBy += item + ", ";
            if (tok_.kind != Tok::comma)
                break;
            advance();
        }
        out_.orderBy += "rowid";
    }

    Lexer lex_;
    const dbTableDescriptor& table_;
    Token tok_;
    dbCompiledQuery out_;
};

} // namespace

dbCompiledQuery dbCompileQuery(const std::string& text, const dbTableDescriptor& table)
{
    return Parser(text, table).run();
}
