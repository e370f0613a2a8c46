#pragma once

#include <QHBoxLayout>
#include <QPushButton>

#include <initializer_list>

namespace t40 {

// The row of command buttons at the foot of a window, right-aligned.
inline QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace t40
