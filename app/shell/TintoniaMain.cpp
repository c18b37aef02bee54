// The application object: one running program per user, the program folder
// from the executable's path, then the main window for the program's life.
#include <QApplication>
#include <QFont>
#include <QIcon>

#include "MainDlg.h"
#include "SchemeState.h"
#include "SingleInstance.h"
#include "ui/CoreMessages.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ui::CoreDispatcherScope coreMessages;  // plug-in messages reach our windows
  QApplication::setApplicationName("Tintonia");
  QApplication::setFont(QFont("Liberation Sans", 9));
  Scheme().programFolder = ProgramFolderOf(QCoreApplication::applicationFilePath().toStdString());

  SingleInstance instance;
  if (instance.Claim() == SingleInstance::Role::Second) return 0;

  CMainDlg dialog;
  instance.OnActivate([&dialog] { dialog.ComeForward(); });
  if (!dialog.Create(argc > 1 ? argv[1] : "")) return 1;
  const int result = QApplication::exec();
  dialog.Shutdown();
  return result;
}
