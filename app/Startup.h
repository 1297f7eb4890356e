#pragma once

#include <QApplication>
#include <memory>

namespace teklifo {

class TForm1;
class TFrmCevir;
class TFrmHakkinda;
class TFrmPrint;
class TFrmPrintAyar;
class TFrmVeriSil;

// The program's application object: title "Teklifo", the standard error box, the idle hook.
std::unique_ptr<QApplication> createApplication(int& argc, char** argv);

// Creates the six windows in their order (the main window first, whose creation opens the
// catalogue) and shows the main window centred on the desktop.
void startUp();

// Destroys the six windows and closes the database, so that startUp() can run again.
void shutDown();

// The windows of the running program (null before startUp() and after shutDown()).
TForm1* Form1();
TFrmCevir* FrmCevir();
TFrmHakkinda* FrmHakkinda();
TFrmPrint* FrmPrint();
TFrmPrintAyar* FrmPrintAyar();
TFrmVeriSil* FrmVeriSil();

} // namespace teklifo
