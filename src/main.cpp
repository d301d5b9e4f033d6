#include "system/Application.h"
#include "Startup.h"

int main(int argc, char** argv) { return RunApplication(argc, argv, Startup); }
