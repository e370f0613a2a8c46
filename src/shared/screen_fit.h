#pragma once

class QMdiSubWindow;
class QWidget;

namespace t40 {

// Windows open inside what the user can see: a top-level window inside the
// available area of its screen (the taskbar left out), a page inside the
// visible part of the page area. Larger windows are made smaller, windows
// that stick out are moved back in.
void FitToScreen(QWidget* window);
void FitToArea(QMdiSubWindow* page);

// Every top-level window of the program is fitted to its screen as it shows.
void InstallScreenFit();

} // namespace t40
