#pragma once
// Writing image archives: a record count, then per picture a 128-byte name
// field and a 24-bit bottom-up ".bmp" file. Also reads the binary PPM sheets
// other generators hand over.
#include <QImage>
#include <QString>
#include <string>
#include <vector>

struct NamedImage {
  std::string name;
  QImage image;
};

// False (with the reason in error) when a name is too long or the file fails.
bool WriteArchive(const QString& path, const std::vector<NamedImage>& images, std::string& error);
// Binary P6 PPM with maxval 255.
bool ReadPpm(const QString& path, QImage& out, std::string& error);
