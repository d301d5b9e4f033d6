#pragma once

#include <QDialog>

class QPushButton;
class Window;

// The toolkit widget behind a Window. A sheet needs QDialog's default and
// cancel buttons and window modality; a document window must not have
// them (Escape would close it), so the dialog behaviour is switched on
// only for sheets.
class WindowHost : public QDialog {
  public:
    WindowHost(Window& window, bool sheet);

    Window& Owner() const { return mWindow; }
    // Closes without asking the window first (the window asked itself).
    void CloseQuietly();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    // The sheet's enabled cancel button, if it has one.
    QPushButton* CancelButton() const;

    Window& mWindow;
    bool mSheet;
    bool mClosing = false;
};

// The key as the application sees it: one character for text keys, and
// the classic control codes for Return (13), Enter (3), Tab (9), Escape
// (27), Backspace (8), Delete (127) and the arrows (28 to 31).
QString KeyText(const QKeyEvent& event);
