// frm_HomeScreen: the hub. Seven buttons and the menus; everything else opens from here.
//
// A button or menu entry is enabled when the model's flags allow it (model/HomeForm.h) AND
// its target exists: the screen is registered with the navigator, or the command with
// ctx.commands (ui/Commands.h). New screens and commands therefore light up by themselves.
// Other screens refresh the buttons through the navigator:
//   ctx.navigator.RefreshHome();
// (the navigator also does this whenever the last modal screen closes).
#pragma once

#include "files/ExportRegistry.h"
#include "ui/Activatable.h"
#include "ui/AppContext.h"

#include <QMainWindow>

#include <array>

class QAction;
class QMenu;
class QMenuBar;
class QPushButton;

namespace trochix::ui {
enum class Command;
}

namespace trochix::ui {

class HomeScreen : public QMainWindow, public Activatable {
    Q_OBJECT
public:
    explicit HomeScreen(AppContext& ctx);

    // SetHomeButtons, the menus' enabling and the Units tick, from the model.
    void activate() override;
    void SetHomeButtons();
    void RefreshMenus();

public slots:
    void SVAJ();
    void SizeCam();
    void DrawCam();
    void MakeCam();
    void Dynamics();
    void Plot();
    void Print();
    void Quit();
    void New();
    void PickUnits(int k);
    void CalculateFFT();
    void About();
    void ChangeUser();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildButtons(QWidget* central); // the seven buttons, in screen order
    QWidget* BuildBanner(QWidget* central);
    void BuildFileMenu(QMenuBar* bar);
    void BuildMenus(QMenuBar* bar); // Units, Examples, FFT, Version, User
    // A menu entry that runs a command of ctx.commands, or one of this screen's slots.
    QAction* AddCommand(QMenu* menu, const QString& caption, const QString& objectName,
                        Command command);
    template <class Slot>
    QAction* AddAction(QMenu* menu, const char* caption, const char* objectName, Slot slot);

    AppContext& m_ctx;
    QPushButton* m_svaj;
    QPushButton* m_sizeCam;
    QPushButton* m_drawCam;
    QPushButton* m_dynamics;
    QPushButton* m_plot;
    QPushButton* m_print;
    QPushButton* m_quit;

    QAction* m_new;
    QAction* m_open;
    QAction* m_save;
    QAction* m_saveAs;
    QMenu* m_export;
    std::array<QAction*, files::kExportCount> m_exports{};
    QAction* m_makeCam;
    QAction* m_fileQuit;
    std::array<QAction*, 6> m_units{};    // 1..5
    std::array<QAction*, 6> m_examples{}; // 1..5 (files::kExampleCount)
    QAction* m_calcFft;
    QAction* m_about;
    QAction* m_changeUser;
};

} // namespace trochix::ui
