// The navigator's pictures: any file in Btn either loads as a bitmap or fails with the loader's
// error; a loaded bitmap always makes a button picture.
#include "FuzzSupport.h"
#include "catalogue/DBNavigator.h"
#include "toolkit/Errors.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using fuzz::check;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    fuzz::useProgramLocale();
    new QApplication(*argc, *argv);
    static QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Btn"));
    QDir::setCurrent(dir.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static teklifo::DBNavigator* navigator = new teklifo::DBNavigator;
    const QString name = QStringLiteral("Btn/Bfirst.bmp");
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            f.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            fuzz::fail("the picture file can be written", name);
    }
    QImage image;
    try {
        image = teklifo::loadBitmapFile(name);
    } catch (const teklifo::FileError& e) {
        check(!e.message().isEmpty(), "a picture that does not load says why");
        return 0;
    }
    check(!image.isNull(), "a loaded picture is an image");
    const QIcon icon = teklifo::DBNavigator::glyphIcon(image);
    check(!icon.isNull(), "a loaded picture makes a button picture");
    navigator->setGlyph(teklifo::DBNavigator::First, image);
    navigator->setGlyph(teklifo::DBNavigator::First,
                        teklifo::DBNavigator::standardGlyph(teklifo::DBNavigator::First));
    return 0;
}
