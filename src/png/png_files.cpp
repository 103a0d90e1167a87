#include "png/png_files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <cstring>
#include <vector>

namespace rw {
namespace {

// Pictures past this many pixels per side are refused before decoding: no font sheet comes near
// it, and a crafted header must not make the decoder allocate gigabytes.
constexpr int kMaxSide = 16384;
constexpr int64_t kMaxFileSize = 64 << 20;
const Message kTooLarge{MessageId::PictureTooLarge, {}};

Status ReadWholeFile(FileSystem& fs, const std::string& path, std::vector<uint8_t>& bytes) {
    File file(fs, path);
    Status status = file.OpenForReading();
    int64_t size = 0;
    if (status.ok()) status = file.Size(&size);
    if (!status.ok()) return status;
    if (size > kMaxFileSize) return Status::Failure(path, kTooLarge);
    bytes.resize(static_cast<size_t>(size));
    status = file.ReadAt(0, bytes);
    if (status.ok()) status = file.Close();
    return status;
}

}  // namespace

Status WritePng(const std::string& path, const RgbImage& image, FileSystem& fs) {
    QImage picture(image.rgb.data(), image.width, image.height, image.width * 3,
                   QImage::Format_RGB888);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return Status::Failure(path, Message{MessageId::PngEncodingFailed, {}});
    const auto* data = reinterpret_cast<const uint8_t*>(encoded.constData());
    return WriteFileAtomically(fs, path, std::span<const uint8_t>(data, encoded.size()));
}

Status ReadPng(const std::string& path, RgbaImage& image, FileSystem& fs) {
    std::vector<uint8_t> bytes;
    const Status status = ReadWholeFile(fs, path, bytes);
    if (!status.ok()) return status;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!reader.canRead()) return Status::Failure(path, kNotAPng);
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return Status::Failure(path, kTooLarge);
    const QImage decoded = reader.read();
    if (decoded.isNull()) return Status::Failure(path, kNotAPng);
    const QImage rgba = decoded.convertToFormat(QImage::Format_RGBA8888);
    RgbaImage result;
    result.width = rgba.width();
    result.height = rgba.height();
    result.rgba.resize(static_cast<size_t>(result.width) * result.height * 4);
    for (int y = 0; y < result.height; ++y) {
        std::memcpy(result.rgba.data() + static_cast<size_t>(y) * result.width * 4,
                    rgba.constScanLine(y), static_cast<size_t>(result.width) * 4);
    }
    image = std::move(result);
    return Status::Ok();
}

}  // namespace rw
