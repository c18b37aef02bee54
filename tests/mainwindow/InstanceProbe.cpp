// A later start as the program makes it: claims the instance key given as the
// first argument and reports its role by exit code (0 second, 1 first,
// 2 failed). It shows nothing either way.
#include <QCoreApplication>

#include "SingleInstance.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) return 3;
  SingleInstance instance(argv[1]);
  switch (instance.Claim()) {
    case SingleInstance::Role::Second: return 0;
    case SingleInstance::Role::First: return 1;
    case SingleInstance::Role::Failed: return 2;
  }
  return 3;
}
