#include "common/image_files.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

class ByteWriter {
  public:
    void u8(unsigned v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8(v >> 8 & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void zeros(std::size_t n) { bytes.insert(bytes.end(), n, 0); }

    std::vector<std::uint8_t> bytes;
};

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kIconDirSize = 6;
constexpr std::uint32_t kIconEntrySize = 16;

// BMP rows are padded to a multiple of four bytes.
std::uint32_t rowStride(int width, int bitsPerPixel) {
    return (std::uint32_t(width) * bitsPerPixel + 31) / 32 * 4;
}

// BITMAPINFOHEADER, uncompressed (BI_RGB), positive height: rows bottom-up.
void infoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, std::uint32_t dataSize) {
    out.u32(kInfoHeaderSize);
    out.u32(width);
    out.u32(height);
    out.u16(1);
    out.u16(bitsPerPixel);
    out.u32(0);
    out.u32(dataSize);
    out.u32(2835); // 72 dpi
    out.u32(2835);
    out.u32(0);
    out.u32(0);
}

void pixelRows(ByteWriter& out, const Image& image, bool withAlpha) {
    const int bytesPerPixel = withAlpha ? 4 : 3;
    const std::uint32_t padding =
        rowStride(image.width, 8 * bytesPerPixel) - std::uint32_t(image.width) * bytesPerPixel;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.pixel(x, y);
            out.u8(p[2]);
            out.u8(p[1]);
            out.u8(p[0]);
            if (withAlpha)
                out.u8(p[3]);
        }
        out.zeros(padding);
    }
}

// The 1-bit AND mask that legacy readers use: set where the pixel is fully transparent.
void transparencyMask(ByteWriter& out, const Image& image) {
    const std::uint32_t stride = rowStride(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width; ++x)
            if (image.pixel(x, y)[3] == 0)
                row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.bytes.insert(out.bytes.end(), row.begin(), row.end());
    }
}

std::vector<std::uint8_t> iconImage(const Image& image) {
    const std::uint32_t colorSize = rowStride(image.width, 32) * image.height;
    const std::uint32_t maskSize = rowStride(image.width, 1) * image.height;
    ByteWriter out;
    // An icon's header counts the colour rows and the mask rows together.
    infoHeader(out, image.width, 2 * image.height, 32, colorSize + maskSize);
    pixelRows(out, image, true);
    transparencyMask(out, image);
    return out.bytes;
}

} // namespace

std::vector<std::uint8_t> encodeBmp24(const Image& image) {
    const std::uint32_t dataSize = rowStride(image.width, 24) * image.height;
    const std::uint32_t dataOffset = kFileHeaderSize + kInfoHeaderSize;
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(dataOffset + dataSize);
    out.u32(0);
    out.u32(dataOffset);
    infoHeader(out, image.width, image.height, 24, dataSize);
    pixelRows(out, image, false);
    return out.bytes;
}

std::vector<std::uint8_t> encodeIco(std::span<const Image> images) {
    ByteWriter out;
    out.u16(0);
    out.u16(1); // icon, not cursor
    out.u16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = kIconDirSize + kIconEntrySize * std::uint32_t(images.size());
    std::vector<std::vector<std::uint8_t>> entries;
    for (const Image& image : images) {
        if (image.width > 256 || image.height > 256)
            throw std::invalid_argument("icon images are at most 256 pixels wide and high");
        entries.push_back(iconImage(image));
        // An edge of 256 is written as 0 in the one-byte size fields.
        out.u8(image.width & 0xFF);
        out.u8(image.height & 0xFF);
        out.u8(0);
        out.u8(0);
        out.u16(1);
        out.u16(32);
        out.u32(std::uint32_t(entries.back().size()));
        out.u32(offset);
        offset += std::uint32_t(entries.back().size());
    }
    for (const auto& entry : entries)
        out.bytes.insert(out.bytes.end(), entry.begin(), entry.end());
    return out.bytes;
}

bool writeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
        return false;
    }
    std::printf("wrote %s (%zu bytes)\n", path.string().c_str(), bytes.size());
    return true;
}
