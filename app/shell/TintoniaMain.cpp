// The application object: one running program per user, the program folder
// from the executable's path, then the main window for the program's life.
#include <QApplication>
#include <QFont>
#include <QIcon>

#include "MainDlg.h"
#include "SchemeState.h"
#include "SingleInstance.h"
#include "ui/CoreMessages.h"
#include "WaveOut.h"

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::CoreDispatcherScope coreMessages;  // plug-in messages reach our windows
  QApplication::setApplicationName("Tintonia");
  QApplication::setFont(QFont("Liberation Sans", 9));
  Scheme().programFolder = ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString());

  SingleInstance instance;
  if (instance.Claim() == SingleInstance::Role::Second) return 0;

  if (tna::UsingNullAudio())
    std::fprintf(stderr, "Tintonia: sound goes to the silent null device (TINTONIA_AUDIO=null).\n");

  CMainDlg dialog;
  instance.OnActivate([&dialog] { dialog.ComeForward(); });
  if (!dialog.Create(argc > 1 ? argv[1] : "")) return 1;
  const int result = QApplication::exec();
  dialog.Shutdown();
  return result;
}
