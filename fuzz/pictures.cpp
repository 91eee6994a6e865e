// Our palette BMP and ICO decoder on any bytes: it reads nothing outside
// them, and where Qt's own reader makes a picture of the same size from the
// same bytes, every pixel is the same.
#include "Resources.h"

#include <QImage>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) { return 0; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Not copied: a read past the end reaches past the fuzzer's own buffer.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool icon = bytes.startsWith(QByteArray("\0\0\1\0", 4));
    // The first image's width is asked for, so both decoders take image 0.
    const int firstWidth = size > 6 ? (data[6] == 0 ? 256 : data[6]) : 0;
    const QImage ours = icon ? DecodePaletteIco(bytes, firstWidth) : DecodePaletteBmp(bytes);
    if (ours.isNull()) return 0;
    const QImage theirs = QImage::fromData(bytes, icon ? "ICO" : "BMP");
    if (theirs.size() != ours.size()) return 0;
    const auto format = QImage::Format_ARGB32_Premultiplied;  // every clear pixel the same
    const QImage a = ours.convertToFormat(format), b = theirs.convertToFormat(format);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) qFatal("pixel %d,%d: ours %08x, Qt's %08x", x, y, a.pixel(x, y), b.pixel(x, y));
    return 0;
}
