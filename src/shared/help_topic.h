#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QAction;

namespace t40 {

// The help window: the topic, with Contents (every topic of the program) and
// Back above it; Escape closes it. It opens centred on its owner.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);
    void showTopic(const QString& folder, const QString& path);
    void showContents();
    QUrl source() const;
    QString toPlainText() const;

    QTextBrowser* browser = nullptr;
    QAction* contentsAction = nullptr;
    QAction* backAction = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fillCaptions();
    QString contentsPage() const;
    QString folder_;
};

// The folder of HTML help topics shipped beside the program; the Chinese
// topics are in its "zh" folder under the same names.
QString HelpFolder();

// Shows a topic (a path inside the help folder, such as "Scan/Scan.htm") in
// the program's help window, in the interface language. A missing topic shows
// nothing. The window belongs to the modal dialog that is open, else to the
// main window: it stays above its owner, takes input while the owner is
// modal, and closes with it.
void ShowHelpTopic(const QString& topic);

// The topic of a window (the window itself or a page it shows), the general
// topic for windows that have none.
QString HelpTopicFor(const QWidget* window);

// Shows the topic of the window the user works in.
void ShowHelpForActiveWindow();

// F1 anywhere in the program shows the topic of the active window.
void InstallHelpKey();

// The help window, once a topic has been shown (nullptr before).
HelpViewer* HelpWindow();

} // namespace t40
