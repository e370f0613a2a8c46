#pragma once

#include <QString>

// What the main window's files share: its timer, its splitter, the key of its
// toolbar buttons and where it keeps its place between runs.
namespace t40::main_window {

inline constexpr int TimerIntervalMs = 500;
inline constexpr int InitialSplitterTwips = 2500;
inline constexpr int SplitterMinimumTwips = 120;
inline constexpr const char* ToolbarKey = "t40Key";
inline const QString WindowSettingsGroup = QStringLiteral("MainWindow");
inline const QString GeometrySetting = QStringLiteral("Geometry");
inline const QString SplitterSetting = QStringLiteral("Splitter");

} // namespace t40::main_window
