#pragma once
// A picture written as a PNG file, with the file writer's safety: the one
// way the command line and the window save pictures.

#include "common/file_io.h"

#include <QImage>
#include <QString>

namespace vorlix {

// The name a picture typed as path is saved under: .png added when the
// name has no suffix (the window's choice, so its question about replacing
// a file names the file that will really be written).
QString pngFileName(const QString& path);

// Encodes image and writes it to path exactly (see writeFile).
WriteResult writePng(const QString& path, const QImage& image);

} // namespace vorlix
