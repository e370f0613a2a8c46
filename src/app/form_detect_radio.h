#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace t40 {

class RadioProbe;

// Program > Detect Radio: asks the USB serial adapters and the registered
// ports for a radio, lists those where one answered with its band, and makes
// the chosen one the current port.
class FormDetectRadio : public QDialog {
    Q_OBJECT
public:
    explicit FormDetectRadio(QWidget* parent = nullptr);
    ~FormDetectRadio() override;

    void CommandSearch_Click();
    void CommandUse_Click();
    bool searching() const;

    QLabel* LabelStatus = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTreeWidget* ListPorts = nullptr;
    QPushButton* CommandSearch = nullptr;
    QPushButton* CommandUse = nullptr;
    QPushButton* CommandClose = nullptr;

signals:
    void searchFinished();

private:
    void onFinished();

    RadioProbe* probe_ = nullptr;
};

} // namespace t40
