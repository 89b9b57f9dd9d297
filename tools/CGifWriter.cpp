#include "CGifWriter.h"

#include <QFile>

#include <map>
#include <unordered_map>

namespace {

constexpr int kTransparentIndex = 0;
constexpr int kMaxColours = 255;
constexpr int kMinCodeSize = 8;
constexpr int kMaxCode = 4095;

void PutWord(QByteArray& out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Packs variable-width codes least significant bit first, as GIF wants.
class BitPacker {
public:
    void Put(int code, int width)
    {
        accumulator_ |= static_cast<quint32>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes_.append(char(accumulator_ & 0xff));
            accumulator_ >>= 8;
            bits_ -= 8;
        }
    }
    QByteArray Finish()
    {
        if (bits_ > 0)
            bytes_.append(char(accumulator_ & 0xff));
        return bytes_;
    }

private:
    quint32 accumulator_ = 0;
    int bits_ = 0;
    QByteArray bytes_;
};

QByteArray CompressLzw(const std::vector<quint8>& indexes)
{
    const int clearCode = 1 << kMinCodeSize;
    const int endCode = clearCode + 1;
    BitPacker packer;
    std::unordered_map<quint32, int> table;
    int codeSize = kMinCodeSize + 1;
    int lastCode = endCode;
    packer.Put(clearCode, codeSize);
    int prefix = indexes.front();
    for (size_t i = 1; i < indexes.size(); ++i) {
        const quint32 key = (static_cast<quint32>(prefix) << 8) | indexes[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.Put(prefix, codeSize);
        table.emplace(key, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == kMaxCode) {
            packer.Put(clearCode, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            lastCode = endCode;
        }
        prefix = indexes[i];
    }
    packer.Put(prefix, codeSize);
    packer.Put(endCode, codeSize);
    return packer.Finish();
}

QRgb Coarsen(QRgb colour, int droppedBits)
{
    const int mask = 0xff & ~((1 << droppedBits) - 1);
    const int half = droppedBits > 0 ? 1 << (droppedBits - 1) : 0;
    return qRgb((qRed(colour) & mask) | half, (qGreen(colour) & mask) | half, (qBlue(colour) & mask) | half);
}

bool Opaque(QRgb pixel)
{
    return qAlpha(pixel) >= 128;
}

}  // namespace

void CGifWriter::AddFrame(const QImage& frame, int delayCentiseconds)
{
    frames_.push_back({frame.convertToFormat(QImage::Format_ARGB32), delayCentiseconds});
}

bool CGifWriter::Save(const QString& path) const
{
    if (frames_.empty())
        return false;
    const QSize size = frames_.front().image.size();

    int droppedBits = 0;
    std::map<QRgb, int> palette;
    for (;; ++droppedBits) {
        palette.clear();
        for (const Frame& frame : frames_)
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const QRgb pixel = frame.image.pixel(x, y);
                    if (Opaque(pixel))
                        palette.emplace(Coarsen(pixel, droppedBits), 0);
                }
        if (static_cast<int>(palette.size()) <= kMaxColours)
            break;
    }
    int next = kTransparentIndex + 1;
    for (auto& entry : palette)
        entry.second = next++;

    QByteArray out("GIF89a");
    PutWord(out, size.width());
    PutWord(out, size.height());
    out.append(char(0xf7));  // global table of 256 colours
    out.append(char(kTransparentIndex));
    out.append(char(0));
    QByteArray table(256 * 3, char(0));
    for (const auto& [colour, index] : palette) {
        table[index * 3] = char(qRed(colour));
        table[index * 3 + 1] = char(qGreen(colour));
        table[index * 3 + 2] = char(qBlue(colour));
    }
    out.append(table);
    out.append(QByteArray::fromHex("21ff0b") + "NETSCAPE2.0" + QByteArray::fromHex("03010000") + char(0));

    for (const Frame& frame : frames_) {
        out.append(QByteArray::fromHex("21f904"));
        out.append(char((2 << 2) | 1));  // restore to background, transparent colour in use
        PutWord(out, frame.delay);
        out.append(char(kTransparentIndex));
        out.append(char(0));

        out.append(char(0x2c));
        PutWord(out, 0);
        PutWord(out, 0);
        PutWord(out, size.width());
        PutWord(out, size.height());
        out.append(char(0));

        std::vector<quint8> indexes;
        indexes.reserve(size.width() * size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QRgb pixel = frame.image.pixel(x, y);
                indexes.push_back(Opaque(pixel) ? palette.at(Coarsen(pixel, droppedBits)) : kTransparentIndex);
            }
        out.append(char(kMinCodeSize));
        const QByteArray data = CompressLzw(indexes);
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            out.append(char(block.size()));
            out.append(block);
        }
        out.append(char(0));
    }
    out.append(char(0x3b));

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(out) == out.size();
}
