// Linear symbols drawn by the component on a picture must read back with zbar.
#include <QImage>
#include <string>

#include <gtest/gtest.h>

#include "barcode/Barcode.h"
#include "platform/qt/ImageCanvas.h"
#include "support/TestSupport.h"

namespace {

struct DecodeCase {
    TBarcodeType typ;
    std::string text;
    bool checksum;
    double ratio;
    std::string expected; // what zbar reads
};

std::string drawAndRead(const DecodeCase& c)
{
    TBarcodeSymbol symbol;
    symbol.SetTyp(c.typ);
    symbol.SetText(c.text);
    symbol.SetCheckSum(c.checksum);
    symbol.SetModul(2);
    symbol.SetRatio(c.ratio);
    symbol.SetHeight(80);
    const int margin = 40; // quiet zone: the encoders draw none
    symbol.SetLeft(margin);
    symbol.SetTop(margin);
    QImage image(symbol.GetWidth() + 2 * margin, symbol.Height() + 2 * margin, QImage::Format_RGB32);
    image.fill(Qt::white);
    TImageCanvas canvas(image);
    symbol.DrawBarcode(canvas);

    testsupport::TempDir dir;
    const std::string png = dir.file("symbol.png");
    EXPECT_TRUE(image.save(QString::fromStdString(png)));
    auto run = testsupport::runCommand("zbarimg -q --raw --nodbus -Si25.min-length=2 " + png);
    while (!run.output.empty() && (run.output.back() == '\n' || run.output.back() == '\r'))
        run.output.pop_back();
    return run.output;
}

} // namespace

TEST(LinearDecode, DrawnSymbolsReadBackWithZbar)
{
    const DecodeCase cases[] = {
        {bcCode128B, "Tolvane-2026 #42", false, 2.0, "Tolvane-2026 #42"},
        {bcCode128B, "1", false, 2.0, "1"},
        {bcCode128A, "HELLO, 128A", false, 2.0, "HELLO, 128A"},
        {bcCode128C, "123", false, 2.0, "0123"},
        {bcCode128C, "4006381333931", false, 2.0, "04006381333931"},
        {bcCode39, "CODE 39-$/+%", false, 2.0, "CODE 39-$/+%"},
        {bcCode39, "A", true, 3.0, "AA"},
        {bcCode39, "ab12", false, 2.5, "12"},
        {bcCode93, "CODE 93 TOLVANE 0123456789", false, 2.0, "CODE 93 TOLVANE 0123456789"},
        {bcCode93Extended, "Hello, World!", false, 2.0, "Hello, World!"},
        {bcCode_2_5_interleaved, "12345678", false, 2.0, "12345678"},
        {bcCode_2_5_interleaved, "0123456789", false, 3.0, "0123456789"},
        {bcCode_2_5_interleaved, "123", false, 2.0, "12"},
        {bcCodeCodabar, "123", false, 2.0, "A123B"},
        {bcCodeCodabar, "40-$:/.+", false, 3.0, "A40-$:/.+B"},
    };
    if (!testsupport::haveTool("zbarimg"))
        GTEST_SKIP() << "zbarimg is not installed";
    for (const DecodeCase& c : cases)
        EXPECT_EQ(drawAndRead(c), c.expected) << "type " << c.typ << " '" << c.text << "'";
}

TEST(LinearDecode, Ean128CheckDigitReadsOnceAfterRepeatedDrawing)
{
    // DrawBarcode encodes several times; the symbol must still carry one check digit.
    const DecodeCase c{bcCodeEAN128C, "9012345", true, 2.0, "90123450"};
    if (!testsupport::haveTool("zbarimg"))
        GTEST_SKIP() << "zbarimg is not installed";
    const std::string read = drawAndRead(c);
    // zbar may mark the leading FNC1 with the GS1 symbology identifier; the data must follow it.
    EXPECT_TRUE(read == c.expected || read == "]C1" + c.expected) << read;
}
