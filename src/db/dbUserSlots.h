#pragma once
// Counts the live opens of one database file. Each open holds a lock on one byte of a
// small companion file; the kernel drops such a lock when its holder closes the file or
// dies, so a copy that crashed or was killed is never counted again.
#include <string>

class dbUserSlots {
public:
    dbUserSlots() = default;
    ~dbUserSlots();
    dbUserSlots(const dbUserSlots&) = delete;
    dbUserSlots& operator=(const dbUserSlots&) = delete;

    // Takes a free slot in lockFile (created when missing); false with a reason on failure.
    bool acquire(const std::string& lockFile, std::string& error);
    void release();
    bool held() const { return fd_ >= 0; }
    // The opens held now, this one included.
    int count() const;

    static constexpr int maxSlots = 4096;

private:
    int fd_ = -1;
    int slot_ = -1;
};
