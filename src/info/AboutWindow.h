#pragma once

#include "ui/Window.h"

class Canvas;
class EditField;
class Graphics;
class StaticText;

// The About box: the icon, the name, the version from the build, the
// credits styled from their tags, the rights notice and the toolkit's
// badge, which opens the toolkit maker's home page. It lays itself out for
// the credits shown or hidden each time it is shown; the user cannot
// resize it.
class AboutWindow : public Window {
  public:
    // The controls, in the order they are created.
    Canvas* AppIconCanvas = nullptr;
    StaticText* StatAppName = nullptr;
    StaticText* StatAppVersion = nullptr;
    EditField* EditAppCredits = nullptr;
    StaticText* StatAppCopyright = nullptr;
    Canvas* QxIconCanvas = nullptr;

    void AppIconCanvas_Paint(Graphics& g);
    bool QxIconCanvas_MouseDown(int x, int y);
    void QxIconCanvas_Paint(Graphics& g);

    // Sets the window up, with or without the credits, and brings it to
    // the front.
    void Show(bool useCredits);

    static QString CreditsText();
    static QString RightsNotice();
    // The badge reads "Built with Qt".
    static QString ToolMakerURL() { return QStringLiteral("https://www.qt.io/"); }

  protected:
    bool UseCredits = false;

    void Layout() override;
    void CreateControls() override;
    void CreateControls0();

    void SetCreditsFieldText(const QString& text, bool parseTags);
    void SetupWindow();
    QString VersionString() const;

  private:
    StaticText& AddLabel(const QString& name, int top, int height, int size, int tabIndex);
};
