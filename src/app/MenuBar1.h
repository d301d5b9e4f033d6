#pragma once

#include "ui/MenuBar.h"

// The application's one menu bar: File, Edit, Timer, View and Help. The
// same object is the application's and the main window's bar.
class MenuBar1 : public MenuBar {
  public:
    MenuBar1();

  private:
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
    void Untitled4();
    void AppendMenu(const QString& name, const QString& text);
    template <class Item = MenuItem>
    void AppendItem(const QString& menu, const QString& name, bool autoEnable, const QString& text,
                    const QString& shortcut);
    void AppendSeparator(const QString& menu, const QString& name);
};

// The implicit instance: made at the first call, the same object after.
MenuBar1& TheMenuBar1();
