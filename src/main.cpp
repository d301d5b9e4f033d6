#include "Startup.h"
#include "system/Application.h"

int main(int argc, char** argv) {
    return RunApplication(argc, argv, Startup);
}
