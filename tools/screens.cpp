// teklifo-screens: renders every window of the program into PNG files, so the look can be
// compared with the layouts without a display. Usage: teklifo-screens OUTPUT_DIR [BTN_DIR]
#include "app/Startup.h"
#include "app/Unit1.h"
#include "tools/katalog/Katalog.h"

#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

using namespace teklifo;

static void save(QWidget* window, const QString& folder, const QString& name) {
    window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = createApplication(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app->arguments();
    if (args.size() < 2) {
        err << "Kullanım: teklifo-screens ÇIKTI_KLASÖRÜ [BTN_KLASÖRÜ]\n";
        return 2;
    }
    const QString output = QDir(args[1]).absolutePath();
    QDir().mkpath(output);

    QTemporaryDir work;
    katalog::createDemoCatalogue(work.filePath(QStringLiteral("Data.mdb")), true);
    if (args.size() > 2) {
        QDir().mkpath(work.filePath(QStringLiteral("Btn")));
        const QDir pictures(args[2]);
        for (const QString& file : pictures.entryList(QDir::Files))
            QFile::copy(pictures.filePath(file), work.filePath(QStringLiteral("Btn/") + file));
    }
    QDir::setCurrent(work.path());

    // Nobody is there to answer a message box: say what it said and close it.
    QTimer boxes;
    QObject::connect(&boxes, &QTimer::timeout, [&err] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            err << box->windowTitle() << ": " << box->text() << "\n";
            err.flush();
            box->done(0);
        }
    });
    boxes.start(50);

    startUp();
    app->processEvents();
    TForm1* form = Form1();
    save(form, output, QStringLiteral("Form1"));
    form->Button1Click();
    app->processEvents();
    save(form, output, QStringLiteral("Form1-editor"));

    for (QDialog* dialog : form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        dialog->show();
        app->processEvents();
        save(dialog, output, dialog->objectName());
        dialog->hide();
    }
    shutDown();
    err << "Pencereler kaydedildi: " << output << "\n";
    return 0;
}
