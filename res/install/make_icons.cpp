// Writes the program icon as PNG files for the desktop's icon theme, from
// the same artwork the running program draws: one file per size, into
// <folder>/<size>x<size>/apps/<name>.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

#include "gui/main/artwork.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER ICON-NAME\n", argv[0]);
    return 2;
  }
  QGuiApplication application(argc, argv);
  const QString folder = QFile::decodeName(argv[1]);
  const QString name = QFile::decodeName(argv[2]);
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString sized = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
    if (!QDir().mkpath(sized) || !lumo::artwork::DiscImage(size).save(sized + QLatin1Char('/') + name + ".png")) {
      std::fprintf(stderr, "cannot write the %dx%d icon under %s\n", size, size, argv[1]);
      return 1;
    }
  }
  return 0;
}
