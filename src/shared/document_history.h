#pragma once

#include "radio_document.h"

#include <QObject>

class QAction;
class QUndoStack;

namespace t40 {

// The undo history of a document: one command per step the document
// records, Undo and Redo actions whose texts name the step in the interface
// language, and the modified flag following the history back to the state
// last saved.
class DocumentHistory : public QObject {
    Q_OBJECT
public:
    explicit DocumentHistory(RadioDocument& document, QObject* parent = nullptr);
    ~DocumentHistory() override;

    QAction* undoAction() const { return undoAction_; }
    QAction* redoAction() const { return redoAction_; }
    void undo();
    void redo();
    int count() const;
    // The name of the step Undo would take back, in the interface language.
    QString undoName() const;
    QString redoName() const;
    // The action texts after a change of the interface language.
    void retranslate();

signals:
    // An undo or redo has put a state back: windows show the document again.
    void restored();

private:
    friend class StepCommand;
    void put(const DocumentState& state);
    void record(const StepName& name, const DocumentState& before, const DocumentState& after);
    StepName nameAt(int index) const;

    RadioDocument& document_;
    QUndoStack* stack_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

} // namespace t40
