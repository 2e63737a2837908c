#include "labels/LabelLists.h"

bool allDigits(const std::string& text)
{
    for (unsigned char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}
