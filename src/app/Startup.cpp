#include "Startup.h"

#include "App.h"
#include "MenuBar1.h"
#include "winMain.h"

namespace {

// The program declares no document file types.
void InitFileTypes() {}

void NewAppInstance() {
    auto app = std::make_unique<App>();
    app->SetMenuBar(&TheMenuBar1());
    Application::Register(std::move(app));
}

void ApplicationAddMenuHandlers() {
    App& app = TheApp();
    app.AddMenuHandler(QStringLiteral("HelpDonate"), [&app] { return app.HelpDonate_Action(); });
    app.AddMenuHandler(QStringLiteral("HelpVisitWebsite"),
                       [&app] { return app.HelpVisitWebsite_Action(); });
}

void MakeDefaultView() {
    Implicit<winMain>();
}

} // namespace

void Startup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}
