#include "CifWriter.h"

#include <QFile>

namespace {

void Put32(QByteArray& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void Put16(QByteArray& b, uint16_t v) {
  b.append(char(v & 0xFF));
  b.append(char(v >> 8));
}

QByteArray Bmp24(const QImage& source) {
  const QImage img = source.convertToFormat(QImage::Format_RGB32);
  const uint32_t stride = (uint32_t(img.width()) * 3 + 3) & ~3u;
  const uint32_t pixels = stride * uint32_t(img.height());
  QByteArray b;
  b.append("BM");
  Put32(b, 14 + 40 + pixels);
  Put32(b, 0);
  Put32(b, 14 + 40);
  Put32(b, 40);
  Put32(b, uint32_t(img.width()));
  Put32(b, uint32_t(img.height()));
  Put16(b, 1);
  Put16(b, 24);
  Put32(b, 0);
  Put32(b, pixels);
  Put32(b, 2835);
  Put32(b, 2835);
  Put32(b, 0);
  Put32(b, 0);
  for (int y = img.height() - 1; y >= 0; --y) {
    const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      b.append(char(qBlue(row[x])));
      b.append(char(qGreen(row[x])));
      b.append(char(qRed(row[x])));
    }
    for (uint32_t pad = uint32_t(img.width()) * 3; pad < stride; ++pad) b.append('\0');
  }
  return b;
}

}  // namespace

bool WriteArchive(const QString& path, const std::vector<NamedImage>& images, std::string& error) {
  QByteArray out;
  Put32(out, uint32_t(images.size()));
  for (const NamedImage& entry : images) {
    if (entry.name.empty() || entry.name.size() > 127) {
      error = "image name \"" + entry.name + "\" does not fit the name field";
      return false;
    }
    QByteArray name(entry.name.c_str(), int(entry.name.size()));
    name.append(QByteArray(128 - name.size(), '\0'));
    out.append(name);
    out.append(Bmp24(entry.image));
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
    error = "cannot write " + path.toStdString();
    return false;
  }
  return true;
}

bool ReadPpm(const QString& path, QImage& out, std::string& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = "cannot open " + path.toStdString();
    return false;
  }
  const QByteArray data = file.readAll();
  int at = 0;
  auto token = [&]() {
    while (at < data.size()) {
      if (data[at] == '#') {
        while (at < data.size() && data[at] != '\n') ++at;
      } else if (isspace((unsigned char)data[at])) {
        ++at;
      } else {
        break;
      }
    }
    const int start = at;
    while (at < data.size() && !isspace((unsigned char)data[at])) ++at;
    return data.mid(start, at - start);
  };
  if (token() != "P6") {
    error = path.toStdString() + " is not a binary PPM";
    return false;
  }
  bool okW = false, okH = false, okM = false;
  const int w = token().toInt(&okW), h = token().toInt(&okH), maxval = token().toInt(&okM);
  ++at;  // the single blank before the pixels
  if (!okW || !okH || !okM || maxval != 255 || w <= 0 || h <= 0 || w > 16384 || h > 16384 ||
      qint64(w) * h * 3 > data.size() - at) {
    error = path.toStdString() + ": bad PPM header or short pixel data";
    return false;
  }
  out = QImage(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int i = at + 3 * (y * w + x);
      out.setPixel(x, y, qRgb((uchar)data[i], (uchar)data[i + 1], (uchar)data[i + 2]));
    }
  return true;
}
