#include "platform/qt/QtText.h"

#include "platform/CodePage.h"

QString toQString(std::string_view text)
{
    std::string utf8 = codepage::toUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    return codepage::fromUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
}
