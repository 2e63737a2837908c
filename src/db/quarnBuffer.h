#pragma once
// A string arena: put() hands out copies that stay valid until reset() or destruction.
// Records given to insert or update point their texts into one.
#include <cstdint>
#include <memory>

class quarnBuffer {
public:
    quarnBuffer();
    quarnBuffer(const quarnBuffer&) = delete;
    quarnBuffer& operator=(const quarnBuffer&) = delete;

    // A copy of text; none or "" give the one shared static empty text.
    const char* put(const char* text);
    // Back to the start of the first block; earlier texts become invalid, blocks are kept.
    void reset();

    struct Block {
        explicit Block(std::uint32_t n) : data(std::make_unique<char[]>(n)), size(n) {}
        std::unique_ptr<char[]> data;
        std::uint32_t size;
        std::unique_ptr<Block> next;
    };
    const Block& firstBlock() const { return *first_; }
    const Block& currentBlock() const { return *current_; }
    std::uint32_t fill() const { return fill_; }

private:
    std::uint32_t fill_ = 0;
    std::unique_ptr<Block> first_;
    Block* current_;
};
