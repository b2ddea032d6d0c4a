// The buttons that behave the same on every screen that carries them. Each Make... creates the
// button on the screen (caption and access key as the program writes them), names it and
// connects it; the screen only puts it into its layout:
//
//   auto* row = new QHBoxLayout;
//   row->addWidget(MakeCopyButton(*this));
//   row->addWidget(MakePrintFormButton(*this));                  // or "cmd_PlotPrint"
//   row->addWidget(MakeSelectAnotherButton(*this, m_reselect, ScreenId::PlotSelect1,
//                                          "cmd_Replot"));
//   row->addWidget(MakeDoneButton(*this));                       // or "cmd_PlotDone", "cmd_Return"
#pragma once

#include "model/CommonButtons.h"
#include "ui/ScreenBase.h"

#include <string>

class QPushButton;
class QWidget;

namespace trochix::ui {

// "&Copy": only tells how to copy the screen (model::ShowCopyHint).
QPushButton* MakeCopyButton(ScreenBase& screen, const char* objectName = "cmd_Copy");

// "&Print Form": the printer dialog, then the image of `form` scaled onto one page.
// Cancel prints nothing; faults are reported as screenName + ".PrintForm".
void PrintForm(AppContext& ctx, QWidget& form, const std::string& screenName);
QPushButton* MakePrintFormButton(ScreenBase& screen, const char* objectName = "cmd_PrintForm");

// "&Done": closes the screen.
QPushButton* MakeDoneButton(ScreenBase& screen, const char* objectName = "cmd_Done");

// "&Select Another": closes the screen and opens its selection screen again, up to the
// re-selection limit; past it the counter's message is shown and the screen closes as Done.
void SelectAnother(ScreenBase& screen, model::SelectAnotherCounter& counter, ScreenId selection);
QPushButton* MakeSelectAnotherButton(ScreenBase& screen, model::SelectAnotherCounter& counter,
                                     ScreenId selection, const char* objectName);

} // namespace trochix::ui
