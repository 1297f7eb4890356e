// The test programs' main: creates the application object as the program does, with the
// Turkish locale the program is made for, then runs every test.
#include "app/Startup.h"

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    auto app = teklifo::createApplication(argc, argv);
    return RUN_ALL_TESTS();
}
