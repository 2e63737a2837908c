#pragma once
// Where program texts (active code page bytes) meet Qt's Unicode strings.
#include <QString>
#include <string>
#include <string_view>

QString toQString(std::string_view text);
std::string fromQString(const QString& text);
