#include "app/Startup.h"

int main(int argc, char** argv) {
    auto app = teklifo::createApplication(argc, argv);
    teklifo::startUp();
    const int code = app->exec();
    teklifo::shutDown();
    return code;
}
