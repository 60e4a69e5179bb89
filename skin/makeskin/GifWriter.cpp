#include "GifWriter.h"

namespace {

constexpr int kPaletteSize = 256;
constexpr int kMinCodeSize = 8;
constexpr int kClearCode = 1 << kMinCodeSize;
constexpr int kEndCode = kClearCode + 1;
// Codes stay 9 bits wide when a clear code follows every 254 literals, so the
// data needs no real compression dictionary.
constexpr int kLiteralsPerClear = 254;

void putWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

class BitPacker
{
public:
    void put(int code)
    {
        m_bits |= quint32(code) << m_count;
        m_count += kMinCodeSize + 1;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xff));
        return m_bytes;
    }

private:
    quint32 m_bits = 0;
    int m_count = 0;
    QByteArray m_bytes;
};

} // namespace

GifWriter::GifWriter(const QList<QColor>& keyColours, int frameDelayMs)
    : m_delayCentiseconds(frameDelayMs / 10)
{
    const int pairs = qMax(1, int(keyColours.size() * (keyColours.size() - 1) / 2));
    const int steps = qMax(2, kPaletteSize / pairs);
    for (int a = 0; a < keyColours.size(); ++a) {
        for (int b = a + 1; b < keyColours.size(); ++b) {
            for (int s = 0; s < steps && m_palette.size() < kPaletteSize; ++s) {
                const double t = double(s) / (steps - 1);
                const QColor& from = keyColours[a];
                const QColor& to = keyColours[b];
                m_palette << qRgb(qRound(from.red() + (to.red() - from.red()) * t),
                                  qRound(from.green() + (to.green() - from.green()) * t),
                                  qRound(from.blue() + (to.blue() - from.blue()) * t));
            }
        }
    }
    while (m_palette.size() < kPaletteSize)
        m_palette << (keyColours.isEmpty() ? qRgb(0, 0, 0) : keyColours.first().rgb());
}

int GifWriter::nearest(QRgb pixel) const
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < m_palette.size(); ++i) {
        const int dr = qRed(pixel) - qRed(m_palette[i]);
        const int dg = qGreen(pixel) - qGreen(m_palette[i]);
        const int db = qBlue(pixel) - qBlue(m_palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void GifWriter::writeFrame(QByteArray& out, const QImage& frame) const
{
    // Graphic control: the delay; nothing transparent.
    out.append("\x21\xf9\x04\x00", 4);
    putWord(out, m_delayCentiseconds);
    out.append("\x00\x00", 2);
    // Image descriptor: the whole screen, the global palette.
    out.append('\x2c');
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, frame.width());
    putWord(out, frame.height());
    out.append('\x00');

    BitPacker packer;
    packer.put(kClearCode);
    int literals = 0;
    const QImage pixels = frame.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            if (literals == kLiteralsPerClear) {
                packer.put(kClearCode);
                literals = 0;
            }
            packer.put(nearest(pixels.pixel(x, y)));
            ++literals;
        }
    }
    packer.put(kEndCode);
    const QByteArray data = packer.finish();
    out.append(char(kMinCodeSize));
    for (int at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\x00');
}

QByteArray GifWriter::encode(const QList<QImage>& frames) const
{
    if (frames.isEmpty())
        return QByteArray();
    QByteArray out("GIF89a");
    putWord(out, frames.first().width());
    putWord(out, frames.first().height());
    out.append('\xf7'); // global palette of 256 colours
    out.append("\x00\x00", 2);
    for (const QRgb colour : m_palette) {
        out.append(char(qRed(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qBlue(colour)));
    }
    // Loop for ever.
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (const QImage& frame : frames)
        writeFrame(out, frame.size() == frames.first().size() ? frame : frame.scaled(frames.first().size()));
    out.append('\x3b');
    return out;
}
