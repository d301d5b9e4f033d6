#include "Pictures.h"

#include <QDir>
#include <array>
#include <memory>

#include "graphics/Graphics.h"
#include "graphics/Picture.h"
#include "system/Application.h"
#include "system/Services.h"

namespace {

enum Which {
    PauseIcon,
    PauseMask,
    RunIcon,
    RunMask,
    AlertIcon,
    AlertMask,
    AboutIconPic,
    AboutMaskPic,
    Badge,
    BadgeMask,
    Count
};

// One cache per picture. They are emptied when the application shuts down,
// so that a later start-up (a test's next case) loads afresh.
std::array<std::unique_ptr<Picture>, Count> gCaches;
bool gReleaseRegistered = false;

void ReleaseAll() {
    for (auto& cache : gCaches)
        cache.reset();
    gReleaseRegistered = false;
}

// Loads "<name>.bmp" when the cache is empty; true when this call filled it.
bool Load(Which which, const char* name) {
    auto& cache = gCaches[which];
    if (cache)
        return false;
    const QString folder = TheServices().ResourcesFolder();
    if (folder.isEmpty())
        return false;
    cache = OpenAsPicture(QDir(folder).filePath(QLatin1String(name) + QLatin1String(".bmp")));
    if (!cache)
        return false;
    if (!gReleaseRegistered && Application::Instance()) {
        gReleaseRegistered = true;
        Application::AtShutdown(ReleaseAll);
    }
    return true;
}

Picture* Plain(Which which, const char* name) {
    Load(which, name);
    return gCaches[which].get();
}

// An icon takes its mask picture into its own mask once, when it loads; a
// mask picture that cannot be had then is not tried again later.
Picture* Icon(Which which, const char* name, Picture* (*maskPicture)()) {
    if (Load(which, name))
        gCaches[which]->Mask(true)->Graphics().DrawPicture(maskPicture(), 0, 0);
    return gCaches[which].get();
}

} // namespace

Picture* Pause_Icon() {
    return Icon(PauseIcon, "Pause_Icon", Pause_Mask);
}
Picture* Pause_Mask() {
    return Plain(PauseMask, "Pause_Mask");
}
Picture* Run_Icon() {
    return Icon(RunIcon, "Run_Icon", Run_Mask);
}
Picture* Run_Mask() {
    return Plain(RunMask, "Run_Mask");
}
Picture* Alert_Icon() {
    return Icon(AlertIcon, "Alert_Icon", Alert_Mask);
}
Picture* Alert_Mask() {
    return Plain(AlertMask, "Alert_Mask");
}
Picture* AboutIcon() {
    return Plain(AboutIconPic, "AboutIcon");
}
Picture* AboutMask() {
    return Plain(AboutMaskPic, "AboutMask");
}
Picture* VaZeDoZi() {
    return Plain(Badge, "VaZeDoZi");
}
Picture* VaZeDoZiMask() {
    return Plain(BadgeMask, "VaZeDoZiMask");
}
