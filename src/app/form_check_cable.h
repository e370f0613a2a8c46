#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace t40 {

class CableCheck;

// Program > Check Cable...: why a radio does not answer. Checks the chosen
// COM port and every USB serial adapter and registered port: the device and
// its chip, the permission and its remedy, other programs on the port, the
// services that grab such cables, the handshake; one verdict per port.
class FormCheckCable : public QDialog {
    Q_OBJECT
public:
    explicit FormCheckCable(QWidget* parent = nullptr);
    ~FormCheckCable() override;

    void CommandCheck_Click();
    bool checking() const;

    QLabel* LabelVerdict = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QPlainTextEdit* TextReport = nullptr;
    QPushButton* CommandCheck = nullptr;
    QPushButton* CommandClose = nullptr;

signals:
    void checkFinished();

private:
    void onFinished();

    CableCheck* check_ = nullptr;
};

} // namespace t40
