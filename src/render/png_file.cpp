#include "render/png_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

namespace vorlix {

QString pngFileName(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".png") : path;
}

WriteResult writePng(const QString& path, const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image)) {
        return {WriteStatus::failed, writer.errorString()};
    }
    return writeFile(path, {png.constData(), static_cast<std::size_t>(png.size())});
}

} // namespace vorlix
