#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace t40 {

class MDIFormMain;

// The splash window: shows the picture for two seconds, then loads the main
// window.
class FormWelcome : public QWidget {
    Q_OBJECT
public:
    explicit FormWelcome(QWidget* parent = nullptr);
    // A data file to open once the main window is loaded (from the command line).
    void setFileToOpen(const QString& path) { fileToOpen_ = path; }

    void Timer1_Timer();
    MDIFormMain* mainWindow() const { return main_; }

    QLabel* Picture1 = nullptr;
    QTimer* Timer1 = nullptr;

private:
    MDIFormMain* main_ = nullptr;
    QString fileToOpen_;
};

} // namespace t40
