#pragma once

#include "page_window.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace t40 {

class RadioDocument;

// The embedded message: two lines of up to 32 single-byte characters at
// 0x300..0x33F. Those bytes are also the first tune-data group, so the page
// writes them only after the user has changed a line; viewing it never
// touches them.
class FormEmbedMessage : public PageWindow {
    Q_OBJECT
public:
    explicit FormEmbedMessage(RadioDocument& document, QWidget* parent = nullptr);

    void AnalyseEmbeddedInformation();
    // Stores the lines edited since the decode; the other keeps its bytes.
    void FreshEmbeddedInformation();
    void RefreshAfterRead() override { AnalyseEmbeddedInformation(); }
    void FreshData() override { FreshEmbeddedInformation(); }

    std::array<QLineEdit*, 2> TextEmbedMessage {};
    QPushButton* CommandClose;
    QPushButton* CommandHelp;

public slots:
    void TextEmbedMessage_LostFocus(int index);
    void TextEmbedMessage_KeyPress(int index, int keyAscii);
    void CommandClose_Click();
    void CommandHelp_Click();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillCaptions() override;
    RadioDocument& document_;
    bool EnterPressed = false;
    bool Edited = false;
    // Which lines were typed in: only those are stored, the other keeps its bytes (they may be tune data).
    std::array<bool, 2> LineEdited {};
};

} // namespace t40
