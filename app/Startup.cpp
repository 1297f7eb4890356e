#include "app/Startup.h"

#include "app/Unit1.h"
#include "catalogue/UnitVeriSil.h"
#include "dialogs/PrintAyar.h"
#include "dialogs/cevir.h"
#include "dialogs/hakkinda.h"
#include "report/print.h"
#include "toolkit/Application.h"

#include <QScreen>

namespace teklifo {

namespace {
struct Windows {
    TForm1* form1 = nullptr;
    TFrmCevir* cevir = nullptr;
    TFrmHakkinda* hakkinda = nullptr;
    TFrmPrint* print = nullptr;
    TFrmPrintAyar* printAyar = nullptr;
    TFrmVeriSil* veriSil = nullptr;
};
Windows windows;
} // namespace

std::unique_ptr<QApplication> createApplication(int& argc, char** argv) {
    return std::make_unique<Application>(argc, argv);
}

void startUp() {
    shutDown();
    auto* form1 = new TForm1();
    windows.form1 = form1;
    windows.cevir = new TFrmCevir(form1->Edit11, form1->EditCevir, form1);
    windows.hakkinda = new TFrmHakkinda(form1);
    windows.print = new TFrmPrint(form1);
    windows.printAyar = new TFrmPrintAyar(form1);
    windows.veriSil = new TFrmVeriSil(form1->queries(), form1);
    form1->setDialogs(windows.cevir, windows.hakkinda, windows.print, windows.printAyar, windows.veriSil);

    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        form1->move(area.center() - QPoint(form1->width() / 2, form1->height() / 2));
    }
    form1->show();
}

void shutDown() {
    if (auto* app = Application::instance())
        app->setIdleHandler({});
    delete windows.veriSil;
    delete windows.printAyar;
    delete windows.print;
    delete windows.hakkinda;
    delete windows.cevir;
    delete windows.form1;
    windows = Windows{};
}

TForm1* Form1() { return windows.form1; }
TFrmCevir* FrmCevir() { return windows.cevir; }
TFrmHakkinda* FrmHakkinda() { return windows.hakkinda; }
TFrmPrint* FrmPrint() { return windows.print; }
TFrmPrintAyar* FrmPrintAyar() { return windows.printAyar; }
TFrmVeriSil* FrmVeriSil() { return windows.veriSil; }

} // namespace teklifo
