// tna-skingen: draws the skin and writes SetUp/Image/Image1.cif (the control
// sheet "ConsonaIcon" plus extra sheets handed in with --extra NAME=file.ppm),
// SetUp/Image/Image2.cif (window backgrounds, colour circles, frames) and
// SetUp/UI_ControlIcon.ini (where each control picture lies on the sheet).
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "CifWriter.h"
#include "SkinParts.h"

namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "tna-skingen: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QString out;
  std::vector<std::pair<std::string, QString>> extras;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--out" && i + 1 < argc) {
      out = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == "--extra" && i + 1 < argc) {
      const std::string entry = argv[++i];
      const size_t eq = entry.find('=');
      if (eq == std::string::npos || eq == 0) return Fail("--extra needs NAME=path, got " + entry);
      extras.emplace_back(entry.substr(0, eq), QString::fromStdString(entry.substr(eq + 1)));
    } else {
      return Fail("usage: tna-skingen --out SETUP_DIR [--extra NAME=sheet.ppm]...");
    }
  }
  if (out.isEmpty()) return Fail("--out is required");
  if (!QDir().mkpath(out + "/Image")) return Fail("cannot create " + out.toStdString() + "/Image");

  const PackedSheet packed = PackSheet(ControlPieces(), 512);
  std::vector<NamedImage> image1{{"ConsonaIcon", packed.sheet}};
  for (const auto& [name, path] : extras) {
    QImage sheet;
    std::string error;
    if (!ReadPpm(path, sheet, error)) return Fail(error);
    image1.push_back({name, sheet});
  }
  std::string error;
  if (!WriteArchive(out + "/Image/Image1.cif", image1, error)) return Fail(error);
  if (!WriteArchive(out + "/Image/Image2.cif", Backgrounds(), error)) return Fail(error);

  QByteArray ini = "// Control pictures on the sheet \"ConsonaIcon\" of Image1.cif: (left, top, right, bottom)\r\n"
                   "[CONTROL]\r\n";
  for (const auto& [key, r] : packed.rects)
    ini += QString("%1 = (%2, %3, %4, %5)\r\n")
               .arg(QString::fromStdString(key))
               .arg(r.left())
               .arg(r.top())
               .arg(r.left() + r.width())
               .arg(r.top() + r.height())
               .toLatin1();
  QFile file(out + "/UI_ControlIcon.ini");
  if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
    return Fail("cannot write " + file.fileName().toStdString());
  return 0;
}
