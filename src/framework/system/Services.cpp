#include "system/Services.h"

#include "system/SystemServices.h"

namespace {
Services* gInstalled = nullptr;

Services& RealServices() {
    static SystemServices real;
    return real;
}
} // namespace

Services& TheServices() {
    return gInstalled ? *gInstalled : RealServices();
}

void SetServices(Services* services) {
    gInstalled = services;
}
