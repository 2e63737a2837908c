#pragma once
// The item table: one barcode item per record. Texts are zero-terminated 8-bit strings
// in the active code page; "" stands for an absent value.
#include "db/dbEngine.h"

#include <cstdint>

struct Record {
    const char* barcode = "";   // indexed, not unique
    const char* string1 = "";
    const char* string2 = "";
    const char* string3 = "";   // may hold several lines
    const char* remark = "";
    std::int16_t count = 0;     // labels per print run
    const char* string4 = "";
    const char* string5 = "";
    const char* string6 = "";
};

template <> dbTableDescriptor& dbDescriptorOf<Record>();
