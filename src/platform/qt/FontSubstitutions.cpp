#include "platform/qt/FontSubstitutions.h"

#include <QFont>
#include <QString>
#include <QStringList>

void registerFontSubstitutions()
{
    // Without a Traditional-Chinese substitute, Chinese text falls back to Japanese glyph forms.
    const QStringList ming = {QStringLiteral("AR PL UMing TW"), QStringLiteral("Noto Serif CJK TC")};
    for (const char* face : {"細明體", "新細明體", "MingLiU", "PMingLiU"})
        QFont::insertSubstitutions(QString::fromUtf8(face), ming);
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
}
